#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Cards.h"
#include "engine/GameState.h"
#include "record/Mistakes.h"

namespace zandoli {

// The number of card forms, in CardKind's order: whole, decimal, percent,
// fraction, tile.
inline constexpr int CARD_FORMS = static_cast<int>(FORM_KEYS.size());

// A player's judged cards of one form.
struct FormCounts {
    int matched = 0;
    int wrong = 0;
    int missed = 0;
    bool operator==(const FormCounts&) const = default;
};

// One kind of mistake a player made, with its first example: where the
// spinner stopped and the card pressed (or passed by).
struct MistakeExample {
    MistakeRule rule = MistakeRule::Other;
    int times = 0;
    int position = -1;
    // The value the spinner showed there: the spinner of a lesson shows
    // other values at its positions than the standard one.
    double spinValue = 0;
    int16_t card = NO_CARD;
};

struct PlayerResults {
    int colour = 0;
    std::string name;  // empty: the colour is the name
    int spins = 0;
    std::array<FormCounts, CARD_FORMS> forms{};
    // Wrong cards by the rule that names them, and cards passed by, by the
    // value and form of the card: the most frequent first.
    std::vector<MistakeExample> mistakes;
};

// What one recorded game says about each player in it.
struct GameResults {
    int64_t id = 0;
    int64_t startedMs = 0;  // milliseconds since 1970, UTC
    int64_t lengthMs = 0;   // to its end, or to the last choice recorded
    bool onePlayer = false;
    bool won = false;
    int winner = -1;
    int spins = 0;  // every spin of the game
    // The teacher's lesson it was played under; empty for the standard one.
    std::string lesson;
    std::vector<PlayerResults> players;
};

}  // namespace zandoli
