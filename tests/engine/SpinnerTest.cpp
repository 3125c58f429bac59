// The spinner: where a spin stops, what it shows on the way, and which
// button it opens.
#include <gtest/gtest.h>

#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

TEST(Spin, StopsAtStartPlusLengthModuloSixteen) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forspinlength(21));
    t.referee.Label7_Click();
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SPIN});
    EXPECT_EQ(t.state.turnover, 0);
    t.scheduler.advance(50);
    // The first spin of a game starts from 0.
    EXPECT_EQ(t.view.dial, "Images\\zandolit01.jpg");
    EXPECT_EQ(t.view.closeup, "Images\\zandolic01.jpg");
    t.scheduler.advance(20 * 50 - 1);
    EXPECT_TRUE(t.referee.spinning());
    t.scheduler.advance(1);
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_EQ(t.referee.spinpos(), 5);
    EXPECT_EQ(t.referee.spinstep(), 0);
    EXPECT_TRUE(t.playing(SOUND_SPIN_END));

    t.referee.Label3_Click(2);
    t.random.queue(FixedRandom::forspinlength(32));
    t.referee.Label7_Click();
    t.scheduler.advance(32 * 50);
    EXPECT_EQ(t.referee.spinpos(), 5);
    EXPECT_EQ(t.view.dial, "Images\\zandolit05.jpg");

    t.referee.Label3_Click(2);
    t.spinto(15);
    t.referee.Label3_Click(2);
    t.random.queue(0.0);
    t.referee.Label7_Click();
    EXPECT_EQ(t.referee.spinlength(), 17);
    t.scheduler.advance(17 * 50);
    EXPECT_EQ(t.referee.spinpos(), 0);
    EXPECT_EQ(t.view.closeup, "Images\\zandolic00.jpg");
}

TEST(Spin, EveryEndButTheBlueStarEnablesNextPlayer) {
    Table<> t(2);
    t.deal();
    for (int position = 0; position < 16; ++position) {
        t.spinto(position);
        const bool blue = position == 9;
        EXPECT_EQ(t.referee.nextenabled(), !blue) << position;
        EXPECT_EQ(t.view.nextplayerenabled, !blue) << position;
        EXPECT_FALSE(t.referee.spinenabled());
        if (blue) {
            t.presspack();
            t.scheduler.advance(3400);
        } else {
            t.referee.Label3_Click(2);
        }
        EXPECT_EQ(t.view.dial, DIAL_AT_REST);
        EXPECT_EQ(t.view.closeup, CLOSEUP_AT_REST);
    }
}

}  // namespace
}  // namespace zandoli::testing
