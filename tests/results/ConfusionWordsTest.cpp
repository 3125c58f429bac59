// The confusions in the teacher's words: their state, the screen's short
// lines, the report's sentences and the first page's summary of a class.
#include <gtest/gtest.h>

#include "results/ConfusionWords.h"
#include "results/ReportWords.h"
#include "results/TeacherReport.h"

namespace zandoli {
namespace {

constexpr int64_t DAY = 86'400'000;
// Tuesday 8 December 2026, midday UTC.
constexpr int64_t DEC_8 = 20'795 * DAY + DAY / 2;

Confusion unshaded(ConfusionState state, int box, int sessions,
                   std::optional<int64_t> resolved = std::nullopt) {
    return {.key = {.shown = 0.3,
                    .taken = 0.7,
                    .form = CardKind::Tile,
                    .rule = MistakeRule::UnshadedPart},
            .box = box,
            .state = state,
            .sessions = sessions,
            .resolvedMs = resolved};
}

TEST(ConfusionWords, SayWhereEachConfusionStands) {
    EXPECT_EQ(confusionWords::headline(unshaded(ConfusionState::New, 1, 1)),
              "0.7 (tile) for 0.3: new");
    EXPECT_EQ(confusionWords::headline(unshaded(ConfusionState::StillThere, 2, 1)),
              "0.7 (tile) for 0.3: still there, 1 session");
    EXPECT_EQ(confusionWords::sentence(unshaded(ConfusionState::StillThere, 2, 3)),
              "Took the unshaded part for the shaded part: 0.7 (tile) for 0.3. Box 2 of 3; still "
              "there, 3 sessions.");
    EXPECT_EQ(confusionWords::sentence(unshaded(ConfusionState::Resolved, 3, 4, DEC_8)),
              "Took the unshaded part for the shaded part: 0.7 (tile) for 0.3. Resolved on 8 "
              "December 2026.");
    Confusion passed = unshaded(ConfusionState::New, 1, 1);
    passed.key = {
        .shown = 0.25, .taken = 0.25, .form = CardKind::Fraction, .rule = MistakeRule::Missed};
    EXPECT_EQ(confusionWords::headline(passed), "0.25 (fraction) passed by at 0.25: new");
}

TEST(ConfusionWords, TheScreenShowsTheFirstAndCountsTheRest) {
    const std::vector<Confusion> three(3, unshaded(ConfusionState::New, 1, 1));
    EXPECT_EQ(confusionWords::headlines(three, 2),
              "0.7 (tile) for 0.3: new\n0.7 (tile) for 0.3: new\nand 1 more");
    EXPECT_EQ(confusionWords::headlines({three.data(), 2}, 2),
              "0.7 (tile) for 0.3: new\n0.7 (tile) for 0.3: new");
}

TEST(ConfusionWords, TheFirstPageNamesWhatEachPupilResolvedInThePeriod) {
    report::Pupil ana;
    ana.results.name = "Ana";
    ana.confusions = {unshaded(ConfusionState::Resolved, 3, 4, DEC_8),
                      unshaded(ConfusionState::StillThere, 1, 2)};
    report::Pupil bo;
    bo.results.name = "Bo";
    bo.confusions = {unshaded(ConfusionState::Resolved, 3, 4, DEC_8 - 30 * DAY)};
    const report::Period december{.fromMs = DEC_8 - 7 * DAY, .toMs = DEC_8 + DAY};
    EXPECT_EQ(reportWords::classSummary({ana, bo}, december),
              "Ana: Resolved in this period: 0.7 (tile) for 0.3");
    EXPECT_EQ(reportWords::classSummary({ana, bo}, {}),
              "Ana: Resolved in this period: 0.7 (tile) for 0.3\nBo: Resolved in this period: 0.7 "
              "(tile) for 0.3");
    // A report of one pupil says it on the pupil's page.
    EXPECT_EQ(reportWords::classSummary({ana}, december), "");
    EXPECT_EQ(confusionWords::resolvedBetween(ana.confusions, december.fromMs, december.toMs),
              "Resolved in this period: 0.7 (tile) for 0.3");
}

}  // namespace
}  // namespace zandoli
