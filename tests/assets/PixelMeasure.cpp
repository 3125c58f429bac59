#include "tests/assets/PixelMeasure.h"

#include <QDir>
#include <array>

#include "assets/AssetLook.h"

namespace zandoli::testing {

namespace {

// A pixel is classed only when it lies this close to a reference colour and
// closer to it than to any other colour the art uses next to a shape.
constexpr int MAX_DISTANCE = 48;

int distance2(QRgb pixel, const QColor& c) {
    const int dr = qRed(pixel) - c.red();
    const int dg = qGreen(pixel) - c.green();
    const int db = qBlue(pixel) - c.blue();
    return dr * dr + dg * dg + db * db;
}

}  // namespace

QString asset(const QString& relative) {
    return QDir(ZANDOLI_ASSET_DIR).filePath(relative);
}

QImage picture(const QString& name) {
    return QImage(asset("Images/" + name + ".jpg"));
}

Ink ink(QRgb pixel) {
    const std::array<QColor, 6> others = {look::OUTLINE,   look::PLATE,    look::TABLE,
                                          look::TILE_BACK, look::TILE_RIM, look::STAR_FILL};
    const int toShaded = distance2(pixel, look::SHADED);
    const int toUnshaded = distance2(pixel, look::UNSHADED);
    const int best = std::min(toShaded, toUnshaded);
    if (best > MAX_DISTANCE * MAX_DISTANCE) {
        return Ink::Other;
    }
    for (const QColor& other : others) {
        if (distance2(pixel, other) < best) {
            return Ink::Other;
        }
    }
    return toShaded < toUnshaded ? Ink::Shaded : Ink::Unshaded;
}

ShadedCount countShaded(const QImage& image, const std::function<bool(int, int)>& inside) {
    ShadedCount count;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (inside && !inside(x, y)) {
                continue;
            }
            switch (ink(image.pixel(x, y))) {
                case Ink::Shaded:
                    ++count.shaded;
                    break;
                case Ink::Unshaded:
                    ++count.unshaded;
                    break;
                case Ink::Other:
                    break;
            }
        }
    }
    return count;
}

}  // namespace zandoli::testing
