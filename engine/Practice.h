#pragma once

#include <optional>
#include <span>

#include "engine/Cards.h"
#include "engine/Deck.h"
#include "engine/Lesson.h"

namespace zandoli {

// A confusion a child is practising: the spinner showed `shown`, and the
// child took (or passed by) the card of value `taken` in form `form`. Box 1
// is the newest, 3 the nearest to resolved.
struct PracticeItem {
    double shown = 0;
    double taken = 0;
    CardKind form = CardKind::Decimal;
    int box = 1;
};

// The most cards of a practice hand dealt as pairs, and the shape positions
// a box-1 value may take: half of them.
inline constexpr int PRACTICE_PAIRS = 3;

// The one-player deck that practises `items` (the most urgent first) within
// `lesson`, or none when no item lies in the lesson (a value or form it
// leaves out) and the pupil plays the lesson's own deck.
//
// The first hand holds each practised value (at most PRACTICE_PAIRS, box 1
// first) beside its confusing partner, the practised card in another form
// than the partner, the forms taken in turn; a seventh card repeats a
// practised value in yet another form. The spinner shows the box-1 values
// on every other shape position, at most half of them, and the rest of its
// shapes go round the hand's other values, the other boxes' and then the
// lesson's other values. The rest of the pack goes round the spinner's
// values, so every card can be matched.
std::optional<Deck> practiceDeck(std::span<const PracticeItem> items, const Lesson& lesson);

}  // namespace zandoli
