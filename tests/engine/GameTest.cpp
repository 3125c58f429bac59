// Winning, New Game, restoring a saved game, the one-player rules, and whole
// games played to a win by the scripted player.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

TEST(Win, TheLastDiscardWinsTheCaptionFlashesAndOnlyNewGameAndExitAct) {
    Table<> t(2);
    t.restoreblue({4});
    t.spinto(12);  // 0.3
    t.press(0);
    EXPECT_EQ(t.referee.gameover(), 1);
    EXPECT_EQ(t.view.turncaption, "BLUE HAS WON!!!");
    EXPECT_TRUE(t.playing(SOUND_WIN));
    const Rgb blue = PLAYERS[0].playercolour;
    std::vector<Rgb> colours;
    for (int tick = 0; tick < 8; ++tick) {
        t.scheduler.advance(tick % 2 ? 1 : 249);
        colours.push_back(t.view.turncaptioncolour);
    }
    EXPECT_EQ(colours, (std::vector<Rgb>{blue, BLACK, BLACK, blue, blue, BLACK, BLACK, blue}));
    t.view.sounds.clear();
    t.referee.Label7_Click();
    t.referee.Label3_Click(2);
    EXPECT_TRUE(t.view.sounds.empty());
    t.referee.Label3_Click(0);
    EXPECT_EQ(t.view.exits, std::vector<bool>{false});  // a won game is not saved
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
    // A spin, a draw delay, a hand-over delay and a win flash, each interrupted.
    const std::vector<std::function<void(Table<>&)>> interrupted = {
        [](Table<>& t) { t.referee.Label7_Click(), t.scheduler.advance(100); },
        [](Table<>& t) { t.spinto(9), t.presspack(); },
        [](Table<>& t) { t.spinto(8), t.press(1); },
        [](Table<>& t) { t.restoreblue({4}), t.spinto(12), t.press(0); },
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
        EXPECT_EQ(t.view.turncaptioncolour, PLAYERS[0].playercolour);
        EXPECT_EQ(t.view.sounds.back(), SOUND_SHUFFLE);
    }
}

TEST(Restore, AHalfWayTurnComesBackAsTheStartOfThatTurnWithThePackRebuilt) {
    Table<> t(3);
    t.restoreblue({4});  // a game won at this table before
    t.spinto(12);
    t.press(0);
    ASSERT_EQ(t.referee.gameover(), 1);
    // Magenta saved after discarding two cards on a red star and drawing.
    GameState& s = t.state;
    s.colour = 2;
    s.hand[2] = {22, 23, 24, 25, 26, 27, 28, NO_CARD, NO_CARD, NO_CARD, NO_CARD, NO_CARD, 0};
    s.turnhand[2] = s.hand[2];
    s.turnhand[2][1] = s.turnhand[2][4] = NO_CARD;
    s.handsize = {7, 7, 5, 7, 0};
    s.starused = s.drawn = 1;
    s.turnover = 0;
    s.topcard = 5;
    s.packpos = 40;
    s.restoring = 1;
    t.random.setconstant(0.37);
    t.view.sounds.clear();
    t.referee.Form_Load();
    s.restoring = 0;
    EXPECT_EQ(t.referee.gameover() + t.referee.flash() + t.referee.spinpos(), 0);
    EXPECT_EQ(t.view.dial, DIAL_AT_REST);
    EXPECT_FALSE(t.referee.dealing() || t.scheduler.running(TimerId::Timer3));
    EXPECT_TRUE(t.view.sounds.empty());
    EXPECT_EQ(t.screen(), "Magenta to Play | spin | 22 24 25 27 28");
    EXPECT_EQ(s.starused + s.drawn, 0);
    EXPECT_EQ(s.turnover, 1);
    EXPECT_EQ(t.view.colourscheme, 2);
    t.press(0);  // no click is judged against the spin that was not saved
    EXPECT_EQ(s.handsize[2], 5);

    std::vector<int16_t> pack(t.referee.packorder().begin(), t.referee.packorder().begin() + 48);
    EXPECT_EQ(pack[40], 5);
    std::sort(pack.begin(), pack.end());
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(pack[k], k);
    }
    t.spinto(9);
    t.presspack();
    EXPECT_EQ(t.hand(2).back(), 5);
    EXPECT_EQ(s.topcard, t.referee.packorder()[41]);
    t.referee.Label3_Click(0);
    EXPECT_EQ(t.view.exits, std::vector<bool>{true});  // a game in play is saved
}

using Solo = Table<OnePlayerReferee>;

TEST(OnePlayer, StarsAndWrongCardsKeepTheTurnAndNextPlayerIsNeverTouched) {
    Solo t(1);
    t.deal();
    t.spinto(1);
    t.press(3);
    t.press(4);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 12 13 14");
    EXPECT_FALSE(t.scheduler.running(TimerId::Timer2));
    t.spinto(9);
    t.presspack();
    t.scheduler.advance(399);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 12 13 14");
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 12 13 14 36");
    t.spinto(8);
    t.press(0);
    t.press(1);
    EXPECT_EQ(t.screen(), "TURN OVER | message | 9 10 12 13 14 36");
    t.scheduler.advance(3000);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 9 10 12 13 14 36");
    EXPECT_EQ(t.view.spincount, "3");
    t.referee.Label3_Click(2);
    EXPECT_FALSE(t.view.nextplayertouched);
}

TEST(OnePlayer, ARestoredCountGoesOnToTheWinAndStopsAt32767) {
    Solo t(1);
    t.state.spins = 22;
    t.restoreblue({24});
    EXPECT_EQ(t.view.spincount, "22");
    t.spinto(14);  // 1
    t.press(0);
    EXPECT_EQ(t.view.turncaption, "GAME WON IN 23 SPINS!");
    EXPECT_EQ(t.view.turncaptionsize, 32);
    t.referee.Label3_Click(1);
    EXPECT_EQ(t.view.spincount, "");
    EXPECT_EQ(t.view.turncaptionsize, 36);
    t.state.spins = 32767;
    t.restoreblue({8, 9});
    t.spinto(0);
    EXPECT_EQ(t.view.spincount, "32767");
}

// Plays to a win, checking after every turn that the turn passed on and the
// table shows the new player's hand.
struct Game {
    Game(int players, uint64_t seed, int16_t playsound = 1) : random(seed) {
        state.numplayers = static_cast<int16_t>(players);
        state.playsound = playsound;
        referee = players == 1 ? std::make_unique<OnePlayerReferee>(state, view, scheduler, random)
                               : std::make_unique<Referee>(state, view, scheduler, random);
    }
    int playtowin() {
        ScriptedPlayer player(*referee, state, scheduler);
        player.startnewgame();
        for (int turn = 1; turn <= 2000; ++turn) {
            const int colour = state.colour;
            player.playturn();
            if (referee->gameover() == 1) {
                return turn;
            }
            scheduler.advance(3000);
            EXPECT_EQ(state.colour, (colour + 1) % state.numplayers);
            EXPECT_EQ(view.visibleslots(), std::min<int>(state.handsize[state.colour], 12));
        }
        return -1;
    }

    GameState state;
    RecordingView view;
    VirtualScheduler scheduler;
    SeededRandom random;
    std::unique_ptr<Referee> referee;
};

TEST(WholeGame, OneToFourPlayersPlayToAWinner) {
    for (int players = 1; players <= 4; ++players) {
        for (uint64_t seed = 1; seed <= 4; ++seed) {
            Game g(players, seed * 7919 + players, seed % 2 ? 1 : 0);
            const int turns = g.playtowin();
            ASSERT_GT(turns, 0) << players << " players, seed " << seed;
            EXPECT_EQ(g.state.handsize[g.state.colour], 0);
            EXPECT_EQ(g.view.visibleslots(), 0);
            EXPECT_EQ(g.view.sounds.empty(), seed % 2 == 0);
            if (players == 1) {
                EXPECT_EQ(g.view.turncaption, "GAME WON IN " + std::to_string(turns) + " SPINS!");
            } else {
                EXPECT_EQ(g.view.turncaption, PLAYERS[g.state.colour].wincaption);
                EXPECT_TRUE(g.scheduler.running(TimerId::Timer3));
            }
        }
    }
}

}  // namespace
}  // namespace zandoli::testing
