#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "PixelMeasure.h"
#include "Spinner.h"

namespace zandoli::testing {
namespace {

constexpr double SEGMENT = 360.0 / SPIN_POSITIONS;

QString dialname(int p) {
    return QString("zandolit%1").arg(p, 2, 10, QChar('0'));
}
QString closeupname(int p) {
    return QString("zandolic%1").arg(p, 2, 10, QChar('0'));
}

// Clockwise from twelve o'clock, 0..360, of the point (x, y) seen from (cx, cy).
double bearing(double x, double y, double cx, double cy) {
    const double degrees = std::atan2(x - cx, cy - y) * 180 / std::numbers::pi;
    return degrees < 0 ? degrees + 360 : degrees;
}

double angledistance(double a, double b) {
    const double d = std::fmod(std::abs(a - b), 360.0);
    return std::min(d, 360 - d);
}

TEST(DialArt, EachSegmentOfTheRestingDialShowsTheValueOfItsPosition) {
    const QImage dial = picture("wdial@2x");
    ASSERT_FALSE(dial.isNull());
    const double c = dial.width() / 2.0;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        // The outer part of segment p: beyond the hub disc, inside the rim.
        const ShadedCount count = countshaded(dial, [&](int x, int y) {
            const double r = std::hypot(x - c, y - c) / dial.width();
            return r > 0.26 && r < 0.43 && angledistance(bearing(x, y, c, c), p * SEGMENT) < 10;
        });
        const double value = SPINVALUES[p];
        if (value == RED_STAR || value == BLUE_STAR) {
            EXPECT_LT(count.shaded + count.unshaded, 30) << "star position " << p;
        } else {
            EXPECT_NEAR(count.share(), value, 0.02) << "position " << p;
        }
    }
}

TEST(DialArt, PointerAndLitSegmentFaceTheSpinPosition) {
    const QImage rest = picture("wdial");
    ASSERT_FALSE(rest.isNull());
    const double c = rest.width() / 2.0;
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const QImage spun = picture(dialname(p));
        ASSERT_EQ(spun.size(), rest.size());
        // Where the picture changed from the dial at rest, weighted by how much.
        double sx = 0, sy = 0;
        for (int y = 0; y < rest.height(); ++y) {
            for (int x = 0; x < rest.width(); ++x) {
                const QRgb a = rest.pixel(x, y);
                const QRgb b = spun.pixel(x, y);
                const int change = std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                                   std::abs(qBlue(a) - qBlue(b));
                if (change > 60) {
                    sx += change * (x - c);
                    sy += change * (y - c);
                }
            }
        }
        EXPECT_LT(angledistance(bearing(c + sx, c + sy, c, c), p * SEGMENT), SEGMENT / 2)
            << "position " << p;
    }
}

// The star's outline crosses a ring around its middle once per point.
int starpoints(const QImage& closeup) {
    const double c = closeup.width() / 2.0;
    const double r = closeup.width() * 0.26;
    const int steps = 720;
    int changes = 0;
    bool previous = false;
    for (int i = 0; i <= steps; ++i) {
        const double a = 2 * std::numbers::pi * i / steps;
        const QRgb pixel = closeup.pixel(int(c + r * std::sin(a)), int(c + 3 - r * std::cos(a)));
        const bool light = qGray(pixel) > 170;
        if (i > 0 && light && !previous) {
            ++changes;
        }
        previous = light;
    }
    return changes;
}

TEST(StarArt, TheTwoStarsDifferInShapeNotOnlyInColour) {
    const QImage red = picture(closeupname(1));
    const QImage blue = picture(closeupname(9));
    ASSERT_FALSE(red.isNull());
    ASSERT_FALSE(blue.isNull());
    EXPECT_EQ(starpoints(red), 5);
    EXPECT_EQ(starpoints(blue), 8);

    // Binarised by lightness, the two star masks must not coincide.
    long both = 0, either = 0;
    for (int y = 0; y < red.height(); ++y) {
        for (int x = 0; x < red.width(); ++x) {
            const bool a = qGray(red.pixel(x, y)) > 170;
            const bool b = qGray(blue.pixel(x, y)) > 170;
            both += a && b;
            either += a || b;
        }
    }
    ASSERT_GT(either, 0);
    EXPECT_LT(double(both) / either, 0.8);

    // The three red positions show the same star.
    for (int p : {5, 13}) {
        EXPECT_EQ(picture(closeupname(p)), picture(closeupname(1))) << p;
    }
}

}  // namespace
}  // namespace zandoli::testing
