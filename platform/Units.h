#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <cmath>

// Every layout figure of the game is in twips; the screens are drawn in
// logical pixels. 15 twips make one pixel, and fonts are set by pixel size
// (1 pt = 4/3 px) so that nothing depends on the display's DPI setting.
namespace zandoli::units {

inline constexpr int TWIPS_PER_PIXEL = 15;

constexpr int px(int twips) {
    return twips / TWIPS_PER_PIXEL;
}
constexpr int twips(int pixels) {
    return pixels * TWIPS_PER_PIXEL;
}

inline QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

inline int pointPixels(double points) {
    return static_cast<int>(std::lround(points * 4.0 / 3.0));
}

// A font asked for by family name ("Arial", "Tahoma",
// "Arial Rounded MT Bold"); the substitutions installed at start-up map it
// onto the free fonts the set-up installs.
inline QFont font(const QString& family, double points, bool bold) {
    QFont f(family);
    f.setPixelSize(pointPixels(points));
    f.setBold(bold);
    return f;
}

}  // namespace zandoli::units
