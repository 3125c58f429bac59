#include "results/ResultsChart.h"

#include <QPainter>
#include <algorithm>
#include <array>

#include "look/Colours.h"
#include "look/TableLayout.h"
#include "platform/Speech.h"
#include "results/ResultsWords.h"
#include "table/CardPainter.h"

namespace zandoli {

namespace {

// Each form is drawn under its group by a card of one half (the whole cards
// by a whole card): 0.5, 50%, 1/2, the tile of 10 squares, 1.
int16_t markCard(CardKind form) {
    switch (form) {
        case CardKind::Whole:
            return 0;
        case CardKind::Decimal:
            return 6;
        case CardKind::Percent:
            return 17;
        case CardKind::Fraction:
            return 26;
        case CardKind::Tile:
            break;
    }
    return 40;
}

// Shares of the chart's height.
constexpr double MARK_SHARE = 0.34;     // the small card under a group
constexpr double NUMBER_SHARE = 0.14;   // a bar's count over it
constexpr double BAR_GAP_SHARE = 0.15;  // between bars, of a bar's width

}  // namespace

ResultsChart::ResultsChart(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ResultsChart::setResults(const PlayerResults& player, const QColor& colour, int scaleTop) {
    player_ = player;
    colour_ = colour;
    scaleTop_ = std::max(1, scaleTop);
    speech::setName(this, resultsWords::chartText(player));
    update();
}

void ResultsChart::paintBar(QPainter& painter, const QRectF& bar, Bar kind, const QColor& colour) {
    painter.save();
    QPen pen(colour);
    pen.setWidthF(std::max(1.0, bar.width() / 10));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const double half = pen.widthF() / 2;
    const QRectF inside = bar.adjusted(half, half, -half, -half);
    switch (kind) {
        case Bar::Matched:
            painter.setBrush(colour);
            break;
        case Bar::Wrong:
            painter.setBrush(QBrush(colour, Qt::BDiagPattern));
            break;
        case Bar::Missed:
            painter.setBrush(Qt::NoBrush);
            break;
    }
    if (inside.height() > 0) {
        painter.drawRect(inside);
    }
    painter.restore();
}

void ResultsChart::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const double groupWidth = width() / static_cast<double>(CARD_FORMS);
    for (int i = 0; i < CARD_FORMS; ++i) {
        paintGroup(painter, QRectF(i * groupWidth, 0, groupWidth, height()), i);
    }
}

void ResultsChart::paintGroup(QPainter& painter, const QRectF& place, int index) {
    const CardKind form = resultsWords::FORMS_SHOWN[static_cast<size_t>(index)];
    const FormCounts& counts = player_.forms[static_cast<size_t>(form)];
    // The mark: a small card of the form, centred under the group.
    const double markHeight = place.height() * MARK_SHARE;
    const double markWidth = markHeight * look::SLOT_WIDTH / look::SLOT_HEIGHT;
    const QRectF markFrame(place.center().x() - markWidth / 2, place.bottom() - markHeight,
                           markWidth, markHeight);
    const look::Player& player = look::player(player_.colour);
    paintCard(painter, markFrame, markCard(form), colour_, player.cardText.to<QColor>());

    const std::array<std::pair<Bar, int>, 3> bars{
        {{Bar::Matched, counts.matched}, {Bar::Wrong, counts.wrong}, {Bar::Missed, counts.missed}}};
    const double barWidth = place.width() * 0.8 / (3 + 2 * BAR_GAP_SHARE);
    const double left = place.left() + place.width() * 0.1;
    const double baseline = markFrame.top() - place.height() * 0.04;
    const double numberHeight = place.height() * NUMBER_SHARE;
    const double tallest = baseline - numberHeight;
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(std::max(1, static_cast<int>(numberHeight * 0.85)));
    painter.setFont(font);
    for (size_t b = 0; b < bars.size(); ++b) {
        const double x = left + static_cast<double>(b) * barWidth * (1 + BAR_GAP_SHARE);
        const double h = tallest * std::min(bars[b].second, scaleTop_) / scaleTop_;
        paintBar(painter, QRectF(x, baseline - h, barWidth, h), bars[b].first, colour_);
        painter.setPen(Qt::white);
        painter.drawText(
            QRectF(x - barWidth, baseline - h - numberHeight, barWidth * 3, numberHeight),
            Qt::AlignHCenter | Qt::AlignBottom, QString::number(bars[b].second));
    }
    // The floor the bars stand on.
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(QPointF(place.left() + place.width() * 0.05, baseline),
                     QPointF(place.right() - place.width() * 0.05, baseline));
}

}  // namespace zandoli

#include "moc_ResultsChart.cpp"
