#pragma once

#include <QPointer>
#include <array>
#include <vector>

#include "engine/TableView.h"
#include "platform/ButtonLabel.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "platform/ShapeButton.h"
#include "platform/ShapeWidget.h"
#include "table/CardSlot.h"
#include "table/ExplanationPanel.h"
#include "table/TableWindow.h"

namespace zandoli {

// Every TableButton, in the order the table builds them.
inline constexpr std::array<TableButton, 4> TABLE_BUTTONS = {
    TableButton::Exit, TableButton::NewGame, TableButton::NextPlayer, TableButton::Rules};

// Where a button's control is kept in TableWidgets::buttons.
constexpr size_t buttonIndex(TableButton which) {
    return static_cast<size_t>(which);
}

// The controls of one loaded table window, as TableBuilder makes them. The
// pointers go null with the window, so whoever reads them after an unload
// finds nothing to touch rather than a dangling control.
struct TableWidgets {
    QPointer<TableWindow> window;
    QPointer<ClickLabel> title;
    QPointer<ClickLabel> caption;
    QPointer<ClickLabel> message;
    QPointer<PictureBox> dial;
    QPointer<PictureBox> closeup;
    QPointer<ButtonLabel> spin;
    std::array<QPointer<ButtonLabel>, TABLE_BUTTONS.size()> buttons;
    QPointer<ShapeButton> pack;
    // Shown once the game is won: the results of the game.
    QPointer<ButtonLabel> results;
    QPointer<ClickLabel> notice;
    // The spin count and its caption; null at the multi-player table.
    QPointer<ClickLabel> spinsCaption;
    QPointer<ClickLabel> spinCount;
    std::vector<CardSlot> cardSlots;
    // The explanation of a mistake, over the dial, and the rings behind the
    // cards it speaks of: the card pressed and the cards left of the value.
    QPointer<ExplanationPanel> explanation;
    std::array<QPointer<ShapeWidget>, SHOWN_SLOTS> marks;

    ButtonLabel* button(TableButton which) const { return buttons[buttonIndex(which)]; }
};

}  // namespace zandoli
