#pragma once

#include "platform/ShapeWidget.h"

namespace zandoli {

// A painted shape that stands for something a player can press: a card of
// the hand, the pack. The mouse still passes through it to the window
// beneath, where the rules hit-test presses against the shapes' edges; the
// keyboard (Space, Enter) and a screen reader's press action reach it
// directly, and report pressed(). Disabled or hidden, it reports nothing.
class ShapeButton : public ShapeWidget {
    Q_OBJECT

public:
    ShapeButton(Kind kind, QWidget* parent);
    void press();

signals:
    void pressed();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace zandoli
