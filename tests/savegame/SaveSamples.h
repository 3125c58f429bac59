#pragma once

#include <cstdint>
#include <random>
#include <string>
#include <string_view>
#include <vector>

#include "GameState.h"

namespace zandoli::savegame::testing {

// Magenta to move in a three-player game with sound on: Blue has folded two
// discards (so its turnhand row is stale), Magenta has discarded one card
// this turn, Green sits out but keeps its dealt hand.
GameState magentamidturn();

// Every field, including the ones the file does not hold, set to a value no
// save contains, so a test sees exactly which fields a read touched.
GameState sentinelstate();
inline constexpr int16_t SENTINEL = -7;

// The fields the file holds, in the order the line table of the saved game
// gives them, written out longhand so the library's own order is not reused.
std::vector<int> savedvalues(const GameState& state);
// The reverse: a state holding the 110 values, the unsaved fields as the
// sentinel leaves them.
GameState fromvalues(const std::vector<int>& values);

// Which line (1-based) holds hand(p, s) and turnhand(p, s).
constexpr int handline(int p, int s) {
    return 8 + 2 * (12 * p + s);
}
constexpr int turnhandline(int p, int s) {
    return handline(p, s) + 1;
}

// The text of the lines, without their endings; a last line without an
// ending counts.
std::vector<std::string> splitlines(std::string_view text);
std::string joinlines(const std::vector<std::string>& lines, std::string_view ending = "\r\n");

// The verdict of the test suite itself on whether a restored state could be
// shown and played, written apart from the library's own check.
bool playable(const GameState& state, std::string* why = nullptr);

// Plays random games by the rules (deal, discards, red and blue stars, draws
// from the pack, hand-overs with their folding, New Game, the one-player spin
// count) and returns the state at random moments when Exit would save it.
std::vector<GameState> playedsaves(std::mt19937& random, int count);

}  // namespace zandoli::savegame::testing
