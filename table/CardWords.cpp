#include "table/CardWords.h"

#include <array>

#include "engine/Cards.h"
#include "engine/Spinner.h"

namespace zandoli {

namespace {

struct Named {
    double value;
    const char* words;
};

// Every value a card or a shaded shape can have.
constexpr std::array<Named, 12> VALUE_WORDS = {{{0.1, "one tenth"},
                                                {0.2, "one fifth"},
                                                {0.25, "one quarter"},
                                                {0.3, "three tenths"},
                                                {0.4, "two fifths"},
                                                {0.5, "one half"},
                                                {0.6, "three fifths"},
                                                {0.7, "seven tenths"},
                                                {0.75, "three quarters"},
                                                {0.8, "four fifths"},
                                                {0.9, "nine tenths"},
                                                {1.0, "one whole"}}};

std::string withoutPercentSign(std::string text) {
    if (!text.empty() && text.back() == '%') {
        text.pop_back();
    }
    return text;
}

}  // namespace

std::string valueWords(double value) {
    for (const Named& named : VALUE_WORDS) {
        // The same tolerance the rules match with: card 4 is 3 * 0.1, not 0.3.
        if (valuesMatch(named.value, value)) {
            return named.words;
        }
    }
    return {};
}

std::string cardWords(int16_t card) {
    if (!isCard(card)) {
        return {};
    }
    const CardEntry& entry = cardCatalogue()[static_cast<size_t>(card)];
    const std::string words = valueWords(entry.value);
    switch (kindOf(card)) {
        case CardKind::Whole:
            return "1, " + words;
        case CardKind::Decimal:
            return words + ", as a decimal: " + decimalText(entry.value);
        case CardKind::Percent:
            return words + ", as a percentage: " + withoutPercentSign(percentText(entry.value)) +
                   " percent";
        case CardKind::Fraction:
            return words + ", as a fraction: " + std::to_string(entry.numerator) + " over " +
                   std::to_string(entry.denominator);
        case CardKind::Tile:
            return words + ", as a tile with " + std::to_string(tileShaded(card)) +
                   " of 20 squares shaded";
    }
    return {};
}

std::string spinWords(double result) {
    if (valuesMatch(RED_STAR, result)) {
        return "star on red: discard any one card";
    }
    if (valuesMatch(BLUE_STAR, result)) {
        return "star on blue: take a card from the pack";
    }
    if (valuesMatch(0.5, result)) {
        return "half shaded";
    }
    if (valuesMatch(1.0, result)) {
        return "all shaded";
    }
    const std::string words = valueWords(result);
    return words.empty() ? std::string() : words + " shaded";
}

}  // namespace zandoli
