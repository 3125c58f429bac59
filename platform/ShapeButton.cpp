#include "platform/ShapeButton.h"

#include <QKeyEvent>

#include "platform/KeyboardFocus.h"
#include "platform/Speech.h"

namespace zandoli {

ShapeButton::ShapeButton(Kind kind, QWidget* parent) : ShapeWidget(kind, parent) {
    // Tab reaches it; a click never gives it focus, since the click itself
    // goes through to the window.
    setFocusPolicy(Qt::TabFocus);
    speech::installControlRoles();
    keyboard::install();
}

void ShapeButton::press() {
    if (isEnabled() && isVisible()) {
        emit pressed();
    }
}

void ShapeButton::keyPressEvent(QKeyEvent* event) {
    if (keyboard::isPressKey(*event)) {
        event->accept();
        press();
        return;
    }
    ShapeWidget::keyPressEvent(event);
}

}  // namespace zandoli

#include "moc_ShapeButton.cpp"
