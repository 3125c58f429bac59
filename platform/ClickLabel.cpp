#include "platform/ClickLabel.h"

#include <QMouseEvent>
#include <QPalette>

namespace zandoli {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {}

void ClickLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor ClickLabel::textColour() const {
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
