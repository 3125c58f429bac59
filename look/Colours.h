#pragma once

#include <array>
#include <cstdint>

#include "engine/GameState.h"

// The game's colours, one place for the screens and the art alike.
namespace zandoli::look {

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

// The words of a player are translated by the screens in the "Table"
// context; the translation tools read PLAYER_WORDS as QT_TRANSLATE_NOOP.
#define PLAYER_WORDS(context, text) text

// One player of the table, in the order of play.
struct Player {
    Rgb colour;
    Rgb cardText;  // captions, second lines and fraction bars on that player's cards
    // Whole sentences rather than a name put into a pattern: other
    // languages agree the verb or article with the colour.
    const char* toPlay;
    const char* hasWon;
    // The colour as the results name a player who gave no name.
    const char* name;
};

inline constexpr std::array<Player, PLAYING_COLOURS> PLAYERS = {{
    {{0, 155, 255},
     WHITE,
     PLAYER_WORDS("Table", "Blue to Play"),
     PLAYER_WORDS("Table", "BLUE HAS WON!!!"),
     PLAYER_WORDS("Table", "Blue")},
    {{255, 255, 0},
     BLACK,
     PLAYER_WORDS("Table", "Yellow to Play"),
     PLAYER_WORDS("Table", "YELLOW HAS WON!!!"),
     PLAYER_WORDS("Table", "Yellow")},
    {{255, 0, 255},
     WHITE,
     PLAYER_WORDS("Table", "Magenta to Play"),
     PLAYER_WORDS("Table", "MAGENTA HAS WON!!!"),
     PLAYER_WORDS("Table", "Magenta")},
    {{0, 255, 0},
     BLACK,
     PLAYER_WORDS("Table", "Green to Play"),
     PLAYER_WORDS("Table", "GREEN HAS WON!!!"),
     PLAYER_WORDS("Table", "Green")},
}};

// The player of a colour index, kept inside the four.
const Player& player(int colour);

}  // namespace zandoli::look
