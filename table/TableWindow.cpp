#include "table/TableWindow.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/Platform.h"
#include "platform/Units.h"

namespace zandoli {

TableWindow::TableWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    // A window always paints its palette's background colour first.
    resize(units::px(FIT_WIDTH_TWIPS), units::px(FIT_HEIGHT_TWIPS));
}

void TableWindow::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position());
}

}  // namespace zandoli
