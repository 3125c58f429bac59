// The generated pictures, measured from their pixels: every file at its size
// and twice it, the shading of tiles, close-ups and dial, the pointer, the
// stars and the icons; and the area models behind the shaded shapes.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <set>
#include <stdexcept>

#include "assets/AreaModel.h"
#include "assets/AssetLook.h"

namespace zandoli::testing {
namespace {

// The value under each spinner position, clockwise from the top; 2 and 3 stand
// for the red and blue stars.
constexpr double RED = 2;
constexpr double BLUE = 3;
constexpr double POSITIONS[16] = {0.1, RED,  0.75, 0.8, 0.9, RED, 0.5, 0.6,
                                  0.7, BLUE, 0.25, 0.4, 0.3, RED, 1,   0.2};

// "Images/<name>.jpg" as the build wrote it, or "<name>@2x.jpg", "<name>@3x.jpg" for a factor
// of 2; a null image when it is missing.
QImage picture(const QString& name, int factor = 1) {
    return QImage(ZANDOLI_ASSET_DIR "/Images/" + name +
                  (factor > 1 ? QString("@%1x").arg(factor) : "") + ".jpg");
}

// The picture of a spinner position: at("zandolit", 3) is zandolit03, the dial.
QImage at(const char* name, int position, int factor = 1) {
    return picture(QString(name) + QString("%1").arg(position, 2, 10, QChar('0')), factor);
}

void eachPixel(const QImage& image, const std::function<void(int x, int y, QRgb)>& visit) {
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            visit(x, y, image.pixel(x, y));
        }
    }
}

// How far apart two colours lie, in the cube of their red, green and blue.
double distance(QRgb a, QRgb b) {
    return std::hypot(qRed(a) - qRed(b), qGreen(a) - qGreen(b), qBlue(a) - qBlue(b));
}

enum class Ink { Shaded, Unshaded, Other };

// Which of the two area-model colours a pixel shows: the one it lies within
// 48 of, when no other colour the art uses next to a shape is nearer.
// Outlines and edges blended by anti-aliasing or JPEG count as neither.
Ink ink(QRgb pixel) {
    const QColor colours[] = {look::SHADED, look::UNSHADED,  look::OUTLINE,  look::PLATE,
                              look::TABLE,  look::TILE_BACK, look::TILE_RIM, look::STAR_FILL};
    const QColor* nearest = std::ranges::min_element(
        colours, {}, [pixel](const QColor& c) { return distance(pixel, c.rgb()); });
    // Shaded and Unshaded are the first two colours; the others are Other.
    return distance(pixel, nearest->rgb()) > 48 ? Ink::Other : Ink(std::min(nearest - colours, 2L));
}

struct Shading {
    long shaded = 0;
    long unshaded = 0;
    long area() const { return shaded + unshaded; }
    double share() const { return area() == 0 ? -1 : double(shaded) / area(); }
};

// The pixels of the two shape colours, only where `inside(x, y)` holds.
Shading shading(const QImage& image, const std::function<bool(int, int)>& inside = nullptr) {
    Shading count;
    eachPixel(image, [&](int x, int y, QRgb pixel) {
        const Ink seen = !inside || inside(x, y) ? ink(pixel) : Ink::Other;
        count.shaded += seen == Ink::Shaded;
        count.unshaded += seen == Ink::Unshaded;
    });
    return count;
}

// How far, in degrees, a point seen from the middle (dx right, dy down) lies
// from the bearing of spinner position p, clockwise from the top.
double offPosition(double dx, double dy, int p) {
    const double off =
        std::fmod(std::abs(std::atan2(dx, -dy) * 180 / std::numbers::pi - p * 22.5) + 360, 360);
    return std::min(off, 360 - off);
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

// The sizes of the tiles, close-ups and dials are checked with their shading;
// the title's pictures show in the golden screenshots (tests/golden), drawn
// twice the size the same way as every other picture.
TEST(Pictures, TheBlankCloseUpHasNoShapeAndEveryIconIsRound) {
    EXPECT_LT(shading(picture("wblank")).area(), 40);
    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage icon(QString(ZANDOLI_ASSET_DIR "/icons/zandoli-%1.png").arg(size));
        ASSERT_EQ(icon.size(), QSize(size, size)) << size;
        EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0) << size;
        EXPECT_EQ(qAlpha(icon.pixel(size / 2, size / 4)), 255) << size;
    }
}

TEST(Shading, EachTileShadesItsNumberOfTwentySquaresInReadingOrder) {
    // The tiles shade 2, 4, ... 20 of their twenty squares, and 5 and 15.
    for (int shaded : {2, 4, 5, 6, 8, 10, 12, 14, 15, 16, 18, 20}) {
        for (int factor : {1, 2, 3}) {
            SCOPED_TRACE(QString("wsq%1 at %2x").arg(shaded).arg(factor).toStdString());
            const QImage tile = picture("wsq" + QString::number(shaded), factor);
            ASSERT_EQ(tile.size(), QSize(80, 120) * factor);
            EXPECT_NEAR(shading(tile).share(), shaded / 20.0, 0.015);
            // The squares' area, found from the pixels; 4 across, 5 down.
            QRect area;
            eachPixel(tile, [&](int x, int y, QRgb pixel) {
                area |= ink(pixel) != Ink::Other ? QRect(x, y, 1, 1) : QRect();
            });
            for (int square = 0; square < 20; ++square) {
                const int x = area.left() + int((square % 4 + 0.5) * area.width() / 4);
                const int y = area.top() + int((square / 4 + 0.5) * area.height() / 5);
                EXPECT_EQ(ink(tile.pixel(x, y)), square < shaded ? Ink::Shaded : Ink::Unshaded)
                    << "square " << square;
            }
        }
    }
}

// Each position's close-up and dial segment show its value, a star is the
// red one's five points or the blue one's eight, and the pointer of the spun
// dial faces it.
TEST(Shading, EachSpinPositionShowsItsValueOnCloseUpAndDialAndThePointerFacesIt) {
    const QImage rest = picture("wdial");
    const QImage dial = picture("wdial", 2);
    ASSERT_EQ(rest.size(), QSize(400, 400));
    ASSERT_EQ(dial.size(), QSize(800, 800));
    const double c = dial.width() / 2.0;
    for (int p = 0; p < 16; ++p) {
        SCOPED_TRACE(p);
        const double value = POSITIONS[p];
        const bool star = value == RED || value == BLUE;
        for (int factor : {1, 2, 3}) {
            const QImage closeup = at("zandolic", p, factor);
            ASSERT_EQ(closeup.size(), QSize(160, 160) * factor);
            const Shading shape = shading(closeup);
            if (star) {
                EXPECT_LT(shape.area(), 40);
                EXPECT_EQ(starPoints(closeup), value == RED ? 5 : 8) << factor;
                EXPECT_EQ(closeup, at("zandolic", value == RED ? 1 : 9, factor));
            } else {
                EXPECT_GT(shape.area(), closeup.width() * closeup.height() / 6);
                EXPECT_NEAR(shape.share(), value, 0.015) << factor;
            }
        }
        // The outer part of segment p of the dial at rest: beyond the hub, inside the rim.
        const Shading segment = shading(dial, [&](int x, int y) {
            const double r = std::hypot(x - c, y - c) / dial.width();
            return r > 0.26 && r < 0.43 && offPosition(x - c, y - c, p) < 10;
        });
        EXPECT_TRUE(star ? segment.area() < 30 : std::abs(segment.share() - value) < 0.02)
            << "dial segment shades " << segment.share();
        // Where the spun dial differs from the dial at rest, weighted by how much.
        const QImage spun = at("zandolit", p);
        ASSERT_EQ(spun.size(), rest.size());
        EXPECT_EQ(at("zandolit", p, 2).size(), dial.size());
        double sx = 0, sy = 0;
        eachPixel(rest, [&](int x, int y, QRgb was) {
            const double change = distance(was, spun.pixel(x, y));
            sx += change > 40 ? change * (x - rest.width() / 2.0) : 0;
            sy += change > 40 ? change * (y - rest.height() / 2.0) : 0;
        });
        EXPECT_LT(offPosition(sx, sy, p), 22.5 / 2) << "pointer";
    }
}

TEST(AreaModel, EveryShapeIsCutIntoEqualPartsShadingExactlyItsValue) {
    std::set<AreaModel::Kind> kinds;
    for (double value : {0.1, 0.2, 0.25, 0.3, 0.4, 0.5, 0.6, 0.7, 0.75, 0.8, 0.9, 1.0}) {
        const AreaModel model = areaModel(value);
        EXPECT_NEAR(model.share(), value, 1e-12) << value;
        EXPECT_GE(model.parts(), 2) << value;
        kinds.insert(model.kind);
    }
    EXPECT_EQ(kinds.size(), 3u);  // circles, bars and grids
    EXPECT_THROW(areaModel(1.0 / 3.0), std::invalid_argument);
}

}  // namespace
}  // namespace zandoli::testing
