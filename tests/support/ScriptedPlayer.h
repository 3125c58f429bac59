#pragma once

#include <functional>
#include <memory>

#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/Referee.h"
#include "engine/Scheduler.h"
#include "engine/TableView.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {

// The referee a table of this many players plays by.
std::unique_ptr<Referee> refereeFor(int players, GameState& state, TableView& view,
                                    Scheduler& scheduler, RandomSource& random);

// What a careful player does in a turn: spin, click every matching card (or
// one card on a red star, the pack on a blue star), then hand over, waiting
// out every delay in virtual time. With one player it plays the one-player
// rules (no Next Player; the next spin is the next turn).
class ScriptedPlayer {
public:
    ScriptedPlayer(Referee& referee, const GameState& state, VirtualScheduler& scheduler)
        : referee_(referee), state_(state), scheduler_(scheduler) {}

    // Loads the table for a new game and waits out the deal.
    void startNewGame();
    // One turn from the moment the Spin button can be pressed to the moment
    // it can be pressed again (or the game is won).
    void playTurn();

    // Called when a spin stops and after every click, for a test that looks
    // at the table in the middle of a turn.
    std::function<void()> afterClick;

private:
    void clickSlot(int slot);

    Referee& referee_;
    const GameState& state_;
    VirtualScheduler& scheduler_;
};

}  // namespace zandoli::testing
