#pragma once

#include <array>
#include <cstdint>

#include "engine/Cards.h"
#include "engine/Colours.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/Scheduler.h"
#include "engine/Spinner.h"
#include "engine/TableView.h"

namespace zandoli {

// The referee of the multi-player table: it owns the table's own variables
// and the enabled state of its timers and buttons, and runs the turn cycle.
// Its public operations are the table's events. It outlives the table's
// window: the screen loads and unloads around it.
// The protected virtual steps are the ones the one-player variant overrides.
class Referee {
public:
    Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random);
    virtual ~Referee() = default;
    Referee(const Referee&) = delete;
    Referee& operator=(const Referee&) = delete;

    // The table's window has been built: fill the spinner table and start a
    // new game, or rebuild a restored one when state.restoring == 1.
    void load();

    void spinPressed();
    void buttonPressed(TableButton button);
    // A click on a card in a slot: on its caption, second line or picture.
    void cardClicked(int slot);
    // A press on the table itself, in the table's twips: on a card's frame or the pack.
    void tablePressed(double x, double y);

    // Timer handlers; the scheduler's callback lands here.
    void timerFired(TimerId id);

    // Read-only views of the table's own state, for the screen and for tests.
    int16_t gameOver() const { return gameOver_; }
    int16_t spinPos() const { return spinPos_; }
    int16_t spinStep() const { return spinStep_; }
    int16_t spinLength() const { return spinLength_; }
    int16_t flash() const { return flash_; }
    const std::array<int16_t, 53>& packOrder() const { return packOrder_; }
    bool dealing() const;   // the deal delay is running
    bool spinning() const;  // the spin timer is running
    bool spinEnabled() const { return spinEnabled_; }
    bool nextEnabled() const { return nextEnabled_; }
    // A slot shows a card: it was filled at the start of the turn or by a
    // draw since, and its card has not been discarded.
    bool slotShowing(int slot) const;
    // The spin result under the pointer.
    double result() const { return spinValue_[spinPos_]; }

protected:
    // The table's operations, named as the table names them.
    void startGame();
    void restoreGame();
    void endDealDelay();
    // The reset every new game starts with, at the table's load and at New Game.
    void resetGame();
    // The dealt or restored hand goes on the table and the first player may spin.
    void startPlay();
    void setCards();
    void dealCards();
    void showCards();
    void showDrawnCard();
    void nextColour();
    void spin();
    void spinStepped();
    void drawCard();
    void nextPlayer();
    void endGame();
    void flashStep();
    void newGame();

    // Steps shared by the operations.
    void discard(int slot);
    // Folds the discards into the hand, clears the turn's flags and moves on
    // to the next colour in play.
    void passTurn();
    void hideSlots();
    void setSpinEnabled(bool enabled);
    void setNextEnabled(bool enabled);
    void play(const char* sound);
    bool resultIs(double marker) const;
    // The current colour's captions and colours.
    const PlayerLook& player() const;

    // The steps in which the one-player table differs. Each default is the
    // multi-player table's step.
    virtual void countSpin() {}
    virtual void launchSpin();
    virtual void startTurn();
    virtual void enableAfterSpin();
    virtual void lockAfterWrongCard();
    virtual void afterRedStarDiscard();
    virtual void buttonsAtHandOver();
    virtual void afterDrawShown();
    virtual void announceWin();
    virtual void resetSpins() {}
    virtual void clearSpinCount() {}
    virtual void showSpinCount() {}
    virtual void showNextPlayerDisabled();
    virtual void hideNextPlayer();

    GameState& state_;
    TableView& view_;
    Scheduler& scheduler_;
    RandomSource& random_;

    int16_t gameOver_ = 0;
    int16_t flash_ = 0;
    int16_t spinPos_ = 0;
    int16_t spinStep_ = 0;
    int16_t spinLength_ = 0;
    std::array<int16_t, 53> packOrder_{};
    std::array<double, 17> spinValue_{};
    bool spinEnabled_ = false;
    bool nextEnabled_ = false;
    // Slots 0..liveSlots_-1 were filled at the start of the turn or by a draw since.
    int liveSlots_ = 0;
};

}  // namespace zandoli
