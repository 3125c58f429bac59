// The practice deck: built from a pupil's confusions within the lesson,
// position by position, dealt and played to a win.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "engine/Practice.h"
#include "engine/Referee.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli {
namespace {

constexpr double R = RED_STAR;
constexpr double B = BLUE_STAR;

// 0.3 taken for 0.7 as a tile (the unshaded part), in box 1; one quarter
// read as 0.4 (its digits), in box 2.
const std::vector<PracticeItem> ANA = {
    {.shown = 0.3, .taken = 0.7, .form = CardKind::Tile, .box = 1},
    {.shown = 0.25, .taken = 0.4, .form = CardKind::Decimal, .box = 2},
};

TEST(PracticeDeck, PairsEachPractisedValueWithItsPartnerAndLeansTheSpinnerOnBoxOne) {
    const auto deck = practiceDeck(ANA, everyValueLesson());
    ASSERT_TRUE(deck);
    // 0.3 decimal beside the 0.7 tile, 25% beside the 0.4 decimal, then
    // 3/10, the 0.25 tile and 30%.
    EXPECT_EQ(deck->firstHand, (std::vector<int16_t>{4, 42, 22, 5, 33, 46, 15}));
    // 0.3 on every other shape, six of twelve; the rest the hand's other
    // values, then the lesson's; the stars where they were.
    const SpinnerValues spinner = {0.3, R, 0.7, 0.3, 0.25, R, 0.3, 0.4,
                                   0.3, B, 0.1, 0.3, 0.2,  R, 0.3, 0.5};
    EXPECT_EQ(deck->spinner, spinner);
    const std::array<int16_t, PACK_SIZE> cards = {
        4,  42, 22, 5,  33, 46, 15,  // the hand
        4,  8,  11, 5,  2,  3,  6,   // then the spinner's values in turn
        15, 19, 22, 16, 13, 14, 17, 33, 34, 25, 29, 32, 28, 26,  //
        38, 42, 46, 39, 36, 37, 40, 4,  8,  11, 5,  2,  3,  6,   //
        15, 19, 22, 16, 13, 14};
    EXPECT_EQ(deck->cards, cards);
}

TEST(PracticeDeck, NeverDealsAValueOrFormTheLessonLeavesOut) {
    Lesson noTiles = everyValueLesson();
    noTiles.forms = {CardKind::Decimal, CardKind::Percent, CardKind::Fraction};
    // The 0.7 tile cannot be dealt: only one quarter read as 0.4 is practised.
    const auto deck = practiceDeck(ANA, noTiles);
    ASSERT_TRUE(deck);
    // 25% beside the 0.4 decimal, then one quarter as a fraction and again
    // in both forms: never as a decimal, the partner's form.
    EXPECT_EQ(deck->firstHand, (std::vector<int16_t>{22, 5, 25, 22, 25, 22, 25}));
    for (int16_t card : deck->cards) {
        EXPECT_NE(kindOf(card), CardKind::Tile) << card;
    }
    EXPECT_EQ(deck->spinner[0], 0.25);
    // Nothing practised lies in a lesson of fifths as fractions.
    Lesson fifths;
    fifths.values = {0.2, 0.4, 0.6, 0.8};
    fifths.forms = {CardKind::Fraction};
    EXPECT_FALSE(practiceDeck(ANA, fifths));
    EXPECT_FALSE(practiceDeck({}, everyValueLesson()));
}

TEST(PracticeDeck, SeveralBoxOneValuesShareHalfTheSpinner) {
    const std::vector<PracticeItem> items = {
        {.shown = 0.3, .taken = 0.7, .form = CardKind::Tile, .box = 1},
        {.shown = 0.8, .taken = 0.2, .form = CardKind::Fraction, .box = 1},
    };
    const auto deck = practiceDeck(items, everyValueLesson());
    ASSERT_TRUE(deck);
    const SpinnerValues spinner = {0.3, R, 0.7,  0.8, 0.2, R, 0.3, 0.1,
                                   0.8, B, 0.25, 0.3, 0.4, R, 0.8, 0.5};
    EXPECT_EQ(deck->spinner, spinner);
    EXPECT_EQ(deck->firstHand, (std::vector<int16_t>{4, 42, 20, 28, 33, 43, 15}));
}

TEST(PracticeDeck, TheHandPractisesAConfusionOfEveryBox) {
    const std::vector<PracticeItem> items = {
        {.shown = 0.3, .taken = 0.7, .form = CardKind::Tile, .box = 1},
        {.shown = 0.8, .taken = 0.2, .form = CardKind::Fraction, .box = 1},
        {.shown = 0.25, .taken = 0.4, .form = CardKind::Decimal, .box = 2},
        {.shown = 0.6, .taken = 0.4, .form = CardKind::Tile, .box = 3},
    };
    const auto deck = practiceDeck(items, everyValueLesson());
    ASSERT_TRUE(deck);
    // 0.3 and the 0.7 tile, 25% and 0.4, 3/5 and the 0.4 tile, then 30%:
    // the second box-1 confusion waits, though its value is spun.
    EXPECT_EQ(deck->firstHand, (std::vector<int16_t>{4, 42, 22, 5, 30, 39, 15}));
    EXPECT_EQ(deck->spinner[0], 0.3);
    EXPECT_EQ(deck->spinner[3], 0.8);
}

TEST(PracticeDeck, TheShuffleDealsTheHandFirst) {
    const auto deck = practiceDeck(ANA, everyValueLesson());
    ASSERT_TRUE(deck);
    testing::SeededRandom random(7);
    PackOrder pack{};
    shufflePack(pack, random, *deck);
    std::vector<int16_t> hand(pack.begin(), pack.begin() + DEALT_CARDS);
    EXPECT_NE(hand, deck->firstHand) << "the hand is dealt in a shuffled order";
    std::sort(hand.begin(), hand.end());
    EXPECT_EQ(hand, (std::vector<int16_t>{4, 5, 15, 22, 33, 42, 46}));
    std::vector<int16_t> all(pack.begin(), pack.begin() + PACK_SIZE);
    std::vector<int16_t> dealt(deck->cards.begin(), deck->cards.end());
    std::sort(all.begin(), all.end());
    std::sort(dealt.begin(), dealt.end());
    EXPECT_EQ(all, dealt);
}

TEST(PracticeGame, IsPlayedToAWinByTheOnePlayerRules) {
    const auto deck = practiceDeck(ANA, everyValueLesson());
    ASSERT_TRUE(deck);
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        GameState state;
        state.numPlayers = 1;
        testing::RecordingView view;
        testing::VirtualScheduler scheduler;
        testing::SeededRandom random(seed);
        Referee referee(state, view, scheduler, random, ONE_PLAYER_RULES);
        referee.load(TableStart::Deal, {.deck = *deck});
        scheduler.advance(timerInterval(TimerId::DealDelay));
        std::vector<int16_t> hand(state.hand[0].begin(), state.hand[0].begin() + DEALT_CARDS);
        std::sort(hand.begin(), hand.end());
        ASSERT_EQ(hand, (std::vector<int16_t>{4, 5, 15, 22, 33, 42, 46})) << seed;
        testing::ScriptedPlayer player(referee, state, scheduler);
        for (int turn = 0; turn < 1000 && !referee.gameOver(); ++turn) {
            player.playTurn();
        }
        ASSERT_TRUE(referee.gameOver()) << seed;
        EXPECT_EQ(view.state.caption.kind, CaptionKind::WonInSpins);
    }
}

}  // namespace
}  // namespace zandoli
