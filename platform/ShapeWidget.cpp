#include "platform/ShapeWidget.h"

#include <QPainter>
#include <QPen>
#include <algorithm>

namespace zandoli {

namespace {
// Corner radius of a rounded rectangle as a share of its shorter side.
constexpr double CORNER_SHARE = 0.1;
}  // namespace

ShapeWidget::ShapeWidget(Kind kind, QWidget* parent) : QWidget(parent), kind_(kind) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::setBackColour(const QColor& colour) {
    back_ = colour;
    update();
}

void ShapeWidget::setBorderColour(const QColor& colour) {
    border_ = colour;
    update();
}

void ShapeWidget::setBorderWidth(int pixels) {
    borderWidth_ = std::max(0, pixels);
    update();
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, kind_ == Kind::RoundedRectangle);
    if (borderWidth_ > 0) {
        QPen pen(border_);
        pen.setWidth(borderWidth_);
        pen.setJoinStyle(Qt::MiterJoin);
        painter.setPen(pen);
    } else {
        painter.setPen(Qt::NoPen);
    }
    painter.setBrush(back_);
    // The pen is centred on the outline, so pull it in by half its width to
    // keep the whole border inside the widget.
    const qreal half = borderWidth_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(half, half, -half, -half);
    if (kind_ == Kind::RoundedRectangle) {
        const qreal radius = std::min(box.width(), box.height()) * CORNER_SHARE;
        painter.drawRoundedRect(box, radius, radius);
    } else {
        painter.drawRect(box);
    }
}

}  // namespace zandoli

#include "moc_ShapeWidget.cpp"
