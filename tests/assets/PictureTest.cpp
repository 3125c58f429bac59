// The generated pictures: every file at its sizes, the shading of tiles,
// close-ups and dial measured from the pixels, the pointer, and the stars.
#include <gtest/gtest.h>

#include <QRect>
#include <cmath>
#include <map>
#include <numbers>

#include "tests/assets/PixelMeasure.h"

namespace zandoli::testing {
namespace {

constexpr double SHARE_TOLERANCE = 0.015;
// The value under each spinner position, clockwise from the top; 2 and 3 stand
// for the red and blue stars.
constexpr double RED = 2;
constexpr double BLUE = 3;
constexpr double POSITIONS[16] = {0.1, RED,  0.75, 0.8, 0.9, RED, 0.5, 0.6,
                                  0.7, BLUE, 0.25, 0.4, 0.3, RED, 1,   0.2};
const QString SCALES[] = {"", "@2x"};

bool isStar(double value) {
    return value == RED || value == BLUE;
}

// How far, in degrees, a point seen from the middle (dx right, dy down) lies
// from the bearing of spinner position p, clockwise from the top.
double offPosition(double dx, double dy, int p) {
    const double off =
        std::fmod(std::abs(std::atan2(dx, -dy) * 180 / std::numbers::pi - p * 22.5) + 360, 360);
    return std::min(off, 360 - off);
}

// The picture of a spinner position: at("zandolit", 3) is zandolit03, the dial.
QImage at(const char* name, int position, const QString& scale = "") {
    return picture(QString("%1%2").arg(QLatin1String(name)).arg(position, 2, 10, QChar('0')) +
                   scale);
}

// The tiles shade 2, 4, ... 20 of their twenty squares, and 5 and 15.
const int TILES[] = {2, 4, 5, 6, 8, 10, 12, 14, 15, 16, 18, 20};

TEST(Pictures, EveryNamedPictureExistsAtItsSizeAndTwiceItAndEveryIconIsRound) {
    std::map<QString, QSize> pictures = {{"wdial", {400, 400}},
                                         {"wblank", {160, 160}},
                                         {"opening", {320, 240}},
                                         {"logo2", {100, 139}}};
    for (int p = 0; p < 16; ++p) {
        pictures[QString("zandolit%1").arg(p, 2, 10, QChar('0'))] = {400, 400};
        pictures[QString("zandolic%1").arg(p, 2, 10, QChar('0'))] = {160, 160};
    }
    for (int shaded : TILES) {
        pictures["wsq" + QString::number(shaded)] = {80, 120};
    }
    for (const auto& [name, size] : pictures) {
        EXPECT_EQ(picture(name).size(), size) << name.toStdString();
        EXPECT_EQ(picture(name + "@2x").size(), size * 2) << name.toStdString();
    }
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(asset(QString("icons/zandoli-%1.png").arg(size)));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 4)), 255) << size;
    }
}

TEST(Shading, EachTileShadesItsNumberOfTwentySquaresInReadingOrder) {
    for (int shaded : TILES) {
        for (const QString& scale : SCALES) {
            const QImage tile = picture("wsq" + QString::number(shaded) + scale);
            ASSERT_FALSE(tile.isNull()) << shaded;
            EXPECT_NEAR(countShaded(tile).share(), shaded / 20.0, SHARE_TOLERANCE) << shaded;
            // The squares' area, found from the pixels; 4 across, 5 down.
            QRect area;
            for (int y = 0; y < tile.height(); ++y) {
                for (int x = 0; x < tile.width(); ++x) {
                    area |= ink(tile.pixel(x, y)) != Ink::Other ? QRect(x, y, 1, 1) : QRect();
                }
            }
            for (int square = 0; square < 20; ++square) {
                const int x = area.left() + int((square % 4 + 0.5) * area.width() / 4);
                const int y = area.top() + int((square / 4 + 0.5) * area.height() / 5);
                EXPECT_EQ(ink(tile.pixel(x, y)), square < shaded ? Ink::Shaded : Ink::Unshaded)
                    << shaded << scale.toStdString() << " square " << square;
            }
        }
    }
}

TEST(Shading, EachCloseUpAndDialSegmentShadesTheValueOfItsPosition) {
    const QImage dial = picture("wdial@2x");
    ASSERT_FALSE(dial.isNull());
    const double c = dial.width() / 2.0;
    for (int p = 0; p < 16; ++p) {
        const double value = POSITIONS[p];
        for (const QString& scale : SCALES) {
            const ShadedCount count = countShaded(at("zandolic", p, scale));
            if (isStar(value)) {
                EXPECT_LT(count.shaded + count.unshaded, 40) << p;
            } else {
                EXPECT_GT(count.shaded + count.unshaded,
                          (scale.isEmpty() ? 160 * 160 : 320 * 320) / 6);
                EXPECT_NEAR(count.share(), value, SHARE_TOLERANCE) << p << scale.toStdString();
            }
        }
        // The outer part of segment p of the dial at rest: beyond the hub, inside the rim.
        const ShadedCount segment = countShaded(dial, [&](int x, int y) {
            const double r = std::hypot(x - c, y - c) / dial.width();
            return r > 0.26 && r < 0.43 && offPosition(x - c, y - c, p) < 10;
        });
        if (isStar(value)) {
            EXPECT_LT(segment.shaded + segment.unshaded, 30) << "star position " << p;
        } else {
            EXPECT_NEAR(segment.share(), value, 0.02) << "dial position " << p;
        }
    }
    const ShadedCount blank = countShaded(picture("wblank"));
    EXPECT_LT(blank.shaded + blank.unshaded, 40);
}

TEST(Dial, ThePointerFacesTheSpinPosition) {
    const QImage rest = picture("wdial");
    const double c = rest.width() / 2.0;
    for (int p = 0; p < 16; ++p) {
        const QImage spun = at("zandolit", p);
        ASSERT_EQ(spun.size(), rest.size());
        // Where the picture changed from the dial at rest, weighted by how much.
        double sx = 0, sy = 0;
        for (int y = 0; y < rest.height(); ++y) {
            for (int x = 0; x < rest.width(); ++x) {
                const QRgb a = rest.pixel(x, y);
                const QRgb b = spun.pixel(x, y);
                const int change = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                   std::abs(qBlue(a) - qBlue(b));
                sx += change > 60 ? change * (x - c) : 0;
                sy += change > 60 ? change * (y - c) : 0;
            }
        }
        EXPECT_LT(offPosition(sx, sy, p), 22.5 / 2) << "position " << p;
    }
}

// Lightness crossings of a ring round the middle: one per point of the star.
int starPoints(const QImage& closeup) {
    const double c = closeup.width() / 2.0;
    const double r = closeup.width() * 0.26;
    int points = 0;
    bool previous = false;
    for (int i = 0; i <= 720; ++i) {
        const double a = 2 * std::numbers::pi * i / 720;
        const bool light =
            qGray(closeup.pixel(int(c + r * std::sin(a)), int(c + 3 - r * std::cos(a)))) > 170;
        points += i > 0 && light && !previous;
        previous = light;
    }
    return points;
}

TEST(Stars, TheTwoStarsDifferInShapeAndTheRedOnesAreAlike) {
    const QImage red = at("zandolic", 1);
    const QImage blue = at("zandolic", 9);
    ASSERT_FALSE(red.isNull() || blue.isNull());
    EXPECT_EQ(starPoints(red), 5);
    EXPECT_EQ(starPoints(blue), 8);
    for (int p : {5, 13}) {
        EXPECT_EQ(at("zandolic", p), red) << p;
    }
}

}  // namespace
}  // namespace zandoli::testing
