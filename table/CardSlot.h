#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>
#include <array>

#include "engine/Cards.h"
#include "look/TableLayout.h"
#include "platform/ClickLabel.h"
#include "platform/PictureBox.h"
#include "platform/ShapeButton.h"
#include "platform/ShapeWidget.h"

namespace zandoli {

// One place of the hand on the table: the card's frame, its caption, its
// second line (a fraction's denominator), its fraction bar and its picture.
// The frame is the card to the keyboard and to a screen reader: it takes the
// focus and reads the whole card; the parts are hidden from the reader.
// The widgets belong to the table's window, and go with it all at once; the
// slot only points at them, so it is harmless once the window has gone.
class CardSlot {
public:
    // The frame alone: every frame is built before any front element, so
    // that each caption, bar and picture lies in front of every frame.
    static ShapeButton* buildFrame(QWidget* window, int index);
    // The four front elements of the slot whose frame is given, hidden.
    CardSlot(QWidget* window, ShapeButton* frame, int index);

    // Slot set-up at table load: the front elements go to their offsets from
    // the frame and come to the front as caption, second line, bar, picture.
    void setup();
    void hide();
    // Draws the face of card `card` and shows it; a tile turns the frame
    // black with a border in `playerColour`. A number outside the pack, or a
    // card of no known kind, draws nothing.
    void drawFace(int card, const QColor& playerColour);
    // The turn change's colours: the frame filled with the player colour and
    // bordered black; texts and bar in the card text colour.
    void applyColours(const QColor& playerColour, const QColor& textColour);

    // The card whose face the slot shows; NO_CARD while it shows none.
    int16_t card() const { return card_; }
    ShapeButton* frame() const { return frame_; }
    ClickLabel* caption() const { return caption_; }
    ClickLabel* secondLine() const { return secondLine_; }
    ShapeWidget* bar() const { return bar_; }
    PictureBox* picture() const { return picture_; }

private:
    // Sets a text line's font and text and lets it size itself to the text,
    // its left edge fixed inside the frame and its top `top` below the frame's.
    void setLine(ClickLabel* label, const QString& text, double points, int top);
    // A face of figures: the caption, and for a fraction its second line and
    // bar. False for a card of no known kind, which draws nothing.
    bool drawNumber(const CardEntry& entry);
    void drawTile(int16_t card, const QColor& playerColour);
    // A place on the card, in twips from its frame's corner, in the window:
    // on the table wherever it stands in the window (see stageOrigin).
    QPoint at(int left, int top) const;
    // The caption, second line, bar and picture.
    std::array<QWidget*, 4> parts() const;
    // What a screen reader reads for the slot; nothing for an empty slot.
    void setSpokenName(const QString& words);

    look::TwipRect place_;
    int16_t card_ = NO_CARD;
    QPointer<ShapeButton> frame_;
    QPointer<ClickLabel> caption_;
    QPointer<ClickLabel> secondLine_;
    QPointer<ShapeWidget> bar_;
    QPointer<PictureBox> picture_;
};

}  // namespace zandoli
