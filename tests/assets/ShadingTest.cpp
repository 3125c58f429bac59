#include <gtest/gtest.h>

#include <QRect>

#include "Cards.h"
#include "PixelMeasure.h"
#include "Spinner.h"

namespace zandoli::testing {
namespace {

constexpr double SHARE_TOLERANCE = 0.015;
const QString SCALES[] = {"", "@2x"};

// The rectangle covered by the tile's squares, found from the pixels themselves.
QRect squaresarea(const QImage& tile) {
    QRect area;
    for (int y = 0; y < tile.height(); ++y) {
        for (int x = 0; x < tile.width(); ++x) {
            if (ink(tile.pixel(x, y)) != Ink::Other) {
                area |= QRect(x, y, 1, 1);
            }
        }
    }
    return area;
}

TEST(TileShading, EachTileShadesItsNumberOfSquaresInReadingOrder) {
    for (int16_t card = 36; card <= 47; ++card) {
        const int shaded = tileshaded(card);
        const QString name = QString("wsq%1").arg(shaded);
        for (const QString& scale : SCALES) {
            const QImage tile = picture(name + scale);
            ASSERT_FALSE(tile.isNull()) << name.toStdString();
            EXPECT_NEAR(countshaded(tile).share(), shaded / 20.0, SHARE_TOLERANCE)
                << name.toStdString() << scale.toStdString();

            // 4 squares across, 5 down: look at the middle of each.
            const QRect area = squaresarea(tile);
            ASSERT_GT(area.height(), area.width()) << name.toStdString();
            for (int square = 0; square < 20; ++square) {
                const int x = area.left() + int((square % 4 + 0.5) * area.width() / 4);
                const int y = area.top() + int((square / 4 + 0.5) * area.height() / 5);
                EXPECT_EQ(ink(tile.pixel(x, y)), square < shaded ? Ink::Shaded : Ink::Unshaded)
                    << name.toStdString() << scale.toStdString() << " square " << square;
            }
        }
    }
}

TEST(CloseUpShading, EachShapeCloseUpShadesExactlyTheValueOfItsPosition) {
    int shapes = 0;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = SPINVALUES[p];
        if (value == RED_STAR || value == BLUE_STAR) {
            continue;
        }
        ++shapes;
        for (const QString& scale : SCALES) {
            const QImage closeup = picture(QString("zandolic%1").arg(p, 2, 10, QChar('0')) + scale);
            ASSERT_FALSE(closeup.isNull()) << p;
            const ShadedCount count = countshaded(closeup);
            // A shape must be big enough in the close-up to read at a glance.
            EXPECT_GT(count.shaded + count.unshaded, closeup.width() * closeup.height() / 6) << p;
            EXPECT_NEAR(count.share(), value, SHARE_TOLERANCE)
                << "position " << p << scale.toStdString();
        }
    }
    EXPECT_EQ(shapes, 12);
}

TEST(CloseUpShading, TheEmptyCloseUpAndTheStarsShowNoShape) {
    for (int p : {-1, 1, 9}) {
        const QString name = p < 0 ? "wblank" : QString("zandolic%1").arg(p, 2, 10, QChar('0'));
        const ShadedCount count = countshaded(picture(name));
        EXPECT_LT(count.shaded + count.unshaded, 40) << name.toStdString();
    }
}

}  // namespace
}  // namespace zandoli::testing
