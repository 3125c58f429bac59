#pragma once

#include <QString>
#include <cstdint>

namespace zandoli {

// What a screen reader says for the table's cards and spinner, in the
// current language. The value comes first in words, so a player hears at
// once which cards match; the form follows as the card shows it, its
// numbers written as the card writes them.

// "one half", "three tenths", "one whole"; empty for a value no card has.
QString valueWords(double value);
// A card of the pack in words and in its form: "three tenths, as a decimal:
// 0.3", "three tenths, as a percentage: 30 percent", "three tenths, as a
// fraction: 3 over 10", "three tenths, as a tile with 6 of 20 squares
// shaded", "one whole, as a whole number: 1". Empty for anything but a card
// of the pack.
QString cardWords(int16_t card);
// A spin result: "half shaded", "three tenths shaded", or what a star asks.
QString spinWords(double result);

}  // namespace zandoli
