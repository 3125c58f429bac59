#pragma once

#include <QColor>
#include <QPointer>
#include <QString>
#include <QWidget>

#include "ClickLabel.h"
#include "Layout.h"
#include "PictureBox.h"
#include "ShapeWidget.h"

namespace zandoli {

// One place of the hand on the table: the frame Shape4(i), the caption
// Label4(i), the second line Label5(i), the fraction bar Shape1(i) and the
// picture Image3(i). The widgets belong to the table's window; the slot only
// points at them, so it is harmless once the window has gone.
class CardSlot {
public:
    // The frame alone: every frame is built before any front element, so
    // that each caption, bar and picture lies in front of every frame.
    static ShapeWidget* buildframe(QWidget* window, int index);
    // The four front elements of the slot whose frame is given, hidden.
    CardSlot(QWidget* window, ShapeWidget* frame, int index);

    // Slot set-up at table load: the front elements go to their offsets from
    // the frame and come to the front as caption, second line, bar, picture.
    void setup();
    void hide();
    // Draws the face of card `card` and shows it; a tile turns the frame
    // black with a border in `playercolour`. A number outside the pack, or a
    // card of no known kind, draws nothing.
    void drawface(int card, const QColor& playercolour);
    // The turn change's colours: the frame filled with the player colour and
    // bordered black; texts and bar in the card text colour.
    void applycolours(const QColor& playercolour, const QColor& textcolour);

    ShapeWidget* frame() const { return frame_; }
    ClickLabel* caption() const { return caption_; }
    ClickLabel* secondline() const { return secondline_; }
    ShapeWidget* bar() const { return bar_; }
    PictureBox* picture() const { return picture_; }

private:
    // Sets a text line's font and text and lets it size itself to the text,
    // its left edge fixed inside the frame and its top `top` below the frame's.
    void setline(ClickLabel* label, const QString& text, double points, int top);
    // What a screen reader reads for the slot; nothing for an empty slot.
    void setspokenname(const QString& words);

    TwipRect place_;
    QPointer<ShapeWidget> frame_;
    QPointer<ClickLabel> caption_;
    QPointer<ClickLabel> secondline_;
    QPointer<ShapeWidget> bar_;
    QPointer<PictureBox> picture_;
};

}  // namespace zandoli
