// The one-player table: every spin is a new turn, counted; stars do not end
// the turn; the win reports the count.
#include <gtest/gtest.h>

#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

using Solo = Table<OnePlayerReferee>;

TEST(OnePlayer, EachSpinIsCountedAndShownWhenTheSpinnerStops) {
    Solo t(1);
    t.deal();
    t.referee.Label7_Click();
    EXPECT_EQ(t.state.spins, 1);
    EXPECT_FALSE(t.referee.spinning());  // the turn starts a tick later
    t.scheduler.advance(1);
    EXPECT_TRUE(t.referee.spinning());
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SPIN});
    EXPECT_EQ(t.view.spincount, "");
    t.scheduler.advance(17 * 50);
    EXPECT_EQ(t.view.spincount, "1");
    t.spinto(3);  // again, without using the result
    EXPECT_EQ(t.view.spincount, "2");
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
}

TEST(OnePlayer, ARedStarDiscardLeavesAGapUntilTheNextSpin) {
    Solo t(1);
    t.deal();
    t.spinto(1);
    t.press(3);
    t.press(4);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 12 13 14");
    EXPECT_FALSE(t.view.slots[3].visible);
    EXPECT_FALSE(t.scheduler.running(TimerId::Timer2));
    t.referee.Label7_Click();
    t.scheduler.advance(1);
    EXPECT_TRUE(t.view.slots[3].visible);
    EXPECT_EQ(t.hand(0), (std::vector<int16_t>{8, 9, 10, 12, 13, 14}));
    EXPECT_EQ(t.state.starused + t.state.turnover, 0);
}

TEST(OnePlayer, ABlueStarKeepsSpinDisabledUntilTheCardIsShown) {
    Solo t(1);
    t.deal();
    t.spinto(9);
    t.referee.Label7_Click();
    EXPECT_EQ(t.state.spins, 1);
    t.presspack();
    t.scheduler.advance(399);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 11 12 13 14");
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14 36");
    t.scheduler.advance(5000);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14 36");
}

TEST(OnePlayer, AWrongCardStillHandsOverAfterThreeSeconds) {
    Solo t(1);
    t.deal();
    t.spinto(8);
    t.press(0);
    t.press(1);
    EXPECT_EQ(t.screen(), "TURN OVER | message | 9 10 11 12 13 14");
    t.scheduler.advance(3000);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 9 10 11 12 13 14");
    EXPECT_EQ(t.state.spins, 1);
    t.referee.Label3_Click(2);
    EXPECT_FALSE(t.view.nextplayertouched);
}

TEST(OnePlayer, ARestoredCountGoesOnToTheWinAndNewGameClearsIt) {
    Solo t(1);
    t.state.spins = 22;
    t.restoreblue({24});
    EXPECT_EQ(t.view.spincount, "22");
    t.spinto(14);  // 1
    t.press(0);
    EXPECT_EQ(t.view.turncaption, "GAME WON IN 23 SPINS!");
    EXPECT_EQ(t.view.turncaptionsize, 32);
    t.referee.Label3_Click(1);
    EXPECT_EQ(t.state.spins, 0);
    EXPECT_EQ(t.view.spincount, "");
    EXPECT_EQ(t.view.turncaptionsize, 36);
    t.scheduler.advance(1200);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
    EXPECT_FALSE(t.view.nextplayertouched);
}

TEST(OnePlayer, TheCountStopsAt32767ButTheSpinGoesOn) {
    Solo t(1);
    t.state.spins = 32767;
    t.restoreblue({8, 9});
    t.spinto(0);
    EXPECT_EQ(t.referee.spinpos(), 0);
    EXPECT_EQ(t.view.spincount, "32767");
}

}  // namespace
}  // namespace zandoli::testing
