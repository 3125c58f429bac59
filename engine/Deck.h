#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "engine/Cards.h"
#include "engine/GameState.h"
#include "engine/Spinner.h"

namespace zandoli {

// The spinner's sixteen positions: a value of CARD_VALUES or a star.
using SpinnerValues = std::array<double, SPIN_POSITIONS>;

// What a game deals from: the 48 cards of its pack, each named by the card of
// the catalogue whose face it shows (a face may come more than once), and
// the value under each position of its spinner. The standard deck is the
// catalogue itself, card 0 to card 47, and the specified spinner.
struct Deck {
    std::array<int16_t, PACK_SIZE> cards{};
    SpinnerValues spinner{};
    // Cards of `cards` the shuffle deals to the first player, in a shuffled
    // order: a practice game's hand of pairs. Empty: the shuffle alone deals.
    std::vector<int16_t> firstHand;

    bool operator==(const Deck&) const = default;
};

const Deck& standardDeck();

// The values of CARD_VALUES, and the forms a card may take.
using ValueSet = std::vector<double>;
using FormSet = std::vector<CardKind>;

// The deck of a lesson that deals only `values` in `forms`, or none when no
// card of the catalogue is of one of those values in one of those forms.
//
// The pack takes every card of the catalogue of a lesson's value and form,
// as the catalogue orders them; when that is fewer than 48 cards it takes
// them again, value by value in turn, so that each value comes about as
// often as the others. Every shaded shape of the spinner shows a value of
// the pack, the pack's values in turn in the order the standard spinner
// first shows them; the stars stay where they are. So every card can be
// matched, and the game can always be won. A lesson of every value and form
// gives the standard deck.
std::optional<Deck> lessonDeck(const ValueSet& values, const FormSet& forms);

// The positions of the spinner that show a shaded shape, in order.
std::vector<int> shapePositions();

}  // namespace zandoli
