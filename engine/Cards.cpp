#include "engine/Cards.h"

#include <cstddef>

#include "engine/Values.h"

namespace zandoli {

namespace {

// Cards 25..35 in catalogue order: quarters and the half, fifths, then
// tenths. Their numerators, denominators and values are CARD_VALUES' own.
constexpr std::array<double, 11> FRACTION_VALUES = {0.25, 0.5, 0.75, 0.2, 0.4, 0.6,
                                                    0.8,  0.1, 0.3,  0.7, 0.9};

void setTenths(Catalogue& cards, CardKind kind, int first, int last, int base) {
    for (int n = first; n <= last; ++n) {
        cards[n].kind = static_cast<int16_t>(kind);
        cards[n].value = (n - base) * 0.1;
    }
}

void setCard(Catalogue& cards, int n, CardKind kind, double value) {
    cards[n].kind = static_cast<int16_t>(kind);
    cards[n].value = value;
}

Catalogue buildCatalogue() {
    Catalogue cards{};
    setCard(cards, 0, CardKind::Whole, 1);
    setCard(cards, 1, CardKind::Whole, 1);

    setTenths(cards, CardKind::Decimal, 2, 10, 1);
    setCard(cards, 11, CardKind::Decimal, 0.25);
    setCard(cards, 12, CardKind::Decimal, 0.75);

    setTenths(cards, CardKind::Percent, 13, 21, 12);
    setCard(cards, 22, CardKind::Percent, 0.25);
    setCard(cards, 23, CardKind::Percent, 0.75);
    setCard(cards, 24, CardKind::Percent, 1);

    for (std::size_t i = 0; i < FRACTION_VALUES.size(); ++i) {
        const CardValue* value = cardValue(FRACTION_VALUES[i]);
        CardEntry& card = cards[25 + i];
        card.kind = static_cast<int16_t>(CardKind::Fraction);
        card.numerator = value->numerator;
        card.denominator = value->denominator;
        card.value = value->value;
    }

    setTenths(cards, CardKind::Tile, 36, 45, 35);
    setCard(cards, 46, CardKind::Tile, 0.25);
    setCard(cards, 47, CardKind::Tile, 0.75);
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
