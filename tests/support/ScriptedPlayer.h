#pragma once

#include <functional>

#include "engine/GameState.h"
#include "engine/Referee.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// Plays a table through its events the way a careful player does: spin,
// click every matching card (or one card on a red star, the pack on a blue
// star), then hand over; waits out every delay in virtual time. With one
// player it plays the one-player rules (no Next Player; the next spin is the
// next turn).
class ScriptedPlayer {
public:
    ScriptedPlayer(Referee& referee, GameState& state, VirtualScheduler& scheduler)
        : referee_(referee), state_(state), scheduler_(scheduler) {}

    // Loads the table for a new game and waits out the deal.
    void startNewGame();
    // One turn from the moment the Spin button can be pressed to the moment
    // it can be pressed again (or the game is won).
    void playTurn();
    // Turns until a win; returns the number of turns, or -1 if there was no
    // winner within maxTurns.
    int playToWin(int maxTurns);

    // The middle of a slot, and of the pack card, in the table's twips.
    static void pressSlot(Referee& referee, int slot);
    static void pressPack(Referee& referee);

    // Called when a spin stops and after every click, for a test that looks
    // at the table in the middle of a turn.
    std::function<void()> afterClick;

private:
    void reportClick() {
        if (afterClick) {
            afterClick();
        }
    }
    void waitForSpin();

    Referee& referee_;
    GameState& state_;
    VirtualScheduler& scheduler_;
};

}  // namespace zandoli::testing
