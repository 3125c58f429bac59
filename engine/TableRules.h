#pragma once

namespace zandoli {

// What sets one table's rules apart from another's, as plain data the
// referee reads.
struct TableRules {
    // Next Player shows on the table: a player who has finished presses it to
    // hand over, and a red-star discard or a drawn card hands over by itself.
    bool handOverButton;
    // Every Spin press begins a new turn, so Spin is what a player who has
    // finished presses; a red-star discard and a drawn card keep the turn.
    bool turnPerSpin;
    // The spins are counted and shown, and the game is won in so many spins.
    bool countsSpins;
};

inline constexpr TableRules MULTI_PLAYER_RULES{true, false, false};
inline constexpr TableRules ONE_PLAYER_RULES{false, true, true};

}  // namespace zandoli
