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
    CaptionKind kind = CaptionKind::ToPlay;
    int colour{};  // the player of ToPlay and Won
    int spins{};   // the count of WonInSpins
    bool operator==(const Caption&) const = default;
};

// The one-player spin counter is a 16-bit count.
inline constexpr int16_t MAX_SPINS = 32767;

}  // namespace zandoli
