#pragma once

#include <array>
#include <cstdint>

// The words of a value are translated by the screens, in the "Cards"
// context; the translation tools read VALUE_WORDS as they read
// QT_TRANSLATE_NOOP.
#define VALUE_WORDS(context, text) text

namespace zandoli {

// One value a card or a shaded shape of the spinner can have.
struct CardValue {
    int16_t numerator;
    int16_t denominator;
    // The value as the rules match it: a literal, so that 3/10 is 0.3.
    double value;
    // How it is said, in English; the key of its translations.
    const char* words;
    // How many of a tile card's 20 squares are shaded.
    constexpr int tileShaded() const { return numerator * 20 / denominator; }
};

// Every value of the game, smallest first. The card catalogue, the spinner,
// the spoken names and the art all read this table.
inline constexpr std::array<CardValue, 12> CARD_VALUES = {{
    {1, 10, 0.1, VALUE_WORDS("Cards", "one tenth")},
    {1, 5, 0.2, VALUE_WORDS("Cards", "one fifth")},
    {1, 4, 0.25, VALUE_WORDS("Cards", "one quarter")},
    {3, 10, 0.3, VALUE_WORDS("Cards", "three tenths")},
    {2, 5, 0.4, VALUE_WORDS("Cards", "two fifths")},
    {1, 2, 0.5, VALUE_WORDS("Cards", "one half")},
    {3, 5, 0.6, VALUE_WORDS("Cards", "three fifths")},
    {7, 10, 0.7, VALUE_WORDS("Cards", "seven tenths")},
    {3, 4, 0.75, VALUE_WORDS("Cards", "three quarters")},
    {4, 5, 0.8, VALUE_WORDS("Cards", "four fifths")},
    {9, 10, 0.9, VALUE_WORDS("Cards", "nine tenths")},
    {1, 1, 1.0, VALUE_WORDS("Cards", "one whole")},
}};

// Each value is its fraction, and they rise: a slip in one entry would show
// a child a fraction of another value.
static_assert([] {
    double below = 0;
    for (const CardValue& v : CARD_VALUES) {
        const double exact = static_cast<double>(v.numerator) / v.denominator;
        if (exact - v.value > 1e-12 || v.value - exact > 1e-12 || v.value <= below) {
            return false;
        }
        below = v.value;
    }
    return true;
}());

// The entry of CARD_VALUES a value matches (within the rules' tolerance),
// or null for none.
const CardValue* cardValue(double value);

}  // namespace zandoli
