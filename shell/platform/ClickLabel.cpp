#include "ClickLabel.h"

#include <QMouseEvent>
#include <QPalette>

namespace zandoli {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::settextcolour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor ClickLabel::textcolour() const {
    return palette().color(QPalette::WindowText);
}

void ClickLabel::mousePressEvent(QMouseEvent* event) {
    clicks_.press(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (clicks_.release(event, *this)) {
        emit clicked();
    }
}

}  // namespace zandoli
