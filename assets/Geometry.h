#pragma once

#include <QPointF>
#include <cmath>
#include <numbers>

namespace zandoli {

// Angles on the spinner run clockwise from twelve o'clock, in degrees.
inline QPointF polar(QPointF centre, double radius, double degrees) {
    const double a = degrees * std::numbers::pi / 180.0;
    return {centre.x() + radius * std::sin(a), centre.y() - radius * std::cos(a)};
}

// The same angle as Qt's arc functions count it (anticlockwise from three o'clock).
inline double qtAngle(double degrees) {
    return 90.0 - degrees;
}

}  // namespace zandoli
