#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "engine/Cards.h"
#include "engine/Deck.h"
#include "engine/GameState.h"
#include "engine/Lesson.h"
#include "engine/Pack.h"
#include "engine/Random.h"
#include "engine/Scheduler.h"
#include "engine/Spinner.h"
#include "engine/TableView.h"

namespace zandoli {

// What sets one table's rules apart from another's, as plain data.
struct TableRules {
    // Next Player shows on the table: a player who has finished presses it to
    // hand over, and a red-star discard or a drawn card hands over by itself.
    bool handOverButton;
    // Every Spin press begins a new turn, laid out a moment after the press,
    // so Spin is what a player who has finished presses; a red-star discard
    // and a drawn card keep the turn.
    bool turnPerSpin;
    // The spins are counted and shown, and the game is won in so many spins.
    bool countsSpins;
};

inline constexpr TableRules MULTI_PLAYER_RULES{true, false, false};
inline constexpr TableRules ONE_PLAYER_RULES{false, true, true};

// How a table's game begins when its window has been built: a new deal, or
// the game already read into the state from the save.
enum class TableStart { Deal, Restore };

// What a game is played with, chosen before its table opens.
struct GameSettings {
    // A wrong card, and a turn that leaves cards of the spin's value in the
    // hand, pause for an explanation until the player has read it; without,
    // the turn passes as it always has.
    bool explainMistakes = false;
    // The pack and the spinner: a lesson's, or the standard ones.
    Deck deck = standardDeck();
    // The lesson the deck was made from, for the record and the table's
    // notice; the referee plays the deck alone.
    Lesson lesson = everyValueLesson();
    // The pupil a one-player game was started for, by name, and whether its
    // deck was dealt from the pupil's confusions (a pupil with none within
    // the lesson plays the lesson's own deck): for the record and the
    // table's notice.
    std::string pupil = {};
    bool practice = false;
};

// The referee of a table: it owns the table's own variables and runs the turn
// cycle. Its public operations are the table's events, said as what was
// pressed. After each it shows the table through its view and tells what
// happened. It outlives the table's window: the screen loads and unloads
// around it.
//
// Where a turn stands is one Phase, entered only through enter(); which
// buttons can be pressed follows from it.
class Referee {
public:
    Referee(GameState& state, TableView& view, Scheduler& scheduler, RandomSource& random,
            const TableRules& rules = MULTI_PLAYER_RULES);
    Referee(const Referee&) = delete;
    Referee& operator=(const Referee&) = delete;

    // The table's window has been built: deal a new game, or take up the
    // one read into the state.
    void load(TableStart start, const GameSettings& settings = {});

    void spinPressed();
    void buttonPressed(TableButton button);
    // New Game, dealt with `settings` from now on (a pupil's deck dealt
    // again from the record); ignored, as New Game is, during a deal.
    void newGamePressed(const GameSettings& settings);
    // A press on the card in a slot, on any part of it or its frame.
    void cardClicked(int slot);
    // A press on the pack card.
    void packClicked();

    // Timer handlers; the scheduler's callback lands here.
    void timerFired(TimerId id);

    Phase phase() const { return phase_; }
    bool gameOver() const { return phase_ == Phase::Won; }
    int16_t spinPos() const { return spinPos_; }
    // The steps of the spin under way, or of the last one.
    int spinLength() const { return spinLength_; }
    // The spin result under the pointer.
    double result() const { return settings_.deck.spinner[static_cast<size_t>(spinPos_)]; }
    // A slot shows a card: it was filled at the start of the turn or by a
    // draw since, and its card has not been discarded.
    bool slotShowing(int slot) const;
    // What the table shows now.
    TableState tableState() const;

private:
    // Every public operation is one step: the table is shown and its events
    // told once, when the outermost step ends.
    class Step;

    // The one place the phase changes.
    void enter(Phase phase);
    void tell(TableEvent event);
    void publish();
    bool spinLit() const;
    bool nextLit() const;

    void restoreGame();
    // The reset every new game starts with, at the table's load and at New Game.
    void resetGame();
    void beginDeal();
    // The hand goes on the table and its player may spin.
    void startPlay();
    void shuffleAndDeal();
    // The current colour's turn: its caption, and a fresh copy of its hand
    // to play this turn from, slots 0..handSize-1 showing.
    void layOutTurn();
    // The Spin press carried out: counted, and the pointer set going (one-player:
    // the new turn laid out first).
    void spin();
    void startSpinning();
    // One-player: the turn the Spin press began is laid out, and it spins.
    void beginTurnOfSpin();
    void stepPointer();
    void drawCard();
    void showDrawnCard();
    void handToNextPlayer();
    void win();
    void newGame();
    void discard(int slot);
    void startHandOver();
    // Folds the discards into the hand, clears the turn's flags and moves on
    // to the next colour in play, after telling what the turn left.
    void passTurn();
    bool resultIs(double marker) const;
    // Only the current player's own stopped spin on the blue star draws.
    bool packTakeable() const;
    // The slots still showing a card of the spin's value.
    std::array<bool, SHOWN_SLOTS> slotsOfResult() const;
    bool missesCards() const;
    // Pauses the turn on the explanation of a wrong card in `slot` (none:
    // the cards left in the hand).
    void explain(int slot);
    // The player has read the explanation: the turn goes on as it would have.
    void explanationRead();

    GameState& state_;
    TableView& view_;
    Scheduler& scheduler_;
    RandomSource& random_;
    const TableRules rules_;
    GameSettings settings_;

    Phase phase_ = Phase::Dealing;
    // Spin keeps through a deal the look it had when the deal began; a
    // freshly built table starts with it lit.
    bool spinLitThroughDeal_ = true;
    // The win caption's flash: a new game does not reset it, so the next win
    // flashes on from where it stopped.
    bool flash_{};
    // The caption shows the flash's dark half; a turn laid out shows it in
    // the player's colour again.
    bool captionDark_{};
    Caption caption_{};
    bool dialAtRest_ = true;
    // The player whose turn the table was last laid out for: its colours show.
    int laidOutFor_{};
    std::optional<int> spinCount_;
    std::optional<Explanation> explanation_;
    // One-player: the Spin press that the explanation of the cards left in
    // the hand held back, carried out once it has been read.
    bool spinAfterExplanation_{};
    int16_t spinPos_{};
    int16_t spinStep_{};
    int16_t spinLength_{};
    PackOrder packOrder_{};
    // Slots 0..liveSlots_-1 were filled at the start of the turn or by a draw since.
    int liveSlots_{};
    int depth_{};
    std::vector<TableEvent> events_;
};

}  // namespace zandoli
