#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/GameState.h"
#include "record/Mistakes.h"

namespace zandoli {

// The longest name a player can give, in characters.
inline constexpr int MAX_NAME_LENGTH = 40;

// A game as it begins: dealt, or a saved game taken up again.
struct GameStart {
    int64_t atMs = 0;  // milliseconds since 1970, UTC
    int players = 0;
    bool onePlayer = false;
    bool restored = false;
    // A practice game dealt from the pupil's confusions.
    bool practice = false;
    // A name for each colour in play; an empty one leaves the colour as the name.
    std::array<std::string, PLAYING_COLOURS> names{};
    // The teacher's lesson the game is played under, as its file writes it,
    // and its name; both empty for the standard lesson (every value, every
    // form).
    std::string lesson{};
    std::string lessonName{};
    // With a class code: the game's number among the code's games, from 1.
    int classGame = 0;
};

// What a row of the record says happened in a turn.
enum class Happening {
    Spin,      // the pointer stopped
    Match,     // a card of the spin's value was discarded
    Wrong,     // a card of another value was pressed
    Miss,      // a card of the spin's value was still in the hand at the turn's end
    RedStar,   // a card discarded on the star on red
    BlueStar,  // a card taken from the pack on the star on blue
};

// How the record names what happened, in Happening's order: stable across
// versions and languages.
inline constexpr std::array<const char*, 6> HAPPENING_KEYS = {"spin", "match",    "wrong",
                                                              "miss", "red star", "blue star"};
inline const char* happeningKey(Happening what) {
    return HAPPENING_KEYS[static_cast<size_t>(what)];
}

// One row of the record, in the game last started.
struct RecordEntry {
    int64_t atMs = 0;
    Happening what = Happening::Spin;
    int colour = 0;
    int turn = 0;       // the game's spun turns counted from 1
    int position = -1;  // where the spinner stopped, 0..15
    int16_t card = NO_CARD;
    std::optional<MistakeRule> mistake = std::nullopt;
    // What the game's spinner shows at `position` (a value or a star); none
    // reads the standard spinner's. A lesson's or a practice deck's spinner
    // shows other values at the same positions.
    std::optional<double> spun = std::nullopt;
    // A wrong card or a miss that was explained: how long the explanation
    // stayed before the player went on.
    std::optional<int64_t> explainedMs = std::nullopt;
    // A spin: the cards the player held when it stopped.
    std::vector<int16_t> hand = {};
};

// A game won, or left on Exit to be saved. A game the record sees no end
// of (a new deal, a closed window) keeps no end.
struct GameEnd {
    int64_t atMs = 0;
    bool won = false;
    int winner = -1;
    int spins = 0;  // the one-player count of a win
};

// Where the recorder's rows go: the store, or a test's list.
class RecordSink {
public:
    virtual ~RecordSink() = default;
    virtual void gameStarted(const GameStart& start) = 0;
    virtual void recorded(const RecordEntry& entry) = 0;
    virtual void gameEnded(const GameEnd& end) = 0;
    // The wrong card recorded last was explained, and the explanation stayed
    // `stayedMs` before the player went on. A sink that keeps no such times
    // need not hear of it.
    virtual void wrongExplained(int64_t /*stayedMs*/) {}
};

}  // namespace zandoli
