#include "engine/Cards.h"

#include <charconv>
#include <cmath>

namespace zandoli {

namespace {

struct FractionCard {
    int16_t num;
    int16_t den;
    double value;
};

// Cards 25..35 in catalogue order; the values are literals on purpose.
constexpr std::array<FractionCard, 11> FRACTIONS = {{{1, 4, 0.25},
                                                     {1, 2, 0.5},
                                                     {3, 4, 0.75},
                                                     {1, 5, 0.2},
                                                     {2, 5, 0.4},
                                                     {3, 5, 0.6},
                                                     {4, 5, 0.8},
                                                     {1, 10, 0.1},
                                                     {3, 10, 0.3},
                                                     {7, 10, 0.7},
                                                     {9, 10, 0.9}}};

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

}  // namespace

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

    for (size_t i = 0; i < FRACTIONS.size(); ++i) {
        CardEntry& card = cards[25 + i];
        card.kind = static_cast<int16_t>(CardKind::Fraction);
        card.numerator = FRACTIONS[i].num;
        card.denominator = FRACTIONS[i].den;
        card.value = FRACTIONS[i].value;
    }

    setTenths(cards, CardKind::Tile, 36, 45, 35);
    setCard(cards, 46, CardKind::Tile, 0.25);
    setCard(cards, 47, CardKind::Tile, 0.75);
    return cards;
}

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

std::string decimalText(double value) {
    // "0.##": at most two decimals, no trailing zeros, at least one digit before the point.
    // to_chars ignores the C locale, which a GUI toolkit may have switched to the user's.
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, 2).ptr;
    std::string s(text, end);
    while (s.back() == '0') {
        s.pop_back();
    }
    if (s.back() == '.') {
        s.pop_back();
    }
    return s;
}

std::string percentText(double value) {
    return std::to_string(static_cast<long>(std::lround(value * 100))) + "%";
}

int tileShaded(int16_t card) {
    if (card < 36 || card > 47) {
        return 0;
    }
    return static_cast<int>(std::lround(cardCatalogue()[card].value * 20));
}

std::string tilePicture(int16_t card) {
    if (card < 36 || card > 47) {
        return {};
    }
    return "images\\wsq" + std::to_string(tileShaded(card)) + ".jpg";
}

}  // namespace zandoli
