#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "engine/Captions.h"
#include "engine/Deck.h"
#include "engine/GameState.h"

namespace zandoli {

// Where a turn stands. The arrows are the events that move it on.
enum class Phase {
    // The shuffle is heard; no button, click or press acts.
    // The deal delay -> AwaitingSpin.
    Dealing,
    // A turn has begun, or a one-player turn has been played out: only Spin
    // acts. Spin -> Spinning (one-player: -> StartingTurn).
    AwaitingSpin,
    // One-player only: Spin was pressed and the new turn is laid out a
    // moment later, when it begins to spin. A card clicked meanwhile is not
    // judged: the result under the pointer belongs to the turn that is over.
    // -> Spinning.
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
    // A wrong card, or a turn that leaves cards of the spin's value in the
    // hand, is explained until the player has read it: Next Player or OK ->
    // AwaitingSpin of the next player (one-player: the same player's turn
    // again, or the spin that was asked for).
    Explaining,
    // The winner's caption flashes until New Game or Exit.
    Won,
};

// The table's four small buttons, See the Results, which shows after a win,
// and OK under the explanation of a mistake.
enum class TableButton { Exit, NewGame, NextPlayer, Rules, Results, ExplanationOk };

// A row of slots that show no card.
inline constexpr std::array<int16_t, SHOWN_SLOTS> NO_FACES = [] {
    std::array<int16_t, SHOWN_SLOTS> none{};
    none.fill(NO_CARD);
    return none;
}();

// A mistake explained: the spin it was made against, the card pressed
// wrongly (NO_CARD when the turn only left cards in the hand), and the slots
// whose cards were of the spin's value and are still in the hand.
struct Explanation {
    int position{};
    int16_t wrongCard = NO_CARD;
    int wrongSlot = -1;
    std::array<bool, SHOWN_SLOTS> missed{};

    bool operator==(const Explanation&) const = default;
};

// What the table shows, as the rules see it. The screen decides how each
// part looks; slots are 0..11.
struct TableState {
    Phase phase = Phase::Dealing;
    int player{};  // whose turn it is: the colours of every control
    Caption caption{};
    bool captionShown{};
    // The win caption's flash is in its dark half.
    bool captionDark{};
    bool titleShown = true;
    // "YOU HAVE MADE AN INCORRECT CHOICE"
    bool messageShown{};
    bool packShown{};
    bool nextPlayerShown{};
    bool spinEnabled = true;
    bool nextPlayerEnabled{};
    // A press on the pack takes a card: the spin stopped on the star on blue.
    bool packTakeable{};
    // The spinner's position while it shows one; empty while it is at rest.
    std::optional<int> pointer;
    // The card each slot shows, NO_CARD for a slot that shows none.
    std::array<int16_t, SHOWN_SLOTS> faces = NO_FACES;
    // The one-player count of spins, once there is one to show.
    std::optional<int> spinCount;
    // The mistake the table explains, while it does.
    std::optional<Explanation> explanation;
    // The value under each position of the spinner the game is played with.
    SpinnerValues spinner = standardDeck().spinner;

    bool operator==(const TableState&) const = default;
};

// The moments a player, a screen reader or the learning record must know of.
enum class Moment {
    Dealt,            // a new game is shuffled and dealt
    TurnBegan,        // `player`'s turn waits for its spin
    SpinStarted,      // the pointer begins to turn
    SpinStopped,      // the pointer came to rest on `position`
    CardDiscarded,    // the card in `slot` matched, or went on a red star
    WrongCard,        // the card in `slot` did not match: the turn is over
    CardDrawn,        // `card` was taken from the pack on the blue star
    CardTurnedUp,     // the drawn card shows in `slot`
    TurnEnded,        // `player` hands over with `hand` left to play
    HandedOver,       // the next player's turn is laid out
    Won,              // `player` has no card left; `spins` at the one-player table
    RulesShown,       // The Rules was accepted
    ResultsShown,     // See the Results was accepted, after a win
    Explained,        // the explanation of a mistake shows; `card` in `slot` was wrong, and
                      // `hand` holds the cards of the spin's value left in the hand
    ExplanationRead,  // the player has read it and goes on
    ExitAccepted,     // Exit was accepted: leave, saving if `save`
};

struct TableEvent {
    Moment moment;
    int player{};
    int slot = -1;
    int16_t card = NO_CARD;
    int position = -1;  // the spin's position, 0..15, for the moments of a spun turn
    int spins{};
    bool save{};
    // TurnEnded: what the turn's hand still holds, slot by slot.
    std::array<int16_t, SHOWN_SLOTS> hand = NO_FACES;
};

// The rules' one way to a table screen. The Qt table shows the state and
// turns the moments into sound, speech and focus; tests print both.
class TableView {
public:
    virtual ~TableView() = default;

    // The whole table after a step of the game.
    virtual void show(const TableState& state) = 0;
    // What happened in that step, in order, after the step's show().
    virtual void happened(const TableEvent& event) = 0;
};

}  // namespace zandoli
