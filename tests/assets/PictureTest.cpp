// The generated pictures: every file at its sizes, the shading of tiles,
// close-ups and dial measured from the pixels, the pointer, and the stars.
#include <gtest/gtest.h>

#include <QRect>
#include <cmath>
#include <map>
#include <numbers>

#include "engine/Cards.h"
#include "engine/Spinner.h"
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

// "Images\zandolit03.jpg" as the game names it -> "zandolit03".
QString bare(const std::string& gamePath) {
    const QString name = QString::fromStdString(gamePath);
    return name.mid(name.lastIndexOf('\\') + 1).chopped(4);
}

TEST(Pictures, EveryNamedPictureExistsAtItsSizeAndTwiceItAndEveryIconIsRound) {
    std::map<QString, QSize> pictures = {{bare(DIAL_AT_REST), {400, 400}},
                                         {bare(CLOSEUP_AT_REST), {160, 160}},
                                         {"opening", {320, 240}},
                                         {"logo2", {100, 139}}};
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        pictures[bare(dialPicture(p))] = {400, 400};
        pictures[bare(closeupPicture(p))] = {160, 160};
    }
    for (int16_t card = 36; card <= 47; ++card) {
        pictures[bare(tilePicture(card))] = {80, 120};
    }
    // Every spinner position has a dial and a close-up, every tile value a
    // picture of its own: 2, 4, ... 20 shaded squares, and 5 and 15.
    for (int shaded : {2, 4, 5, 6, 8, 10, 12, 14, 15, 16, 18, 20}) {
        EXPECT_TRUE(pictures.contains("wsq" + QString::number(shaded))) << shaded;
    }
    EXPECT_TRUE(pictures.contains("zandolit15") && pictures.contains("zandolic00"));
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
    for (int16_t card = 36; card <= 47; ++card) {
        const int shaded = tileShaded(card);
        for (const QString& scale : SCALES) {
            const QImage tile = picture(bare(tilePicture(card)) + scale);
            ASSERT_FALSE(tile.isNull()) << card;
            EXPECT_NEAR(countShaded(tile).share(), shaded / 20.0, SHARE_TOLERANCE) << card;
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
                    << card << scale.toStdString() << " square " << square;
            }
        }
    }
}

TEST(Shading, EachCloseUpAndDialSegmentShadesTheValueOfItsPosition) {
    const QImage dial = picture("wdial@2x");
    ASSERT_FALSE(dial.isNull());
    const double c = dial.width() / 2.0;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = POSITIONS[p];
        for (const QString& scale : SCALES) {
            const ShadedCount count = countShaded(picture(bare(closeupPicture(p)) + scale));
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
            const double bearing = std::atan2(x - c, c - y) * 180 / std::numbers::pi;
            const double off = std::fmod(std::abs(bearing - p * 22.5) + 360, 360);
            return r > 0.26 && r < 0.43 && std::min(off, 360 - off) < 10;
        });
        if (isStar(value)) {
            EXPECT_LT(segment.shaded + segment.unshaded, 30) << "star position " << p;
        } else {
            EXPECT_NEAR(segment.share(), value, 0.02) << "dial position " << p;
        }
    }
    const ShadedCount blank = countShaded(picture(bare(CLOSEUP_AT_REST)));
    EXPECT_LT(blank.shaded + blank.unshaded, 40);
}

TEST(Dial, ThePointerFacesTheSpinPosition) {
    const QImage rest = picture(bare(DIAL_AT_REST));
    const double c = rest.width() / 2.0;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const QImage spun = picture(bare(dialPicture(p)));
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
        const double bearing = std::atan2(sx, -sy) * 180 / std::numbers::pi;
        const double off = std::fmod(std::abs(bearing - p * 22.5) + 360, 360);
        EXPECT_LT(std::min(off, 360 - off), 22.5 / 2) << "position " << p;
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
    const QImage red = picture(bare(closeupPicture(1)));
    const QImage blue = picture(bare(closeupPicture(9)));
    ASSERT_FALSE(red.isNull() || blue.isNull());
    EXPECT_EQ(starPoints(red), 5);
    EXPECT_EQ(starPoints(blue), 8);
    for (int p : {5, 13}) {
        EXPECT_EQ(picture(bare(closeupPicture(p))), red) << p;
    }
}

}  // namespace
}  // namespace zandoli::testing
