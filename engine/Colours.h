#pragma once

#include <array>
#include <cstdint>

namespace zandoli {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
    // The same colour as a toolkit's colour type, e.g. to<QColor>(), so that
    // no module keeps a conversion of its own.
    template <class Colour>
    Colour to() const {
        return Colour(r, g, b);
    }
};

inline constexpr Rgb BLACK{0, 0, 0};
inline constexpr Rgb WHITE{255, 255, 255};

// The cloth of the table: behind the cards, around the spinner's dial and
// behind the rules.
inline constexpr Rgb TABLE_BACKGROUND{37, 60, 136};

// Colour index 0 Blue, 1 Yellow, 2 Magenta, 3 Green: the order of play. The
// players' names belong to the screen, which words them in its language.
struct PlayerLook {
    Rgb playerColour;
    Rgb cardText;  // captions, second lines and fraction bars on that player's cards
};

inline constexpr std::array<PlayerLook, 4> PLAYERS = {{
    {{0, 155, 255}, WHITE},
    {{255, 255, 0}, BLACK},
    {{255, 0, 255}, WHITE},
    {{0, 255, 0}, BLACK},
}};

}  // namespace zandoli
