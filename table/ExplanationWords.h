#pragma once

#include <QString>
#include <array>
#include <cstdint>

#include "engine/TableView.h"

namespace zandoli {

// What the table says and draws of a mistake it explains, in the current
// language: the two values side by side as tiles of 20 squares, marked on a
// number line from 0 to 1, and a sentence keyed to the rule that names the
// mistake in the record, in words a child of eight understands.
struct ExplanationWords {
    // "You counted the white squares. The shaded part is 6 of 20: 0.3. Your
    // card, 0.7, is 14 of 20."
    QString sentence;
    // The sentence and both values in words, for a screen reader.
    QString spoken;
    double spinValue{};
    // The card pressed, or the first card left of the spin's value.
    int16_t card = NO_CARD;
    double cardValue{};
    // Squares of 20 each tile shades.
    int spinShaded{};
    int cardShaded{};
    // The marks' labels on the number line, in the language's numbers.
    QString spinMark;
    QString cardMark;
};

// The words of the explanation the table shows; none when it shows none.
ExplanationWords explanationWords(const TableState& table);

// A card as its face writes it: "0.7", "70%", "7/10", "1"; empty for a tile.
QString cardFace(int16_t card);

}  // namespace zandoli
