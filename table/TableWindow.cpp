#include "table/TableWindow.h"

#include <QMouseEvent>
#include <QPalette>

namespace zandoli {

TableWindow::TableWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {}

void TableWindow::setBackground(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::Window, colour);
    setPalette(p);
}

void TableWindow::mousePressEvent(QMouseEvent* event) {
    emit pressed(event->position());
}

}  // namespace zandoli

#include "moc_TableWindow.cpp"
