// The three kinds of turn with their hand-overs, the fold and the draws.
// Blue holds 8..14 (0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20%).
#include <gtest/gtest.h>

#include "engine/Layout.h"
#include "engine/Pack.h"
#include "engine/Sounds.h"
#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

using Hand = std::vector<int16_t>;

TEST(ShapeTurn, MatchesGoAndAWrongCardEndsTheTurnThreeSecondsLater) {
    Table<> t(2);
    t.deal();
    t.press(0);   // before the spin
    t.spinTo(8);  // 0.7
    const TwipRect r = slotFrame(0);
    t.referee.tablePressed(r.left, r.top + 100);  // on the frame's edge
    EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
    t.view.sounds.clear();
    t.press(0);
    t.press(0);  // the gap where it was
    EXPECT_EQ(t.screen(), "Blue to Play | next | 9 10 11 12 13 14");
    t.press(1);
    t.press(2);  // nothing is judged after a wrong card
    EXPECT_EQ(t.screen(), "TURN OVER | message | 9 10 11 12 13 14");
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
    EXPECT_EQ(t.view.sounds,
              (std::vector<std::string>{SOUND_DISCARD, SOUND_WRONG, SOUND_HANDOVER}));
    EXPECT_EQ(t.hand(0), (Hand{9, 10, 11, 12, 13, 14}));
}

TEST(RedStarTurn, AnyOneCardGoesAndTheTurnPassesThreeSecondsLater) {
    Table<> t(2);
    t.deal();
    t.spinTo(1);
    t.press(3);
    t.press(4);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 12 13 14");
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
    EXPECT_EQ(t.hand(0), (Hand{8, 9, 10, 12, 13, 14}));
}

TEST(BlueStarTurn, ThePackGivesTopcardAndTheTurnPasses3400msLater) {
    Table<> t(2);
    t.deal();
    t.spinTo(9);
    t.press(0);
    t.referee.buttonPressed(TableButton::NextPlayer);
    t.pressPack();
    t.pressPack();  // one draw a turn
    EXPECT_EQ(t.hand(0), (Hand{8, 9, 10, 11, 12, 13, 14, 36}));
    EXPECT_EQ(t.state.topCard, 37);
    EXPECT_TRUE(t.playing(SOUND_DRAW));
    t.scheduler.advance(399);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 11 12 13 14");
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 11 12 13 14 36");
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
}

TEST(BlueStarTurn, OnlyTheCurrentPlayersOwnFinishedSpinDraws) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forSpinLength(20));
    t.referee.spinPressed();
    t.scheduler.advance(9 * 50);
    ASSERT_EQ(t.referee.spinPos(), 9);
    t.pressPack();  // the pointer only passes the blue star
    t.scheduler.advance(11 * 50);
    t.referee.buttonPressed(TableButton::NextPlayer);
    t.spinTo(9);
    t.pressPack();
    t.scheduler.advance(3400);
    t.pressPack();  // Blue's turn; the blue star was Yellow's
    EXPECT_EQ(t.hand(0).size(), 7u);
    EXPECT_EQ(t.hand(1).size(), 8u);
}

TEST(TurnPhases, NoCardIsJudgedMidSpinAndNothingButTheClockActsDuringAHandOver) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forSpinLength(20));
    t.referee.spinPressed();
    t.scheduler.advance(8 * 50);
    ASSERT_EQ(t.referee.spinPos(), 8);  // 0.7 passes under the pointer
    t.press(0);
    t.scheduler.advance(12 * 50);
    EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
    t.referee.buttonPressed(TableButton::NextPlayer);
    t.spinTo(9);
    t.pressPack();
    t.scheduler.advance(400);  // Yellow's drawn card is in; the hand-over runs
    t.view.sounds.clear();
    t.pressPack();
    t.press(0);
    t.referee.spinPressed();
    t.referee.buttonPressed(TableButton::NextPlayer);
    EXPECT_TRUE(t.view.sounds.empty());
    EXPECT_EQ(t.screen(), "Yellow to Play | 15 16 17 18 19 20 21 36");
    t.scheduler.advance(3000);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
}

TEST(HandOver, FoldKeepsTheOrderOfTheRemainingCards) {
    GameState state;
    state.hand[2] = {1, 2, 3, 4, 5, 6, 7, 40, 41, 42, 43, 44, 45};
    state.turnHand[2] = state.hand[2];
    state.turnHand[2][1] = state.turnHand[2][4] = NO_CARD;
    state.handSize[2] = 5;
    foldTurn(state, 2);
    EXPECT_EQ(Hand(state.hand[2].begin(), state.hand[2].begin() + 7), (Hand{1, 3, 4, 6, 7, 6, 7}));
}

TEST(Draws, AFullHandStaysAtTwelveAndTheTwentyFirstDrawTakesTheFirstDealtCard) {
    Table<> t(2);
    t.deal();
    for (int s = 7; s < 12; ++s) {  // Yellow comes to its turn with twelve cards
        t.state.hand[1][s] = static_cast<int16_t>(s + 30);
    }
    t.state.handSize[1] = 12;
    std::vector<int16_t> drawn;
    for (int draw = 0; draw < 21; ++draw) {
        const int colour = t.state.colour;
        const int slot = std::min<int>(t.state.handSize[colour], 12);
        t.spinTo(9);
        t.pressPack();
        drawn.push_back(t.state.hand[colour][slot]);
        t.scheduler.advance(3400);
        EXPECT_LE(t.view.visibleSlots(), 12);
    }
    EXPECT_EQ(t.state.handSize[1], 12);
    EXPECT_EQ(drawn[0], 36);
    EXPECT_EQ(drawn[20], 8);  // packOrder(0), Blue's first dealt card
}

}  // namespace
}  // namespace zandoli::testing
