#pragma once

#include <QImage>
#include <QString>
#include <functional>

namespace zandoli::testing {

// A generated file in the build folder, e.g. asset("Images/wdial.jpg").
QString asset(const QString& relative);

// Loads "Images/<name>.jpg"; a null image when it is missing.
QImage picture(const QString& name);

enum class Ink { Shaded, Unshaded, Other };

// Which of the two area-model colours a pixel shows. Outlines, edges blended
// by anti-aliasing or JPEG, and every other colour count as neither.
Ink ink(QRgb pixel);

struct ShadedCount {
    long shaded = 0;
    long unshaded = 0;
    double share() const {
        return shaded + unshaded == 0 ? -1 : double(shaded) / (shaded + unshaded);
    }
};

// Counts shaded and unshaded pixels, optionally only where `inside(x, y)` holds.
ShadedCount countShaded(const QImage& image, const std::function<bool(int, int)>& inside = nullptr);

}  // namespace zandoli::testing
