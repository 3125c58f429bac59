#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "assets/ArtPainter.h"
#include "assets/AssetLook.h"
#include "assets/DialPainter.h"
#include "language/Numbers.h"
#include "look/Colours.h"

namespace zandoli {

namespace {

constexpr int HALF_POSITION = 6;  // the spinner position that shows one half
constexpr double CARD_WIDTH = 56;
constexpr double CARD_HEIGHT = 80;
constexpr double CARD_RADIUS = 7;
constexpr double CARD_BORDER = 2.4;
// A wide, shallow fan: each card's value stays in sight beside the next card.
const QPointF FAN_PIVOT{114, 474};
constexpr double FAN_REACH = 300;
constexpr double FAN_ANGLES[] = {-13.5, -4.5, 4.5, 13.5};

// The next card of the fan hides this one's right edge: about 35 pixels
// about the centre stay in sight where the value is written.
constexpr double WIDTH_IN_SIGHT = 35;

QFont cardFont(int pixels) {
    QFont font(look::CARD_FACE);
    font.setBold(true);
    font.setPixelSize(pixels);
    return font;
}

// A value centred on its card, smaller than `pixels` only if it would
// otherwise run under the next card ("50 %" takes a space that "50%" does not).
void drawValue(QPainter& painter, const QRectF& card, int pixels, const QString& value) {
    QFont font = cardFont(pixels);
    while (pixels > 1 &&
           QFontMetricsF(font, painter.device()).horizontalAdvance(value) > WIDTH_IN_SIGHT) {
        font.setPixelSize(--pixels);
    }
    painter.setFont(font);
    painter.drawText(card, Qt::AlignCenter, value);
}

enum class Face { Decimal, Percent, Fraction, Tile };

// One card of the fan, drawn upright around the origin.
void paintCard(QPainter& painter, Face face, const look::Player& player) {
    const QRectF card(-CARD_WIDTH / 2, -CARD_HEIGHT / 2, CARD_WIDTH, CARD_HEIGHT);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 100));
    painter.drawRoundedRect(card.translated(3, 4), CARD_RADIUS, CARD_RADIUS);

    // A tile card is black with a border in the player's colour, as on the table.
    const bool tile = face == Face::Tile;
    painter.setPen(QPen(tile ? player.colour.to<QColor>() : QColor(Qt::black), CARD_BORDER));
    painter.setBrush(tile ? QColor(Qt::black) : player.colour.to<QColor>());
    painter.drawRoundedRect(card, CARD_RADIUS, CARD_RADIUS);

    const QColor ink = player.cardText.to<QColor>();
    painter.setPen(ink);
    switch (face) {
        case Face::Decimal:
            drawValue(painter, card, 22, numbers::decimal(0.5));
            break;
        case Face::Percent:
            drawValue(painter, card, 17, numbers::percent(0.5));
            break;
        case Face::Fraction:
            painter.setFont(cardFont(24));
            painter.drawText(QRectF(card.left(), card.top() + 6, CARD_WIDTH, 30), Qt::AlignCenter,
                             "1");
            painter.drawText(QRectF(card.left(), card.bottom() - 36, CARD_WIDTH, 30),
                             Qt::AlignCenter, "2");
            painter.fillRect(QRectF(-14, -1.5, 28, 3), ink);
            break;
        case Face::Tile: {
            painter.save();
            const double scale = 0.6;
            painter.translate(-look::TILE_SIZE.width() * scale / 2,
                              -look::TILE_SIZE.height() * scale / 2);
            painter.scale(scale, scale);
            paintTile(painter, look::TILE_SQUARES / 2);
            painter.restore();
            break;
        }
    }
}

}  // namespace

void paintOpening(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QRadialGradient light(QPointF(200, 100), 260);
    light.setColorAt(0, look::TABLE.lighter(165));
    light.setColorAt(0.55, look::TABLE);
    light.setColorAt(1, look::TABLE.darker(140));
    painter.fillRect(QRectF(0, 0, 320, 240), light);

    painter.save();
    // The dial sits up on the right, so the cards in front leave its lit half in view.
    painter.translate(98, 2);
    painter.scale(0.55, 0.55);
    paintDial(painter, DialScene{HALF_POSITION, HALF_POSITION, false});
    painter.restore();

    // Four cards that all mean one half, each in a player's colours.
    const Face faces[] = {Face::Decimal, Face::Percent, Face::Fraction, Face::Tile};
    for (int i = 0; i < 4; ++i) {
        painter.save();
        painter.translate(FAN_PIVOT);
        painter.rotate(FAN_ANGLES[i]);
        painter.translate(0, -FAN_REACH);
        paintCard(painter, faces[i], look::PLAYERS[i]);
        painter.restore();
    }
    painter.restore();
}

void paintLogo(QPainter& painter) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(QRectF(0, 0, 100, 139), Qt::black);

    const QRectF card(3, 3, 94, 133);
    QLinearGradient face(card.topLeft(), card.bottomRight());
    face.setColorAt(0, look::TABLE.lighter(150));
    face.setColorAt(1, look::TABLE.darker(120));
    painter.setPen(QPen(look::BRASS, 2.5));
    painter.setBrush(face);
    painter.drawRoundedRect(card, 10, 10);

    painter.save();
    painter.translate(11, 9);
    painter.scale(0.195, 0.195);
    paintDial(painter, DialScene{HALF_POSITION, HALF_POSITION, false});
    painter.restore();

    QFont title(look::ROUNDED_FACE);
    title.setBold(true);
    title.setPixelSize(19);
    painter.setFont(title);
    painter.setPen(QColor(0, 0, 0, 120));
    painter.drawText(QRectF(0, 92, 101, 24), Qt::AlignCenter, "Zandoli?");
    painter.setPen(QColor(255, 255, 0));
    painter.drawText(QRectF(0, 91, 100, 24), Qt::AlignCenter, "Zandoli?");

    painter.setFont(cardFont(10));
    painter.setPen(Qt::white);
    painter.drawText(QRectF(0, 114, 100, 16), Qt::AlignCenter,
                     QString::fromUtf8("\u00bd = ") + numbers::decimal(0.5) +
                         QStringLiteral(" = ") + numbers::percent(0.5));
    painter.restore();
}

}  // namespace zandoli
