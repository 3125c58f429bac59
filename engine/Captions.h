#pragma once

#include <cstdint>

namespace zandoli {

// Turn caption texts that do not belong to one player (those are in Colours.h).
inline constexpr const char* CAPTION_TURN_OVER = "TURN OVER";
inline constexpr const char* CAPTION_WON_IN = "GAME WON IN ";
inline constexpr const char* CAPTION_SPINS = " SPINS!";

// The turn caption's size in points; only the one-player win caption shrinks it
// so that the spin count fits.
inline constexpr int CAPTION_POINTS = 36;
inline constexpr int WIN_COUNT_CAPTION_POINTS = 32;

// The one-player spin counter is a 16-bit count.
inline constexpr int16_t MAX_SPINS = 32767;

}  // namespace zandoli
