#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

#include "engine/Cards.h"

namespace zandoli::testing {

// A card as a child sees it: "0.7", "70%", "7/10", "tile 14/20", "1".
inline std::string cardFace(int16_t card) {
    const CardEntry& entry = cardCatalogue()[card];
    const long hundredths = std::lround(entry.value * 100);
    switch (kindOf(card)) {
        case CardKind::Whole:
            return "1";
        case CardKind::Decimal: {
            std::string digits = std::to_string(hundredths);
            digits = std::string(3 - std::min<size_t>(digits.size(), 3), '0') + digits;
            if (digits.back() == '0') {
                digits.pop_back();
            }
            return digits.substr(0, 1) + "." + digits.substr(1);
        }
        case CardKind::Percent:
            return std::to_string(hundredths) + "%";
        case CardKind::Fraction:
            return std::to_string(entry.numerator) + "/" + std::to_string(entry.denominator);
        case CardKind::Tile:
            break;
    }
    return "tile " + std::to_string(tileShaded(card)) + "/20";
}

// The first card of the pack with that face.
inline int16_t cardOfFace(const std::string& face) {
    for (int16_t card = 0; card < PACK_SIZE; ++card) {
        if (cardFace(card) == face) {
            return card;
        }
    }
    throw std::invalid_argument("no card shows " + face);
}

}  // namespace zandoli::testing
