#pragma once

#include <QFont>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>
#include <algorithm>
#include <cmath>

// Every layout figure of the game is in twips; the screens are drawn in
// logical pixels. At scale 1, 15 twips make one pixel, and fonts are set by
// pixel size (1 pt = 4/3 px) so that nothing depends on the display's DPI
// setting. The whole run is drawn at one scale: how many pixels a twip
// covers follows the display (see chooseScale in Platform.h), while every
// place stays the design's, in twips.
namespace zandoli::units {

inline constexpr int TWIPS_PER_PIXEL = 15;

namespace detail {
inline double& currentScale() {
    static double scale = 1.0;
    return scale;
}
}  // namespace detail

inline double scale() {
    return detail::currentScale();
}
// Set before a window is built: a window keeps the scale it was built at.
inline void setScale(double scale) {
    detail::currentScale() = scale > 0 ? scale : 1.0;
}

// Twips to pixels at the run's scale, to the nearest pixel; at scale 1 every
// design figure is a whole number of pixels, as it always was.
inline int px(int twips) {
    return static_cast<int>(std::lround(twips * scale() / TWIPS_PER_PIXEL));
}
constexpr int twips(int pixels) {
    return pixels * TWIPS_PER_PIXEL;
}

inline QRect pxRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// A line or margin the design gives in pixels (a border, the focus mark), at
// the run's scale, never thinner than one pixel.
inline int line(int pixels) {
    return std::max(1, static_cast<int>(std::lround(pixels * scale())));
}

inline int pointPixels(double points) {
    return static_cast<int>(std::lround(points * 4.0 / 3.0 * scale()));
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
