// Winning, New Game, restoring a saved game, the one-player rules, and whole
// games played to a win by the scripted player.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "engine/Sounds.h"
#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

TEST(Win, TheLastDiscardWinsTheCaptionFlashesAndOnlyNewGameAndExitAct) {
    Table<> t(2);
    t.restoreBlue({4});
    t.spinTo(12);  // 0.3
    t.press(0);
    EXPECT_EQ(t.referee.gameOver(), 1);
    EXPECT_EQ(t.view.turnCaption, "BLUE HAS WON!!!");
    EXPECT_TRUE(t.playing(SOUND_WIN));
    const Rgb blue = PLAYERS[0].playerColour;
    std::vector<Rgb> colours;
    for (int tick = 0; tick < 8; ++tick) {
        t.scheduler.advance(tick % 2 ? 1 : 249);
        colours.push_back(t.view.turnCaptionColour);
    }
    EXPECT_EQ(colours, (std::vector<Rgb>{blue, BLACK, BLACK, blue, blue, BLACK, BLACK, blue}));
    t.view.sounds.clear();
    t.referee.spinPressed();
    t.referee.buttonPressed(TableButton::NextPlayer);
    EXPECT_TRUE(t.view.sounds.empty());
    t.referee.buttonPressed(TableButton::Exit);
    EXPECT_EQ(t.view.exits, std::vector<bool>{false});  // a won game is not saved
}

TEST(Win, ARedStarWinIgnoresItsPendingHandOver) {
    Table<> t(3);
    t.restoreBlue({30});
    t.spinTo(1);
    t.press(0);
    ASSERT_EQ(t.referee.gameOver(), 1);
    t.scheduler.advance(3000);
    EXPECT_EQ(t.state.colour, 0);
    EXPECT_EQ(t.view.turnCaption, "BLUE HAS WON!!!");
}

TEST(Win, TheTitleStepsAsideFromTheWinCaptionUntilTheNextGame) {
    Table<> t(2);
    t.restoreBlue({4});
    t.spinTo(12);
    EXPECT_TRUE(t.view.titleVisible);
    t.press(0);
    ASSERT_EQ(t.referee.gameOver(), 1);
    EXPECT_FALSE(t.view.titleVisible);
    t.scheduler.advance(2000);  // the flash does not bring it back
    EXPECT_FALSE(t.view.titleVisible);
    t.referee.buttonPressed(TableButton::NewGame);
    EXPECT_TRUE(t.view.titleVisible);

    // A won table opened again shows its title too, whether dealt or restored.
    for (int16_t restoring : {0, 1}) {
        t.restoreBlue({4});
        t.spinTo(12);
        t.press(0);
        ASSERT_FALSE(t.view.titleVisible);
        t.state.restoring = restoring;
        t.referee.load();
        t.state.restoring = 0;
        EXPECT_TRUE(t.view.titleVisible) << restoring;
    }
}

TEST(NewGame, StopsWhatTheOldGameLeftRunning) {
    // A spin, a draw delay, a hand-over delay and a win flash, each interrupted.
    const std::vector<std::function<void(Table<>&)>> interrupted = {
        [](Table<>& t) { t.referee.spinPressed(), t.scheduler.advance(100); },
        [](Table<>& t) { t.spinTo(9), t.pressPack(); },
        [](Table<>& t) { t.spinTo(8), t.press(1); },
        [](Table<>& t) { t.restoreBlue({4}), t.spinTo(12), t.press(0); },
    };
    for (const auto& play : interrupted) {
        Table<> t(2);
        t.deal();
        play(t);
        t.referee.buttonPressed(TableButton::NewGame);
        EXPECT_FALSE(t.referee.spinning());
        t.scheduler.advance(10000);
        EXPECT_EQ(t.referee.spinPos(), 0);
        EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
        EXPECT_EQ(t.view.turnCaptionColour, PLAYERS[0].playerColour);
        EXPECT_EQ(t.view.sounds.back(), SOUND_SHUFFLE);
    }
}

TEST(Restore, AHalfWayTurnComesBackAsTheStartOfThatTurnWithThePackRebuilt) {
    Table<> t(3);
    t.restoreBlue({4});  // a game won at this table before
    t.spinTo(12);
    t.press(0);
    ASSERT_EQ(t.referee.gameOver(), 1);
    // Magenta saved after discarding two cards on a red star and drawing.
    GameState& s = t.state;
    s.colour = 2;
    s.hand[2] = {22, 23, 24, 25, 26, 27, 28, NO_CARD, NO_CARD, NO_CARD, NO_CARD, NO_CARD, 0};
    s.turnHand[2] = s.hand[2];
    s.turnHand[2][1] = s.turnHand[2][4] = NO_CARD;
    s.handSize = {7, 7, 5, 7, 0};
    s.starUsed = s.drawn = 1;
    s.turnOver = 0;
    s.topCard = 5;
    s.packPos = 40;
    s.restoring = 1;
    t.random.setConstant(0.37);
    t.view.sounds.clear();
    t.referee.load();
    s.restoring = 0;
    EXPECT_EQ(t.referee.gameOver() + t.referee.flash() + t.referee.spinPos(), 0);
    EXPECT_EQ(t.view.dial, DIAL_AT_REST);
    EXPECT_FALSE(t.referee.dealing() || t.scheduler.running(TimerId::WinFlash));
    EXPECT_TRUE(t.view.sounds.empty());
    EXPECT_EQ(t.screen(), "Magenta to Play | spin | 22 24 25 27 28");
    EXPECT_EQ(s.starUsed + s.drawn, 0);
    EXPECT_EQ(s.turnOver, 1);
    EXPECT_EQ(t.view.colourScheme, 2);
    EXPECT_EQ(t.referee.phase(), Referee::Phase::AwaitingSpin);
    t.press(0);  // no click is judged against the spin that was not saved
    EXPECT_EQ(s.handSize[2], 5);

    std::vector<int16_t> pack(t.referee.packOrder().begin(), t.referee.packOrder().begin() + 48);
    EXPECT_EQ(pack[40], 5);
    std::sort(pack.begin(), pack.end());
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(pack[k], k);
    }
    t.spinTo(9);
    t.pressPack();
    EXPECT_EQ(t.hand(2).back(), 5);
    EXPECT_EQ(s.topCard, t.referee.packOrder()[41]);
    t.referee.buttonPressed(TableButton::Exit);
    EXPECT_EQ(t.view.exits, std::vector<bool>{true});  // a game in play is saved
}

using Solo = Table<OnePlayerReferee>;

TEST(OnePlayer, StarsAndWrongCardsKeepTheTurnAndNextPlayerIsNeverTouched) {
    Solo t(1);
    t.deal();
    t.spinTo(1);
    t.press(3);
    t.press(4);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 12 13 14");
    EXPECT_FALSE(t.scheduler.running(TimerId::HandOver));
    t.spinTo(9);
    t.pressPack();
    t.scheduler.advance(399);
    EXPECT_EQ(t.screen(), "Blue to Play | 8 9 10 12 13 14");
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 12 13 14 36");
    t.spinTo(8);
    t.press(0);
    t.press(1);
    EXPECT_EQ(t.screen(), "TURN OVER | message | 9 10 12 13 14 36");
    t.scheduler.advance(3000);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 9 10 12 13 14 36");
    EXPECT_EQ(t.view.spinCount, "3");
    t.referee.buttonPressed(TableButton::NextPlayer);
    EXPECT_FALSE(t.view.nextPlayerTouched);
}

TEST(OnePlayer, ACardClickedBeforeTheNewTurnBeginsIsNotJudged) {
    Solo t(1);
    t.deal();
    t.spinTo(8);  // 0.7
    t.random.queue(FixedRandom::forSpinLength(18));
    t.referee.spinPressed();
    t.press(0);  // 0.7 is still under the pointer, but its turn is over
    t.scheduler.advance(1 + 18 * 50);
    EXPECT_EQ(t.referee.spinPos(), 10);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
}

TEST(OnePlayer, ARestoredCountGoesOnToTheWinAndStopsAt32767) {
    Solo t(1);
    t.state.spins = 22;
    t.restoreBlue({24});
    EXPECT_EQ(t.view.spinCount, "22");
    t.spinTo(14);  // 1
    t.press(0);
    EXPECT_EQ(t.view.turnCaption, "GAME WON IN 23 SPINS!");
    EXPECT_EQ(t.view.turnCaptionSize, 32);
    EXPECT_TRUE(t.referee.spinEnabled());
    t.referee.spinPressed();  // a won game does not spin
    t.scheduler.advance(3000);
    EXPECT_EQ(t.view.turnCaption, "GAME WON IN 23 SPINS!");
    t.referee.buttonPressed(TableButton::NewGame);
    EXPECT_EQ(t.view.spinCount, "");
    EXPECT_EQ(t.view.turnCaptionSize, 36);
    t.state.spins = 32767;
    t.restoreBlue({8, 9});
    t.spinTo(0);
    EXPECT_EQ(t.view.spinCount, "32767");
}

TEST(OnePlayer, TheTitleStepsAsideFromTheWinCaptionUntilNewGame) {
    Solo t(1);
    t.state.spins = 32766;
    t.restoreBlue({24});
    t.spinTo(14);
    t.press(0);
    EXPECT_EQ(t.view.turnCaption, "GAME WON IN 32767 SPINS!");
    EXPECT_FALSE(t.view.titleVisible);
    t.referee.buttonPressed(TableButton::NewGame);
    EXPECT_TRUE(t.view.titleVisible);
}

// Plays to a win, checking after every turn that the turn passed on and the
// table shows the new player's hand.
struct Game {
    Game(int players, uint64_t seed, int16_t playSound = 1) : random(seed) {
        state.numPlayers = static_cast<int16_t>(players);
        state.playSound = playSound;
        referee = refereeFor(players, state, view, scheduler, random);
    }
    int playToWin() {
        ScriptedPlayer player(*referee, state, scheduler);
        player.startNewGame();
        for (int turn = 1; turn <= 2000; ++turn) {
            const int colour = state.colour;
            player.playTurn();
            if (referee->gameOver() == 1) {
                return turn;
            }
            scheduler.advance(3000);
            EXPECT_EQ(state.colour, (colour + 1) % state.numPlayers);
            EXPECT_EQ(view.visibleSlots(), std::min<int>(state.handSize[state.colour], 12));
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
            const int turns = g.playToWin();
            ASSERT_GT(turns, 0) << players << " players, seed " << seed;
            EXPECT_EQ(g.state.handSize[g.state.colour], 0);
            EXPECT_EQ(g.view.visibleSlots(), 0);
            EXPECT_EQ(g.view.sounds.empty(), seed % 2 == 0);
            if (players == 1) {
                EXPECT_EQ(g.view.turnCaption, "GAME WON IN " + std::to_string(turns) + " SPINS!");
            } else {
                EXPECT_EQ(g.view.turnCaption, PLAYERS[g.state.colour].winCaption);
                EXPECT_TRUE(g.scheduler.running(TimerId::WinFlash));
            }
        }
    }
}

}  // namespace
}  // namespace zandoli::testing
