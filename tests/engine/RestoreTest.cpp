// Bringing a saved game back onto a table that may have played before.
#include <gtest/gtest.h>

#include <algorithm>

#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

// Magenta saved half-way through a turn: two of its cards discarded after a
// red star, handsize already counting them out.
void savehalfway(GameState& s) {
    s.colour = 2;
    s.hand[2] = {22, 23, 24, 25, 26, 27, 28, NO_CARD, NO_CARD, NO_CARD, NO_CARD, NO_CARD, 0};
    s.turnhand[2] = s.hand[2];
    s.turnhand[2][1] = NO_CARD;
    s.turnhand[2][4] = NO_CARD;
    s.handsize = {7, 7, 5, 7, 0};
    s.starused = 1;
    s.drawn = 1;
    s.turnover = 0;
    s.topcard = 5;
    s.packpos = 40;
    s.restoring = 1;
}

TEST(Restore, AHalfWayTurnComesBackAsTheStartOfThatTurn) {
    Table<> t(3);
    t.restoreblue({4});  // a game won at this table before
    t.spinto(12);
    t.press(0);
    ASSERT_EQ(t.referee.gameover(), 1);

    savehalfway(t.state);
    t.view.sounds.clear();
    t.referee.Form_Load();
    t.state.restoring = 0;
    EXPECT_EQ(t.referee.gameover(), 0);
    EXPECT_EQ(t.referee.spinpos(), 0);
    EXPECT_EQ(t.referee.flash(), 0);
    EXPECT_EQ(t.view.dial, DIAL_AT_REST);
    EXPECT_EQ(t.view.closeup, CLOSEUP_AT_REST);
    EXPECT_FALSE(t.referee.dealing());
    EXPECT_FALSE(t.scheduler.running(TimerId::Timer3));
    EXPECT_TRUE(t.view.sounds.empty());

    EXPECT_EQ(t.hand(2), (std::vector<int16_t>{22, 24, 25, 27, 28}));
    EXPECT_EQ(t.screen(), "Magenta to Play | spin | 22 24 25 27 28");
    EXPECT_EQ(t.state.starused + t.state.drawn, 0);
    EXPECT_EQ(t.state.turnover, 1);
    EXPECT_EQ(t.view.colourscheme, 2);
    EXPECT_TRUE(t.view.turncaptionvisible && t.view.packvisible && t.view.nextplayervisible);

    // No click is judged against the spin that was not saved.
    t.press(0);
    EXPECT_EQ(t.state.handsize[2], 5);
}

TEST(Restore, ThePackIsWholeWithTheSavedTopWhereItWas) {
    Table<> t(3);
    t.random.setconstant(0.37);
    savehalfway(t.state);
    t.referee.Form_Load();
    std::vector<int16_t> pack(t.referee.packorder().begin(), t.referee.packorder().begin() + 48);
    EXPECT_EQ(pack[40], 5);
    std::sort(pack.begin(), pack.end());
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(pack[k], k);
    }
    t.spinto(9);
    t.presspack();
    EXPECT_EQ(t.hand(2).back(), 5);
    EXPECT_EQ(t.state.packpos, 41);
    EXPECT_EQ(t.state.topcard, t.referee.packorder()[41]);
}

}  // namespace
}  // namespace zandoli::testing
