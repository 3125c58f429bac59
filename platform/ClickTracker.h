#pragma once

#include <QMouseEvent>
#include <QWidget>

namespace zandoli {

// A click as the game's controls take it: the left button pressed and
// released inside the same control.
class ClickTracker {
public:
    void press(QMouseEvent* event) {
        pressed_ = event->button() == Qt::LeftButton;
        event->accept();
    }
    // True when this release completes a click on `control`.
    bool release(QMouseEvent* event, const QWidget& control) {
        const bool click = pressed_ && event->button() == Qt::LeftButton &&
                           control.rect().contains(event->position().toPoint());
        pressed_ = false;
        event->accept();
        return click;
    }

private:
    bool pressed_ = false;
};

}  // namespace zandoli
