#pragma once

#include <array>

namespace zandoli {

// Markers on the spinner; they are not card values.
inline constexpr double RED_STAR = -1;
inline constexpr double BLUE_STAR = 2;

inline constexpr int SPIN_POSITIONS = 16;

// The value under each of the 16 positions, clockwise from the top: a value
// of CARD_VALUES or a star. Entry 16 exists but is never reached.
inline constexpr auto SPINVALUES =
    std::to_array<double>({0.1, RED_STAR, 0.75, 0.8, 0.9, RED_STAR, 0.5, 0.6, 0.7, BLUE_STAR, 0.25,
                           0.4, 0.3, RED_STAR, 1, 0.2, 0});
static_assert(SPINVALUES.size() == SPIN_POSITIONS + 1);

// A spin runs 17 to 48 steps, each of the 32 lengths equally likely: twice
// round the 16 positions, so every stop is equally likely too.
inline constexpr int SHORTEST_SPIN = 17;
inline constexpr int SPIN_LENGTHS = 32;

}  // namespace zandoli
