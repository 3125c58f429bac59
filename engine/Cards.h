#pragma once

#include <array>
#include <cstdint>

#include "engine/GameState.h"

namespace zandoli {

enum class CardKind : int16_t { Whole = 0, Decimal = 1, Percent = 2, Fraction = 3, Tile = 4 };

// One entry of the card catalogue. Entries past the pack stay unset: their
// kind is outside 0..4, so nothing is ever drawn for them.
struct CardEntry {
    int16_t kind = -1;
    double value{};
    int16_t numerator{};    // Fraction cards only
    int16_t denominator{};  // Fraction cards only
};

inline constexpr int CATALOGUE_SIZE = 53;
using Catalogue = std::array<CardEntry, CATALOGUE_SIZE>;

// The catalogue of every card's kind and value. The tenths are computed as
// t * 0.1 in double precision, so card 4 is 3 * 0.1 and not the
// literal 0.3 (which is why values are matched with a tolerance); quarters
// and fractions are literals.
const Catalogue& cardCatalogue();

// Values are compared strictly within 0.001, never for equality.
inline constexpr double MATCH_TOLERANCE = 0.001;
bool valuesMatch(double cardValue, double target);
// False for anything but a card of the pack (NO_CARD never matches).
bool cardMatches(int16_t card, double target);

bool isCard(int16_t card);
CardKind kindOf(int16_t card);

// How many of a tile card's 20 squares are shaded; 0 for any other card.
int tileShaded(int16_t card);

}  // namespace zandoli
