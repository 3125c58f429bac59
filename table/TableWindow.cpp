#include "TableWindow.h"

#include <QMouseEvent>
#include <QPalette>

#include "Platform.h"
#include "Units.h"

namespace zandoli {

namespace {

// The shift state as the table reports it: 1 Shift, 2 Ctrl, 4 Alt.
int shiftstate(Qt::KeyboardModifiers modifiers) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) {
        shift |= 1;
    }
    if (modifiers & Qt::ControlModifier) {
        shift |= 2;
    }
    if (modifiers & Qt::AltModifier) {
        shift |= 4;
    }
    return shift;
}

// The pressed button as the table reports it: 1 left, 2 right, 4 middle.
int buttoncode(Qt::MouseButton button) {
    switch (button) {
        case Qt::LeftButton:
            return 1;
        case Qt::RightButton:
            return 2;
        case Qt::MiddleButton:
            return 4;
        default:
            return 0;
    }
}

}  // namespace

TableWindow::TableWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    resize(units::px(FIT_WIDTH_TWIPS), units::px(FIT_HEIGHT_TWIPS));
    setAutoFillBackground(true);
}

void TableWindow::setbackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
    event->accept();
    emit pressed(buttoncode(event->button()), shiftstate(event->modifiers()), event->position());
}

}  // namespace zandoli
