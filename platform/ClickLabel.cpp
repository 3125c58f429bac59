#include "platform/ClickLabel.h"

#include <QPalette>

namespace zandoli {

ClickLabel::ClickLabel(const QString& text, QWidget* parent) : ClickableLabel(text, parent) {}

void ClickLabel::setTextColour(const QColor& colour) {
    QPalette p = palette();
    p.setColor(QPalette::WindowText, colour);
    setPalette(p);
}

QColor ClickLabel::textColour() const {
    return palette().color(QPalette::WindowText);
}

}  // namespace zandoli

#include "moc_ClickLabel.cpp"
