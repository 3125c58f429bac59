#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <string_view>
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
    // Where the row stands in the record: when its game began, and its own
    // number there.
    int64_t startedMs = 0;
    int64_t id = 0;
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

// The same replay taken row by row, which can be written down between two
// days and taken up again later from the rows after them: confusionsOf()
// of all the rows equals a fold that was fed the rows before a day's first
// row, ended that day, was saved and restored, and was fed the rest.
class ConfusionFold {
public:
    explicit ConfusionFold(int64_t offsetMs = 0);
    ConfusionFold(const ConfusionFold& other);
    ConfusionFold& operator=(const ConfusionFold& other);
    ConfusionFold(ConfusionFold&&) noexcept;
    ConfusionFold& operator=(ConfusionFold&&) noexcept;
    ~ConfusionFold();

    // The day a row falls on, in the fold's zone.
    int64_t dayOf(const PupilRow& row) const;
    void add(const PupilRow& row);
    // Ends the day in progress, as the first row of another day would.
    void endDay();
    // The confusions as they stand, the day in progress counted.
    std::vector<Confusion> result() const;

    // The fold as text, between two days (endDay()); and back from such a
    // text, or none when the text is not one.
    std::string saved() const;
    static std::optional<ConfusionFold> restored(std::string_view text, int64_t offsetMs);

private:
    struct State;
    std::unique_ptr<State> state_;
};

// What a practice game practises: the open confusions, in their order.
std::vector<PracticeItem> practiceItems(std::span<const Confusion> confusions);

}  // namespace zandoli
