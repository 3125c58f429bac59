#pragma once

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QString>

#include "engine/GameState.h"
#include "engine/TableView.h"
#include "table/TableWidgets.h"

namespace zandoli {

// Shows the table the referee describes on a table's controls, and turns
// what happened into sound, speech and a move of the focus. Every step is
// harmless while the window is not loaded: the controls it points at are
// then null.
//
// The focus follows the game, so a keyboard player's next key and a screen
// reader's next words are where the game now is: when a spin stops, to the
// first card (to the pack on the star on blue); when a turn begins, to Spin;
// after a win, to New Game; after a wrong card, to the message. The control
// the focus lands on tells what happened (speech::announce), which a screen
// reader reads with it. The move waits until the step under way is over and
// the window shows what it led to.
class QtTableView : public QObject, public TableView {
    Q_OBJECT

public:
    QtTableView(TableWidgets& widgets, const GameState& state) : widgets_(widgets), game_(state) {}

    // Names the controls that say nothing by themselves (the dial, the pack
    // card), describes what each button does, and takes the window as just
    // built; once per built window.
    void nameControls();

    void show(const TableState& state) override;
    void happened(const TableEvent& event) override;

    // What the window shows, as last told.
    const TableState& shown() const { return shown_; }

private:
    void applyColourScheme(int colour);
    void showCaption(const TableState& state);
    void showFaces(const TableState& state, bool recoloured);
    // The explanation of a mistake over the dial, and the rings round the
    // cards it speaks of; none when the table explains nothing.
    void showExplanation(const TableState& state);
    void enableSpin(bool enabled);
    void showPointer(const std::optional<int>& pointer);
    // Names the close-up by the spin's result: "spinning" while it turns,
    // and what it is while at rest.
    void nameCloseup();
    // The focus goes to `control` with `news` once this step is over; the
    // last such wish of a step is the one kept.
    void moveFocusLater(QWidget* control, const QString& news);
    void settle();
    // The first card showing in slot order after `from`, wrapping round;
    // null when no other card shows. From -1, the first card of the hand.
    QWidget* nextCard(int from) const;
    QString captionNews() const;
    // The window's title: the game's name, followed by the turn caption
    // while one is shown ("Zandoli? — Blue to Play"), so a task bar tells
    // whose turn it is.
    void updateWindowTitle();

    TableWidgets& widgets_;
    const GameState& game_;
    // What the window shows; a window just built shows the table before its
    // first deal, in the colours of no player.
    TableState shown_;
    // The player whose colours the controls have; none on a new window.
    std::optional<int> shownColours_;
    QString shownCaption_;
    QPointer<QWidget> focusTarget_;
    QString focusNews_;
};

}  // namespace zandoli
