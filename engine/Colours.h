#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace zandoli {

struct Rgb {
    uint8_t r = 0;
    uint8_t g = 0;
    uint8_t b = 0;
    bool operator==(const Rgb&) const = default;
};

inline constexpr Rgb BLACK{0, 0, 0};
inline constexpr Rgb WHITE{255, 255, 255};

// Colour index 0 Blue, 1 Yellow, 2 Magenta, 3 Green: the order of play.
struct PlayerLook {
    std::string_view name;
    std::string_view turnCaption;
    std::string_view winCaption;
    Rgb playerColour;
    Rgb cardText;  // captions, second lines and fraction bars on that player's cards
};

inline constexpr std::array<PlayerLook, 4> PLAYERS = {{
    {"Blue", "Blue to Play", "BLUE HAS WON!!!", {0, 155, 255}, WHITE},
    {"Yellow", "Yellow to Play", "YELLOW HAS WON!!!", {255, 255, 0}, BLACK},
    {"Magenta", "Magenta to Play", "MAGENTA HAS WON!!!", {255, 0, 255}, WHITE},
    {"Green", "Green to Play", "GREEN HAS WON!!!", {0, 255, 0}, BLACK},
}};

}  // namespace zandoli
