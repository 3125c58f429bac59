#pragma once

#include <array>
#include <cstdint>

#include "engine/Cards.h"
#include "engine/Colours.h"
#include "engine/GameState.h"
#include "engine/Random.h"
#include "engine/Scheduler.h"
#include "engine/Spinner.h"
#include "engine/TableRules.h"
#include "engine/TableView.h"

namespace zandoli {

// The referee of a table: it owns the table's own variables and the enabled
// state of its timers and buttons, and runs the turn cycle. Its public
// operations are the table's events. It outlives the table's window: the
// screen loads and unloads around it.
//
// Where a turn stands is one Phase, and every event asks the phase whether it
// may act. The multi-player table is this class as it is; the one-player table
// reads other TableRules and overrides how a spin begins.
class Referee {
public:
    // Where the turn stands. The arrows are the events that move it on.
    enum class Phase {
        // The shuffle is heard; no button, click or press acts.
        // The deal delay -> AwaitingSpin.
        Dealing,
        // A turn has begun, or a one-player turn has been played out: only Spin
        // acts. Spin -> Spinning (one-player: -> StartingTurn).
        AwaitingSpin,
        // One-player only: Spin was pressed and the new turn is laid out a
        // moment later, when it begins to spin. A card clicked meanwhile is
        // not judged: the result under the pointer belongs to the turn that
        // is over. -> Spinning.
        StartingTurn,
        // The pointer is moving. Its last step -> Playing.
        Spinning,
        // The spin has stopped: cards are judged and a blue star draws.
        // Next Player -> AwaitingSpin; a wrong card or a red-star discard ->
        // HandingOver; the pack -> Drawing; the last card -> Won; one-player
        // Spin -> StartingTurn.
        Playing,
        // The drawn card turns up after the draw delay. -> HandingOver
        // (one-player: -> AwaitingSpin).
        Drawing,
        // The turn is over; the hand-over delay ends it. -> AwaitingSpin.
        HandingOver,
        // The winner's caption flashes until New Game or Exit.
        Won,
    };

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
    Phase phase() const { return phase_; }
    int16_t gameOver() const { return phase_ == Phase::Won ? 1 : 0; }
    int16_t spinPos() const { return spinPos_; }
    int16_t spinStep() const { return spinStep_; }
    int16_t spinLength() const { return spinLength_; }
    int16_t flash() const { return flash_ ? 1 : 0; }
    const std::array<int16_t, 53>& packOrder() const { return packOrder_; }
    bool dealing() const { return phase_ == Phase::Dealing; }
    bool spinning() const { return phase_ == Phase::Spinning; }
    bool spinEnabled() const { return spinEnabled_; }
    bool nextEnabled() const { return nextEnabled_; }
    // A slot shows a card: it was filled at the start of the turn or by a
    // draw since, and its card has not been discarded.
    bool slotShowing(int slot) const;
    // The spin result under the pointer.
    double result() const { return spinValue_[spinPos_]; }

protected:
    Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random,
            const TableRules& rules);

    // Sets the pointer going for a spin whose length is already chosen. The
    // one-player table first lays out the new turn.
    virtual void startSpinning();
    // A timer the base rules never arm fired.
    virtual void otherTimerFired(TimerId /*id*/) {}

    void dealOrRestoreGame();
    void restoreGame();
    // The reset every new game starts with, at the table's load and at New Game.
    void resetGame();
    // The shuffle sound has been started; the hands show when the delay ends.
    void beginDealDelay();
    // The dealt or restored hand goes on the table and the first player may spin.
    void startPlay();
    // Deals a new game, or shows the hand of a restored one.
    void dealOrShowHand();
    void shuffleAndDeal();
    // Draws the current colour's hand in slots 0..handSize-1.
    void showHand();
    // The drawn card turns up; the turn hands over, or at a table where every
    // spin begins a turn, waits for the next spin.
    void showDrawnCard();
    // The current colour's caption and colours, and a fresh copy of its hand
    // to play this turn from; every slot hidden until the hand is shown.
    void layOutTurn();
    void stepPointer();
    void spinStopped();
    void drawCard();
    void handToNextPlayer();
    void win();
    void flashWinCaption();
    void newGame();

    void discard(int slot);
    // The button a player who has finished presses: Next Player, or Spin at a
    // table where every spin begins a turn.
    void enableTurnEnd(bool enabled);
    void startHandOver();
    // Folds the discards into the hand, clears the turn's flags and moves on
    // to the next colour in play.
    void passTurn();
    void hideSlots();
    void showSpinCount();
    void setSpinEnabled(bool enabled);
    void setNextEnabled(bool enabled);
    void playSound(const char* sound);
    bool resultIs(double marker) const;
    // The current colour's captions and colours.
    const PlayerLook& currentLook() const;

    GameState& state_;
    TableView& view_;
    Scheduler& scheduler_;
    RandomSource& random_;
    const TableRules rules_;

    Phase phase_ = Phase::AwaitingSpin;
    // The win caption shows in black rather than the player's colour. A new
    // game does not reset it: the next win flashes on from where it stopped.
    bool flash_ = false;
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
