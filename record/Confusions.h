#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "engine/Cards.h"
#include "engine/GameState.h"
#include "engine/Practice.h"
#include "record/Mistakes.h"
#include "record/Records.h"

namespace zandoli {

// One row of a pupil's record as the confusions read it, in the order the
// rows were written (games in the order they began).
struct PupilRow {
    int64_t game = 0;
    int turn = 0;
    int64_t atMs = 0;
    Happening what = Happening::Spin;
    // The value the spinner showed in the row's turn; none on a star.
    std::optional<double> spinValue = std::nullopt;
    int16_t card = NO_CARD;
    std::optional<MistakeRule> mistake = std::nullopt;
    // A spin: the cards the player held; empty where the record kept none
    // (a record older than practice games).
    std::vector<int16_t> hand = {};
};

// What a child mistook for what: the value the spinner showed, the value
// and form of the card wrongly pressed or passed by, and the rule naming it.
struct ConfusionKey {
    double shown = 0;
    double taken = 0;
    CardKind form = CardKind::Decimal;
    MistakeRule rule = MistakeRule::Other;
};

enum class ConfusionState { New, StillThere, Resolved };

// A confusion of one pupil, with its box. Practice moves it through three
// boxes: a mistake puts it in box 1; a session on a later day in which the
// child meets it and chooses right moves it up one; a mistake sends it back
// to 1; a right session in box 3 resolves it. A session is a day's play.
struct Confusion {
    ConfusionKey key;
    int box = 1;  // 1 to 3 while open
    ConfusionState state = ConfusionState::New;
    int mistakes = 0;     // every mistake of it, over the whole record
    int64_t sinceMs = 0;  // the first mistake since it was last resolved
    int sessions = 0;     // the pupil's sessions from sinceMs to the last, or to its resolution
    std::optional<int64_t> resolvedMs;
};

// The pupil's confusions, replayed from the rows: the open ones first, box 1
// first and the most frequent first within a box, then the resolved ones,
// the latest resolved first. Days are counted in the zone `offsetMs` from
// UTC.
//
// A child meets a confusion in a turn whose spin shows its value while the
// hand holds a card of its value and form, and chooses right when the turn
// holds no mistake of it (for a wrong card, no wrong card at all: a turn
// ended by another wrong card shows nothing of this one). Where the record
// kept no hand (games recorded before practice games), a turn meets it
// when the child discarded a card of the value (for a card passed by, one
// of its form).
std::vector<Confusion> confusionsOf(std::span<const PupilRow> rows, int64_t offsetMs = 0);

// What a practice game practises: the open confusions, in their order.
std::vector<PracticeItem> practiceItems(std::span<const Confusion> confusions);

}  // namespace zandoli
