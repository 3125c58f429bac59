// The end of a game, the win flash, and what New Game and the bottom buttons
// may and may not do.
#include <gtest/gtest.h>

#include <functional>

#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

TEST(Win, TheLastDiscardWinsAndTheCaptionFlashes) {
    Table<> t(2);
    t.restoreblue({4});
    t.spinto(12);  // 0.3
    t.press(0);
    EXPECT_EQ(t.referee.gameover(), 1);
    EXPECT_EQ(t.view.turncaption, "BLUE HAS WON!!!");
    EXPECT_TRUE(t.playing(SOUND_WIN));
    const Rgb blue = PLAYERS[0].playercolour;
    std::vector<Rgb> colours;
    for (int tick = 0; tick < 4; ++tick) {
        t.scheduler.advance(249);
        colours.push_back(t.view.turncaptioncolour);
        t.scheduler.advance(1);
        colours.push_back(t.view.turncaptioncolour);
    }
    EXPECT_EQ(colours, (std::vector<Rgb>{blue, BLACK, BLACK, blue, blue, BLACK, BLACK, blue}));

    // After a win only New Game, Exit and The Rules act.
    t.view.sounds.clear();
    t.referee.Label7_Click();
    t.referee.Label3_Click(2);
    EXPECT_TRUE(t.view.sounds.empty());
    t.referee.Label3_Click(0);
    EXPECT_EQ(t.view.exits, std::vector<bool>{false});

    t.referee.Label3_Click(1);
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SHUFFLE});
    EXPECT_FALSE(t.view.turncaptionvisible);
    t.scheduler.advance(2200);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
    EXPECT_EQ(t.view.turncaptioncolour, blue);
}

TEST(Win, ARedStarWinIgnoresItsPendingHandOver) {
    Table<> t(3);
    t.restoreblue({30});
    t.spinto(1);
    t.press(0);
    ASSERT_EQ(t.referee.gameover(), 1);
    t.scheduler.advance(3000);
    EXPECT_EQ(t.state.colour, 0);
    EXPECT_EQ(t.view.turncaption, "BLUE HAS WON!!!");
}

TEST(NewGame, StopsWhatTheOldGameLeftRunning) {
    // A spin, a draw delay and a hand-over delay each interrupted by New Game.
    const std::vector<std::function<void(Table<>&)>> interrupted = {
        [](Table<>& t) {
            t.referee.Label7_Click();
            t.scheduler.advance(100);
        },
        [](Table<>& t) {
            t.spinto(9);
            t.presspack();
        },
        [](Table<>& t) {
            t.spinto(8);
            t.press(1);
        },
    };
    for (const auto& play : interrupted) {
        Table<> t(2);
        t.deal();
        play(t);
        t.referee.Label3_Click(1);
        EXPECT_FALSE(t.referee.spinning());
        t.scheduler.advance(10000);
        EXPECT_EQ(t.referee.spinpos(), 0);
        EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
        EXPECT_EQ(t.view.sounds.back(), SOUND_SHUFFLE);
    }
}

TEST(Buttons, ExitAndTheRules) {
    Table<> t(4);
    t.deal();
    t.referee.Label3_Click(0);
    EXPECT_EQ(t.view.exits, std::vector<bool>{true});
    t.referee.Label3_Click(3);
    EXPECT_EQ(t.view.rules, 1);
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_CLICK});
    t.state.playsound = 0;
    t.referee.Label3_Click(3);
    EXPECT_EQ(t.view.rules, 2);
    EXPECT_EQ(t.view.sounds.size(), 1u);
}

}  // namespace
}  // namespace zandoli::testing
