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
// rules (no Next Player; the next spin is the next turn). How the player
// acts on the table is left to a subclass: straight on the referee's events,
// or by clicking a screen's controls.
class CarefulPlayer {
public:
    CarefulPlayer(const Referee& referee, const GameState& state, VirtualScheduler& scheduler)
        : referee_(referee), state_(state), scheduler_(scheduler) {}
    virtual ~CarefulPlayer() = default;
    CarefulPlayer(const CarefulPlayer&) = delete;
    CarefulPlayer& operator=(const CarefulPlayer&) = delete;

    // One turn from the moment the Spin button can be pressed to the moment
    // it can be pressed again (or the game is won).
    void playTurn();
    // Turns until a win; returns the number of turns, or -1 if there was no
    // winner within maxTurns.
    int playToWin(int maxTurns);

    // Called when a spin stops and after every click, for a test that looks
    // at the table in the middle of a turn.
    std::function<void()> afterClick;

protected:
    virtual void pressSpin() = 0;
    virtual void clickCard(int slot) = 0;
    virtual void clickPack() = 0;
    virtual void pressNextPlayer() = 0;

private:
    void reportClick() {
        if (afterClick) {
            afterClick();
        }
    }
    void waitForSpin();

    const Referee& referee_;
    const GameState& state_;
    VirtualScheduler& scheduler_;
};

// A careful player who acts straight on the referee's events: presses on the
// middle of a card's frame and of the pack, in the table's twips.
class ScriptedPlayer : public CarefulPlayer {
public:
    ScriptedPlayer(Referee& referee, GameState& state, VirtualScheduler& scheduler)
        : CarefulPlayer(referee, state, scheduler),
          referee_(referee),
          state_(state),
          scheduler_(scheduler) {}

    // Loads the table for a new game and waits out the deal.
    void startNewGame();

    static void pressSlot(Referee& referee, int slot);
    static void pressPack(Referee& referee);

protected:
    void pressSpin() override { referee_.spinPressed(); }
    void clickCard(int slot) override { pressSlot(referee_, slot); }
    void clickPack() override { pressPack(referee_); }
    void pressNextPlayer() override { referee_.buttonPressed(TableButton::NextPlayer); }

private:
    Referee& referee_;
    GameState& state_;
    VirtualScheduler& scheduler_;
};

}  // namespace zandoli::testing
