#pragma once

#include <QString>
#include <array>

#include "record/GameResults.h"

// The results in words, in the current language: what the results screen
// writes and what a screen reader reads for its chart and its mistakes.
namespace zandoli::resultsWords {

// The forms in the order a lesson meets them, as the chart and its words
// give them.
inline constexpr std::array<CardKind, CARD_FORMS> FORMS_SHOWN{
    CardKind::Decimal, CardKind::Percent, CardKind::Fraction, CardKind::Tile, CardKind::Whole};

// The name a player gave, or the colour: "Ana", "Blue".
QString playerName(const PlayerResults& player);
// The cards of a form, counted: "decimals", "percentages", "fractions",
// "tiles", "whole cards".
QString formName(CardKind form);
// The chart read out, forms without a judged card left out: "Blue:
// decimals: 3 matched, 1 wrong, 0 missed; tiles: 0 matched, 0 wrong, 2
// missed. 9 spins."
QString chartText(const PlayerResults& player);
// A player's totals under the name, one to a line: "12 matched", "3
// wrong", "2 missed".
QString totalsText(const PlayerResults& player);
// A named mistake with its example: "Took the unshaded part for the shaded
// part, twice. The spinner showed three tenths shaded; pressed: seven
// tenths, as a decimal: 0.7." A card passed by: "Missed twice: three
// quarters, as a tile with 15 of 20 squares shaded. The spinner showed
// three quarters shaded."
QString mistakeText(const MistakeExample& mistake);
// What the results screen writes beside the example: "One tenth away from
// the value (twice)".
QString mistakeHeadline(const MistakeExample& mistake);
// What the results and the report say of a record that is there but
// cannot be read: "The record could not be read."
QString unreadableText();
// When and how long, and how it ended: "Tuesday 8 December 2026, 10:45 ·
// 12 minutes · 23 spins · Blue won".
QString gameText(const GameResults& game);
// "1 spin", "9 spins".
QString spinsText(int count);

}  // namespace zandoli::resultsWords
