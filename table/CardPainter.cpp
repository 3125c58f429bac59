#include "table/CardPainter.h"

#include <QFont>
#include <QPen>
#include <algorithm>

#include "engine/Cards.h"
#include "language/Numbers.h"
#include "look/TableArt.h"
#include "look/TableLayout.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "table/TableLook.h"

namespace zandoli {

using namespace look;

namespace {

// The table's corner radius, as a share of the card's shorter side.
constexpr double CORNER_SHARE = 0.1;

// Twips of the table's card into the painted frame.
struct CardScale {
    QRectF frame;
    double perTwip;

    double x(int twips) const { return frame.left() + twips * perTwip; }
    double y(int twips) const { return frame.top() + twips * perTwip; }
    QRectF rect(const TwipRect& r) const {
        return {x(r.left), y(r.top), r.width * perTwip, r.height * perTwip};
    }
    // A text line of the card, its top-left corner where the table puts it.
    void line(QPainter& painter, const QString& text, double points, int top) const {
        QFont font(TEXT_FONT);
        font.setBold(true);
        font.setPixelSize(std::max(
            1, static_cast<int>(units::pointPixels(points) * perTwip * units::TWIPS_PER_PIXEL)));
        painter.setFont(font);
        const QRectF box(x(CARD_TEXT_LEFT), y(top), frame.width(), frame.height());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop, text);
    }
};

void paintFrame(QPainter& painter, const QRectF& frame, const QColor& fill, const QColor& border,
                double borderWidth) {
    QPen pen(border);
    pen.setWidthF(borderWidth);
    painter.setPen(pen);
    painter.setBrush(fill);
    const double half = borderWidth / 2.0;
    const QRectF box = frame.adjusted(half, half, -half, -half);
    const double radius = std::min(box.width(), box.height()) * CORNER_SHARE;
    painter.drawRoundedRect(box, radius, radius);
}

void paintPicture(QPainter& painter, const QRectF& place, const std::string& name) {
    const QPixmap shown = picture(QString::fromStdString(name));
    if (!shown.isNull()) {
        painter.drawPixmap(place, shown, QRectF(shown.rect()));
    }
}

}  // namespace

void paintCard(QPainter& painter, const QRectF& frame, int16_t card, const QColor& playerColour,
               const QColor& textColour) {
    if (!isCard(card)) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const CardScale at{frame, frame.width() / SLOT_WIDTH};
    const double border = std::max(1.0, FRAME_BORDER_PX * units::TWIPS_PER_PIXEL * at.perTwip);
    const CardEntry& entry = cardCatalogue()[static_cast<size_t>(card)];
    const auto kind = static_cast<CardKind>(entry.kind);
    if (kind == CardKind::Tile) {
        paintFrame(painter, frame, Qt::black, playerColour, border);
        paintPicture(painter, at.rect(CARD_PICTURE), tilePicture(card));
        painter.restore();
        return;
    }
    paintFrame(painter, frame, playerColour, Qt::black, border);
    painter.setPen(textColour);
    switch (kind) {
        case CardKind::Whole:
            at.line(painter, numbers::count(1), WHOLE_POINTS, CARD_HIGH_TEXT_TOP);
            break;
        case CardKind::Decimal:
            at.line(painter, numbers::decimal(entry.value), NUMBER_POINTS, CARD_LOW_TEXT_TOP);
            break;
        case CardKind::Percent:
            at.line(painter, numbers::percent(entry.value), PERCENT_POINTS, CARD_LOW_TEXT_TOP);
            break;
        case CardKind::Fraction:
            at.line(painter, numbers::count(entry.numerator), NUMBER_POINTS, CARD_HIGH_TEXT_TOP);
            at.line(painter, numbers::count(entry.denominator), NUMBER_POINTS,
                    CARD_SECOND_LINE_TOP);
            painter.fillRect(at.rect(CARD_BAR), textColour);
            break;
        case CardKind::Tile:
            break;
    }
    painter.restore();
}

void paintSpinShape(QPainter& painter, const QRectF& frame, int position) {
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    paintPicture(painter, frame, closeupPicture(position));
    painter.restore();
}

void paintSpinShapeOf(QPainter& painter, const QRectF& frame, double value) {
    const auto at = std::find_if(SPINVALUES.begin(), SPINVALUES.end(),
                                 [value](double shown) { return valuesMatch(shown, value); });
    if (at != SPINVALUES.end()) {
        paintSpinShape(painter, frame, static_cast<int>(at - SPINVALUES.begin()));
    }
}

}  // namespace zandoli
