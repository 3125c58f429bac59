#include "table/NumberLine.h"

#include <QPainter>
#include <QPainterPath>

#include "language/Numbers.h"
#include "look/Colours.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

namespace {

// The line's ends stand in from the edges, so that a label centred on 0 or
// 1 still fits.
constexpr int END_MARGIN = 24;
constexpr int TICK = 7;
constexpr int MARK_SIZE = 9;
constexpr double LABEL_POINTS = 10.5;

}  // namespace

NumberLine::NumberLine(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void NumberLine::setMarks(const Mark& above, const Mark& below) {
    above_ = above;
    below_ = below;
    update();
}

double NumberLine::xOf(double value) const {
    const double margin = units::line(END_MARGIN);
    return margin + value * (width() - 2 * margin);
}

void NumberLine::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor line = look::WHITE.to<QColor>();
    const double y = height() / 2.0;
    painter.setPen(QPen(line, units::line(2)));
    painter.drawLine(QPointF(xOf(0), y), QPointF(xOf(1), y));
    painter.setFont(units::font(look::TEXT_FONT, LABEL_POINTS, false));
    // 0, one half and 1, written as the language writes them, under the
    // line; the marks of the two values are above and below it.
    for (const double tick : {0.0, 0.5, 1.0}) {
        const double x = xOf(tick);
        painter.drawLine(QPointF(x, y - units::line(TICK)), QPointF(x, y + units::line(TICK)));
    }
    paintMark(painter, above_, true);
    paintMark(painter, below_, false);
    painter.setPen(line);
    const QString half = numbers::decimal(0.5);
    for (const auto& [tick, text] : {std::pair{0.0, numbers::count(0)}, std::pair{0.5, half},
                                     std::pair{1.0, numbers::count(1)}}) {
        const QRectF box(xOf(tick) - units::line(30), y + units::line(TICK + 2), units::line(60),
                         units::line(16));
        // A mark's own label may stand where a tick's would: the mark's wins.
        const bool hidden = !below_.label.isEmpty() && std::abs(below_.value - tick) < 0.08;
        if (!hidden) {
            painter.drawText(box, Qt::AlignHCenter | Qt::AlignTop, text);
        }
    }
}

void NumberLine::paintMark(QPainter& painter, const Mark& mark, bool up) const {
    if (mark.label.isEmpty()) {
        return;
    }
    const double x = xOf(mark.value);
    const double y = height() / 2.0;
    const double size = units::line(MARK_SIZE);
    // A triangle pointing at the line, from above or from below.
    const double tip = up ? y - units::line(3) : y + units::line(3);
    const double base = up ? tip - size : tip + size;
    QPainterPath arrow;
    arrow.moveTo(x, tip);
    arrow.lineTo(x - size * 0.7, base);
    arrow.lineTo(x + size * 0.7, base);
    arrow.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(mark.colour);
    painter.drawPath(arrow);
    QFont bold = units::font(look::TEXT_FONT, LABEL_POINTS, true);
    painter.setFont(bold);
    painter.setPen(mark.colour);
    const double labelHeight = units::line(16);
    const QRectF box(x - units::line(40), up ? base - labelHeight - 1 : base + 1, units::line(80),
                     labelHeight);
    painter.drawText(box, Qt::AlignHCenter | (up ? Qt::AlignBottom : Qt::AlignTop), mark.label);
}

}  // namespace zandoli

#include "moc_NumberLine.cpp"
