#include "Cards.h"

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

void settenths(Catalogue& cards, CardKind kind, int first, int last, int base) {
    for (int n = first; n <= last; ++n) {
        cards[n].cardkind = static_cast<int16_t>(kind);
        cards[n].cardvalue = (n - base) * 0.1;
    }
}

void setcard(Catalogue& cards, int n, CardKind kind, double value) {
    cards[n].cardkind = static_cast<int16_t>(kind);
    cards[n].cardvalue = value;
}

}  // namespace

Catalogue buildcatalogue() {
    Catalogue cards{};
    setcard(cards, 0, CardKind::Whole, 1);
    setcard(cards, 1, CardKind::Whole, 1);

    settenths(cards, CardKind::Decimal, 2, 10, 1);
    setcard(cards, 11, CardKind::Decimal, 0.25);
    setcard(cards, 12, CardKind::Decimal, 0.75);

    settenths(cards, CardKind::Percent, 13, 21, 12);
    setcard(cards, 22, CardKind::Percent, 0.25);
    setcard(cards, 23, CardKind::Percent, 0.75);
    setcard(cards, 24, CardKind::Percent, 1);

    for (size_t i = 0; i < FRACTIONS.size(); ++i) {
        CardEntry& card = cards[25 + i];
        card.cardkind = static_cast<int16_t>(CardKind::Fraction);
        card.cardnum = FRACTIONS[i].num;
        card.cardden = FRACTIONS[i].den;
        card.cardvalue = FRACTIONS[i].value;
    }

    settenths(cards, CardKind::Tile, 36, 45, 35);
    setcard(cards, 46, CardKind::Tile, 0.25);
    setcard(cards, 47, CardKind::Tile, 0.75);
    return cards;
}

const Catalogue& cardcatalogue() {
    static const Catalogue cards = buildcatalogue();
    return cards;
}

bool valuesmatch(double cardvalue, double target) {
    return cardvalue > target - MATCH_TOLERANCE && cardvalue < target + MATCH_TOLERANCE;
}

bool iscard(int16_t card) {
    return card >= 0 && card < PACK_SIZE;
}

bool cardmatches(int16_t card, double target) {
    return iscard(card) && valuesmatch(cardcatalogue()[card].cardvalue, target);
}

CardKind kindof(int16_t card) {
    return static_cast<CardKind>(cardcatalogue()[card].cardkind);
}

std::string decimaltext(double value) {
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

std::string percenttext(double value) {
    return std::to_string(static_cast<long>(std::lround(value * 100))) + "%";
}

int tileshaded(int16_t card) {
    if (card < 36 || card > 47) {
        return 0;
    }
    return static_cast<int>(std::lround(cardcatalogue()[card].cardvalue * 20));
}

std::string tilepicture(int16_t card) {
    if (card < 36 || card > 47) {
        return {};
    }
    return "images\\wsq" + std::to_string(tileshaded(card)) + ".jpg";
}

}  // namespace zandoli
