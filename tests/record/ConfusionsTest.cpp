// The confusions and their boxes, replayed from a pupil's rows day by day.
#include <gtest/gtest.h>

#include <charconv>
#include <string>
#include <vector>

#include "record/Confusions.h"

namespace zandoli {
namespace {

constexpr int64_t DAY = 86'400'000;
constexpr int64_t NINE_AM = 9 * 3'600'000;

// Cards of the pack, by number.
constexpr int16_t DECIMAL_03 = 4;
constexpr int16_t FRACTION_03 = 33;
constexpr int16_t TILE_07 = 42;
constexpr int16_t DECIMAL_04 = 5;

// A pupil's rows written turn by turn, one game a day.
class PupilDays {
public:
    // A turn of day `day` whose spin shows `spun` to a hand of `held`
    // (none: a record that kept no hand): cards matched, then a wrong card
    // or one passed by, if any.
    PupilDays& turn(int day, double spun, std::vector<int16_t> held, std::vector<int16_t> matched,
                    int16_t slip = NO_CARD, MistakeRule rule = MistakeRule::UnshadedPart) {
        const int64_t at = day * DAY + NINE_AM + static_cast<int64_t>(rows_.size()) * 1000;
        const int t = ++turn_;
        rows_.push_back({.game = day, .turn = t, .atMs = at, .spinValue = spun, .hand = held});
        for (int16_t card : matched) {
            rows_.push_back({.game = day,
                             .turn = t,
                             .atMs = at,
                             .what = Happening::Match,
                             .spinValue = spun,
                             .card = card});
        }
        if (slip != NO_CARD) {
            rows_.push_back(
                {.game = day,
                 .turn = t,
                 .atMs = at,
                 .what = rule == MistakeRule::Missed ? Happening::Miss : Happening::Wrong,
                 .spinValue = spun,
                 .card = slip,
                 .mistake = rule});
        }
        return *this;
    }
    // The child took the 0.7 tile for 0.3 on `day`.
    PupilDays& mistake(int day) { return turn(day, 0.3, {DECIMAL_03, TILE_07}, {}, TILE_07); }
    // The spinner showed 0.3 on `day` to the 0.3 decimal and the 0.7 tile,
    // and the child took the decimal.
    PupilDays& right(int day) { return turn(day, 0.3, {DECIMAL_03, TILE_07}, {DECIMAL_03}); }

    std::vector<Confusion> confusions() const { return confusionsOf(rows_); }
    // The one confusion there is.
    Confusion only() const {
        const auto all = confusions();
        EXPECT_EQ(all.size(), 1u);
        return all.empty() ? Confusion{} : all.front();
    }

private:
    std::vector<PupilRow> rows_;
    int turn_ = 0;
};

TEST(Confusions, AMistakeIsItsValueFormAndRuleInBoxOne) {
    const Confusion c = PupilDays().mistake(0).only();
    EXPECT_DOUBLE_EQ(c.key.shown, 0.3);
    EXPECT_DOUBLE_EQ(c.key.taken, 0.7);
    EXPECT_EQ(c.key.form, CardKind::Tile);
    EXPECT_EQ(c.key.rule, MistakeRule::UnshadedPart);
    EXPECT_EQ(c.box, 1);
    EXPECT_EQ(c.state, ConfusionState::New);
    EXPECT_EQ(c.sessions, 1);
    EXPECT_EQ(c.mistakes, 1);
    EXPECT_EQ(c.sinceMs, NINE_AM);
}

TEST(Confusions, EachRightDayMovesItUpAndAMistakeSendsItBack) {
    PupilDays rows;
    rows.mistake(0).right(1);
    EXPECT_EQ(rows.only().box, 2);
    EXPECT_EQ(rows.only().state, ConfusionState::StillThere);
    EXPECT_EQ(rows.only().sessions, 2);
    rows.right(2);
    EXPECT_EQ(rows.only().box, 3);
    rows.mistake(3);
    EXPECT_EQ(rows.only().box, 1);
    EXPECT_EQ(rows.only().state, ConfusionState::StillThere);
    EXPECT_EQ(rows.only().sessions, 4);
    EXPECT_EQ(rows.only().mistakes, 2);
    rows.right(4).right(5);
    EXPECT_EQ(rows.only().box, 3);
    EXPECT_FALSE(rows.only().resolvedMs);
    rows.right(6);
    const Confusion resolved = rows.only();
    EXPECT_EQ(resolved.state, ConfusionState::Resolved);
    ASSERT_TRUE(resolved.resolvedMs);
    EXPECT_EQ(*resolved.resolvedMs / DAY, 6);
    EXPECT_EQ(resolved.sessions, 7);
    // Resolved stays resolved through right days and days it is not met.
    rows.right(7).turn(8, 0.5, {6, TILE_07}, {6});
    EXPECT_EQ(rows.only().state, ConfusionState::Resolved);
    EXPECT_EQ(*rows.only().resolvedMs / DAY, 6);
}

TEST(Confusions, OnlyAnotherDayMovesItAndAMistakeThatDayWins) {
    EXPECT_EQ(PupilDays().mistake(0).right(0).right(0).only().box, 1);
    EXPECT_EQ(PupilDays().mistake(0).right(1).right(1).only().box, 2);
    EXPECT_EQ(PupilDays().mistake(0).right(1).mistake(1).only().box, 1);
    EXPECT_EQ(PupilDays().mistake(0).mistake(1).right(1).only().box, 1);
}

TEST(Confusions, ItIsMetOnlyWhenTheSpinShowsItsValueToAHandHoldingItsCard) {
    // Another value on the spinner; its value without the 0.7 tile in the
    // hand; a turn ended by another wrong card: not met, though days pass.
    const Confusion c =
        PupilDays()
            .mistake(0)
            .turn(1, 0.5, {6, TILE_07}, {6})
            .turn(2, 0.3, {DECIMAL_03, 34}, {DECIMAL_03})
            .turn(3, 0.3, {DECIMAL_03, TILE_07, DECIMAL_04}, {}, DECIMAL_04, MistakeRule::Other)
            .confusions()
            .back();
    EXPECT_EQ(c.key.rule, MistakeRule::UnshadedPart);
    EXPECT_EQ(c.box, 1);
    EXPECT_EQ(c.sessions, 4);
    EXPECT_EQ(c.state, ConfusionState::StillThere);
    // Holding it and leaving it is right even without another card taken.
    EXPECT_EQ(PupilDays().mistake(0).turn(1, 0.3, {TILE_07, 6}, {}).only().box, 2);
}

TEST(Confusions, ARecordWithoutHandsCountsADiscardOfTheValueAsMeetingIt) {
    EXPECT_EQ(PupilDays().mistake(0).turn(1, 0.3, {}, {DECIMAL_03}).only().box, 2);
    EXPECT_EQ(PupilDays().mistake(0).turn(1, 0.3, {}, {}).only().box, 1);
}

TEST(Confusions, ACardPassedByIsMetByHoldingACardOfItsForm) {
    PupilDays rows;
    rows.turn(0, 0.3, {DECIMAL_03, FRACTION_03}, {DECIMAL_03}, FRACTION_03, MistakeRule::Missed);
    rows.right(1);
    const Confusion c = rows.only();
    EXPECT_DOUBLE_EQ(c.key.taken, 0.3);
    EXPECT_EQ(c.key.form, CardKind::Fraction);
    EXPECT_EQ(c.box, 1);
    rows.turn(2, 0.3, {FRACTION_03}, {FRACTION_03});
    EXPECT_EQ(rows.only().box, 2);
    // Without hands: a card of its form taken.
    PupilDays old;
    old.turn(0, 0.3, {}, {DECIMAL_03}, FRACTION_03, MistakeRule::Missed);
    old.turn(1, 0.3, {}, {DECIMAL_03});
    EXPECT_EQ(old.only().box, 1);
    old.turn(2, 0.3, {}, {FRACTION_03});
    EXPECT_EQ(old.only().box, 2);
}

TEST(Confusions, AResolvedConfusionMadeAgainIsNewInBoxOne) {
    PupilDays rows;
    rows.mistake(0).right(1).right(2).right(3).turn(4, 0.5, {6}, {6}).mistake(5);
    const Confusion c = rows.only();
    EXPECT_EQ(c.state, ConfusionState::New);
    EXPECT_EQ(c.box, 1);
    EXPECT_FALSE(c.resolvedMs);
    EXPECT_EQ(c.sinceMs / DAY, 5);
    EXPECT_EQ(c.sessions, 1);
    EXPECT_EQ(c.mistakes, 2);
}

TEST(Confusions, OpenOnesComeFirstByBoxThenTheResolved) {
    PupilDays rows;
    rows.mistake(0).turn(0, 0.25, {DECIMAL_04}, {}, DECIMAL_04, MistakeRule::FractionDigits);
    rows.turn(0, 0.25, {DECIMAL_04}, {}, DECIMAL_04, MistakeRule::FractionDigits);
    rows.right(1).right(2).right(3);
    rows.turn(3, 0.5, {34}, {}, 34, MistakeRule::Other);
    const auto all = rows.confusions();
    ASSERT_EQ(all.size(), 3u);
    // Box 1: made twice before made once.
    EXPECT_EQ(all[0].key.rule, MistakeRule::FractionDigits);
    EXPECT_EQ(all[0].state, ConfusionState::StillThere);
    EXPECT_EQ(all[0].sessions, 4);
    EXPECT_EQ(all[0].mistakes, 2);
    EXPECT_EQ(all[1].key.rule, MistakeRule::Other);
    EXPECT_EQ(all[1].state, ConfusionState::New);
    EXPECT_EQ(all[2].key.rule, MistakeRule::UnshadedPart);
    EXPECT_EQ(all[2].state, ConfusionState::Resolved);
    EXPECT_EQ(all[2].sessions, 4);
}

TEST(Confusions, TheResolvedComeLatestFirstAndThoseOfOneTurnInTheOrderOfTheirValues) {
    const std::vector<int16_t> held = {DECIMAL_03, TILE_07, DECIMAL_04};
    PupilDays rows;
    // 0.3 taken for 0.7's tile and for 0.4 on day 0, then chosen right on
    // days 1 to 3: both are resolved by the same turn.
    rows.mistake(0).turn(0, 0.3, held, {}, DECIMAL_04, MistakeRule::TenthAway);
    // The digits of 1/4 read as 0.4 on day 1, then passed by on days 2 to 4.
    rows.turn(1, 0.25, {DECIMAL_04}, {}, DECIMAL_04, MistakeRule::FractionDigits);
    for (int day = 1; day <= 4; ++day) {
        if (day <= 3) {
            rows.turn(day, 0.3, held, {DECIMAL_03});
        }
        if (day >= 2) {
            rows.turn(day, 0.25, {DECIMAL_04}, {});
        }
    }
    const auto all = rows.confusions();
    ASSERT_EQ(all.size(), 3u);
    for (const Confusion& c : all) {
        ASSERT_EQ(c.state, ConfusionState::Resolved);
    }
    EXPECT_EQ(*all[0].resolvedMs / DAY, 4);
    EXPECT_EQ(all[0].key.rule, MistakeRule::FractionDigits);
    EXPECT_EQ(*all[1].resolvedMs, *all[2].resolvedMs);
    EXPECT_EQ(all[1].key.taken, 0.4);
    EXPECT_EQ(all[2].key.taken, 0.7);
}

TEST(Confusions, DaysAreTheSchoolsLocalDays) {
    // 23:30 and 00:30 UTC are one day at UTC-2 and two at UTC.
    std::vector<PupilRow> rows = {
        {.game = 1, .turn = 1, .atMs = DAY - 1'800'000, .spinValue = 0.3, .hand = {TILE_07}},
        {.game = 1,
         .turn = 1,
         .atMs = DAY - 1'800'000,
         .what = Happening::Wrong,
         .spinValue = 0.3,
         .card = TILE_07,
         .mistake = MistakeRule::UnshadedPart},
        {.game = 2, .turn = 1, .atMs = DAY + 1'800'000, .spinValue = 0.3, .hand = {TILE_07, 4}},
        {.game = 2,
         .turn = 1,
         .atMs = DAY + 1'800'000,
         .what = Happening::Match,
         .spinValue = 0.3,
         .card = DECIMAL_03},
    };
    EXPECT_EQ(confusionsOf(rows, 0).front().box, 2);
    EXPECT_EQ(confusionsOf(rows, -2 * 3'600'000).front().box, 1);
}

// A pupil of a class's whole year may have thousands of confusions (3,371
// for the benchmark's pupil in every game): the days kept beside the record
// are taken up for them as for a few.
TEST(Confusions, TheKeptDaysOfThousandsOfConfusionsAreTakenUp) {
    std::string kept = "confusions 1\ndays 1 20000\ntracks 3000";
    for (int i = 1; i <= 3000; ++i) {
        char shown[32];
        const auto end = std::to_chars(shown, shown + sizeof shown, i / 1000.0).ptr;
        kept += "\n" + std::string(shown, end) + " 0.5 2 1 1 1 1728000000000 0 0 20000 20000 0";
    }
    kept += '\n';
    const auto fold = ConfusionFold::restored(kept, 0);
    ASSERT_TRUE(fold.has_value());
    EXPECT_EQ(fold->result().size(), 3000u);
    EXPECT_EQ(fold->saved(), kept);
}

}  // namespace
}  // namespace zandoli
