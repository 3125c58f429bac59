#pragma once

#include <cstdint>

namespace zandoli {

// What the turn caption says. The rules choose the caption, its player and
// its count; the screen words it in the player's language.
enum class CaptionKind {
    ToPlay,      // "Blue to Play"
    TurnOver,    // "TURN OVER", after a wrong card
    Won,         // "BLUE HAS WON!!!"
    WonInSpins,  // the one-player win: "GAME WON IN 12 SPINS!"
};

struct Caption {
    CaptionKind kind;
    int colour;     // the player of ToPlay and Won
    int spins = 0;  // the count of WonInSpins
    bool operator==(const Caption&) const = default;
};

// The turn caption's size in points; only the one-player win caption shrinks it
// so that the spin count fits.
inline constexpr int CAPTION_POINTS = 36;
inline constexpr int WIN_COUNT_CAPTION_POINTS = 32;

// The one-player spin counter is a 16-bit count.
inline constexpr int16_t MAX_SPINS = 32767;

}  // namespace zandoli
