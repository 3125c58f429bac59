// Judging the clicked cards, and the three kinds of turn with their
// hand-overs. Blue holds 8..14 (0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20%).
#include <gtest/gtest.h>

#include "Layout.h"
#include "Pack.h"
#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

using Hand = std::vector<int16_t>;
using Sounds = std::vector<std::string>;

TEST(ShapeTurn, MatchesGoAndAWrongCardEndsTheTurnThreeSecondsLater) {
    Table<> t(2);
    t.deal();
    t.spinto(8);  // 0.7
    t.view.sounds.clear();
    EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
    t.press(0);
    EXPECT_EQ(t.screen(), "Blue to Play | next | 9 10 11 12 13 14");
    EXPECT_EQ(t.state.handsize[0], 6);
    t.press(1);
    t.press(2);  // nothing is judged after a wrong card
    EXPECT_EQ(t.screen(), "TURN OVER | message | 9 10 11 12 13 14");
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
    EXPECT_EQ(t.view.sounds, (Sounds{SOUND_DISCARD, SOUND_WRONG, SOUND_HANDOVER}));
    // The match made before the wrong card stays discarded.
    EXPECT_EQ(t.hand(0), (Hand{9, 10, 11, 12, 13, 14}));
}

TEST(RedStarTurn, AnyOneCardGoesAndTheTurnPassesThreeSecondsLater) {
    Table<> t(2);
    t.deal();
    t.spinto(1);
    EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
    t.press(3);
    t.press(4);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 12 13 14");
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
    EXPECT_EQ(t.state.starused, 0);
    EXPECT_EQ(t.hand(0), (Hand{8, 9, 10, 12, 13, 14}));
}

TEST(BlueStarTurn, ThePackGivesTopcardAndTheTurnPasses3400msLater) {
    Table<> t(2);
    t.deal();
    t.spinto(9);
    t.press(0);
    t.referee.Label3_Click(2);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 11 12 13 14");
    t.presspack();
    t.presspack();  // one draw a turn
    EXPECT_EQ(t.hand(0), (Hand{8, 9, 10, 11, 12, 13, 14, 36}));
    EXPECT_EQ(t.state.packpos, 29);
    EXPECT_EQ(t.state.topcard, 37);
    EXPECT_TRUE(t.playing(SOUND_DRAW));
    t.scheduler.advance(399);
    EXPECT_EQ(t.view.visibleslots(), 7);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 11 12 13 14 36");
    EXPECT_EQ(t.state.newslot, 7);
    t.scheduler.advance(2999);
    EXPECT_EQ(t.state.colour, 0);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Yellow to Play | spin | 15 16 17 18 19 20 21");
}

TEST(BlueStarTurn, OnlyTheCurrentPlayersOwnFinishedSpinDraws) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forspinlength(20));
    t.referee.Label7_Click();
    t.scheduler.advance(9 * 50);
    ASSERT_EQ(t.referee.spinpos(), 9);
    t.presspack();  // the pointer only passes the blue star
    EXPECT_EQ(t.state.drawn, 0);
    t.scheduler.advance(11 * 50);
    t.referee.Label3_Click(2);
    t.spinto(9);
    t.presspack();
    t.scheduler.advance(3400);
    ASSERT_EQ(t.state.colour, 0);
    t.presspack();  // the blue star is the previous player's
    EXPECT_EQ(t.state.drawn, 0);
    EXPECT_EQ(t.state.handsize[0], 7);
}

TEST(Clicks, OnlyAShownCardStrictlyInsideItsFrameAfterTheSpinCounts) {
    Table<> t(2);
    t.deal();
    t.press(0);                                      // before the spin
    t.random.queue(FixedRandom::forspinlength(24));  // ends on 0.7, card 8
    t.referee.Label7_Click();
    t.scheduler.advance(50);
    t.press(0);  // during it
    t.scheduler.advance(23 * 50);
    const TwipRect r = slotframe(0);
    t.referee.Form_MouseDown(1, 0, r.left, r.top + 100);  // on the edge
    t.referee.Form_MouseDown(1, 0, r.left + 100, r.top + r.height);
    EXPECT_EQ(t.state.handsize[0], 7);
    t.press(0);
    t.press(0);  // the gap where card 8 was
    t.press(7);  // no card there
    t.referee.judgecard(12);
    EXPECT_EQ(t.screen(), "Blue to Play | next | 9 10 11 12 13 14");
}

TEST(HandOver, FoldKeepsTheOrderOfTheRemainingCards) {
    GameState state;
    state.hand[2] = {1, 2, 3, 4, 5, 6, 7, 40, 41, 42, 43, 44, 45};
    state.turnhand[2] = state.hand[2];
    state.turnhand[2][1] = NO_CARD;
    state.turnhand[2][4] = NO_CARD;
    state.handsize[2] = 5;
    foldturn(state, 2);
    EXPECT_EQ(Hand(state.hand[2].begin(), state.hand[2].begin() + 7), (Hand{1, 3, 4, 6, 7, 6, 7}));
}

TEST(HandOver, ColoursTakeTurnsInOrder) {
    for (int players : {2, 3, 4}) {
        Table<> t(players);
        t.deal();
        for (int turn = 0; turn < 5; ++turn) {
            EXPECT_EQ(t.state.colour, turn % players);
            t.spinto(3);
            t.referee.Label3_Click(2);
        }
    }
}

TEST(Draws, AFullHandStaysAtTwelveButThePackMovesOn) {
    Table<> t(2);
    t.deal();
    for (int s = 7; s < 12; ++s) {  // Yellow comes to its turn with twelve cards
        t.state.hand[1][s] = static_cast<int16_t>(s + 30);
    }
    t.state.handsize[1] = 12;
    t.spinto(3);
    t.referee.Label3_Click(2);
    EXPECT_EQ(t.view.visibleslots(), 12);
    t.spinto(9);
    t.presspack();
    EXPECT_EQ(t.state.handsize[1], 12);
    EXPECT_EQ(t.state.packpos, 29);
}

TEST(Draws, TheTwentyFirstDrawTakesTheFirstDealtCard) {
    Table<> t(2);
    t.deal();
    std::vector<int16_t> drawn;
    for (int draw = 0; draw < 21; ++draw) {
        const int colour = t.state.colour;
        const int slot = std::min<int>(t.state.handsize[colour], 12);
        t.spinto(9);
        t.presspack();
        drawn.push_back(t.state.hand[colour][slot]);
        t.scheduler.advance(3400);
    }
    EXPECT_EQ(drawn[0], 36);
    EXPECT_EQ(drawn[20], t.referee.packorder()[0]);
    EXPECT_EQ(drawn[20], 8);  // Blue's first dealt card
}

}  // namespace
}  // namespace zandoli::testing
