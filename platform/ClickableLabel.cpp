#include "platform/ClickableLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "platform/KeyboardFocus.h"

namespace zandoli {

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickableLabel::press() {
    if (isEnabled()) {
        emit clicked();
    }
}

void ClickableLabel::mousePressEvent(QMouseEvent* event) {
    pressed_ = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    event->accept();
    if (click) {
        press();
    }
}

void ClickableLabel::keyPressEvent(QKeyEvent* event) {
    if (keyboard::isPressKey(*event)) {
        event->accept();
        press();
        return;
    }
    QLabel::keyPressEvent(event);
}

}  // namespace zandoli

#include "moc_ClickableLabel.cpp"
