#pragma once

#include <cstdint>
#include <string>

namespace zandoli {

// What a screen reader says for the table's cards and spinner. The value
// comes first in words, so a player hears at once which cards match; the
// form follows as the card shows it.

// "one half", "three tenths", "one whole"; empty for a value no card has.
std::string valueWords(double value);
// A card of the pack in words and in its form: "three tenths, as a decimal:
// 0.3", "three tenths, as a percentage: 30 percent", "three tenths, as a
// fraction: 3 over 10", "three tenths, as a tile with 6 of 20 squares
// shaded", "1, one whole". Empty for anything but a card of the pack.
std::string cardWords(int16_t card);
// A spin result: "half shaded", "three tenths shaded", or what a star asks.
std::string spinWords(double result);

}  // namespace zandoli
