#include "engine/Cards.h"

#include <cstddef>

#include "engine/Values.h"

namespace zandoli {

namespace {

// The fraction cards in catalogue order: quarters and the half, fifths, then
// tenths. Their numerators, denominators and values are CARD_VALUES' own.
constexpr auto FRACTION_VALUES =
    std::to_array<double>({0.25, 0.5, 0.75, 0.2, 0.4, 0.6, 0.8, 0.1, 0.3, 0.7, 0.9});

// The pack in card order, each kind's cards one after the other: the tenths
// a kind has are t * 0.1, its quarters and wholes literals.
Catalogue buildCatalogue() {
    Catalogue cards{};
    std::size_t next = 0;
    const auto add = [&](CardKind kind, double value) {
        cards[next].kind = static_cast<int16_t>(kind);
        cards[next++].value = value;
    };
    const auto addTenths = [&](CardKind kind, int count) {
        for (int t = 1; t <= count; ++t) {
            add(kind, t * 0.1);
        }
    };
    add(CardKind::Whole, 1);
    add(CardKind::Whole, 1);
    addTenths(CardKind::Decimal, 9);
    add(CardKind::Decimal, 0.25);
    add(CardKind::Decimal, 0.75);
    addTenths(CardKind::Percent, 9);
    add(CardKind::Percent, 0.25);
    add(CardKind::Percent, 0.75);
    add(CardKind::Percent, 1);
    for (double value : FRACTION_VALUES) {
        const CardValue* fraction = cardValue(value);
        cards[next].numerator = fraction->numerator;
        cards[next].denominator = fraction->denominator;
        add(CardKind::Fraction, fraction->value);
    }
    addTenths(CardKind::Tile, 10);
    add(CardKind::Tile, 0.25);
    add(CardKind::Tile, 0.75);
    return cards;
}

}  // namespace

const Catalogue& cardCatalogue() {
    static const Catalogue cards = buildCatalogue();
    return cards;
}

bool valuesMatch(double cardValue, double target) {
    return cardValue > target - MATCH_TOLERANCE && cardValue < target + MATCH_TOLERANCE;
}

bool isCard(int16_t card) {
    return card >= 0 && card < PACK_SIZE;
}

bool cardMatches(int16_t card, double target) {
    return isCard(card) && valuesMatch(cardCatalogue()[card].value, target);
}

CardKind kindOf(int16_t card) {
    return static_cast<CardKind>(cardCatalogue()[card].kind);
}

int tileShaded(int16_t card) {
    if (!isCard(card) || kindOf(card) != CardKind::Tile) {
        return 0;
    }
    const CardValue* value = cardValue(cardCatalogue()[card].value);
    return value == nullptr ? 0 : value->tileShaded();
}

const CardValue* cardValue(double value) {
    for (const CardValue& entry : CARD_VALUES) {
        if (valuesMatch(entry.value, value)) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace zandoli
