// Winning, New Game, restoring a saved game, the one-player rules, and whole
// games played to a win by the scripted player.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

TEST(Win, EachColourWinsWithItsCaptionFlashingInItsColourAndBlack) {
    struct Winner {
        const char* turn;
        const char* won;
        Rgb colour;
    };
    const Winner winners[] = {{"Blue to Play", "BLUE HAS WON!!!", {0, 155, 255}},
                              {"Yellow to Play", "YELLOW HAS WON!!!", {255, 255, 0}},
                              {"Magenta to Play", "MAGENTA HAS WON!!!", {255, 0, 255}},
                              {"Green to Play", "GREEN HAS WON!!!", {0, 255, 0}}};
    for (int colour = 0; colour < 4; ++colour) {
        const auto& [turn, won, rgb] = winners[colour];
        Table<> t(4);
        t.restore(colour, {4});  // 0.3
        EXPECT_EQ(t.screen(), std::string(turn) + " | spin | 4");
        EXPECT_EQ(t.view.turnCaptionColour, rgb);
        t.spinTo(12);
        const std::string wonLine = std::string(won) + " | next | |";
        EXPECT_EQ(t.play("click 0"), wonLine + " dealcard fanf3");
        EXPECT_FALSE(t.view.titleVisible);  // the caption reaches under it
        std::vector<Rgb> colours;
        for (int wait : {249, 1, 249, 1, 249, 1}) {
            t.scheduler.advance(wait);
            colours.push_back(t.view.turnCaptionColour);
        }
        EXPECT_EQ(colours, (std::vector<Rgb>{rgb, BLACK, BLACK, rgb, rgb, BLACK})) << won;
        for (const char* press : {"spinbutton", "next", "click 0", "pack", "wait 3000"}) {
            EXPECT_EQ(t.play(press), wonLine) << press;
        }
        EXPECT_FALSE(t.view.titleVisible);
        EXPECT_EQ(t.play("exit"), wonLine + " | exit");  // a won game is not saved
        EXPECT_EQ(t.play("newgame"), "- | | shuffle4");
        EXPECT_TRUE(t.view.titleVisible);
        EXPECT_EQ(t.play("wait 1200"), "Blue to Play | spin | 8 9 10 11 12 13 14 |");
    }
}

TEST(Win, ARedStarWinIgnoresItsPendingHandOver) {
    Table<> t(3);
    t.restore(1, {30});
    t.spinTo(1);
    EXPECT_EQ(t.play("click 0"), "YELLOW HAS WON!!! | | dealcard fanf3");
    EXPECT_EQ(t.play("wait 3000"), "YELLOW HAS WON!!! | |");
}

// Whatever the old game left running or set, the new one starts from the
// deal, Blue to play, the pointer at the top, the red star's card unused.
TEST(NewGame, StartsAfreshWhateverTheOldGameWasDoing) {
    const std::vector<std::function<void(Table<>&)>> interrupted = {
        [](Table<>& t) {
            t.random.queue(FixedRandom::forSpinLength(30));
            t.referee.spinPressed(), t.scheduler.advance(100);
        },
        [](Table<>& t) { t.spinTo(9), t.pressPack(); },
        [](Table<>& t) { t.spinTo(9), t.pressPack(), t.scheduler.advance(400); },
        [](Table<>& t) { t.spinTo(8), t.press(1); },
        [](Table<>& t) { t.spinTo(5), t.press(1); },
        [](Table<>& t) { t.restore(0, {4}), t.spinTo(12), t.press(0); },
        [](Table<>& t) {
            t.random.queue(FixedRandom::forSpinLength(30));
            t.referee.spinPressed(), t.scheduler.advance(500), t.play("exit"), t.referee.load();
        },
    };
    for (const auto& play : interrupted) {
        Table<> t(2);
        t.deal();
        play(t);
        if (t.referee.dealing()) {
            t.scheduler.advance(1200);
        } else {
            EXPECT_TRUE(t.play("newgame").ends_with("| shuffle4"));
            EXPECT_EQ(t.play("wait 10000"), "Blue to Play | spin | 8 9 10 11 12 13 14 |");
        }
        EXPECT_EQ(t.view.dial, "Images\\wdial.jpg");
        EXPECT_EQ(t.view.closeup, "Images\\wblank.jpg");
        EXPECT_EQ(t.view.turnCaptionColour, (Rgb{0, 155, 255}));
        EXPECT_EQ(t.state.drawn, 0);
        // The shortest spin: seventeen steps from the top stop on the red star.
        t.random.queue(0.0);
        EXPECT_EQ(t.play("spinbutton"), "Blue to Play | 8 9 10 11 12 13 14 | wheel4");
        EXPECT_EQ(t.play("wait 800"), "Blue to Play | 8 9 10 11 12 13 14 |");
        EXPECT_EQ(t.play("wait 50"), "Blue to Play | next | 8 9 10 11 12 13 14 | key");
        EXPECT_EQ(t.view.dial, "Images\\zandolit01.jpg");
        EXPECT_EQ(t.play("click 0"), "Blue to Play | 9 10 11 12 13 14 | dealcard");
    }
}

TEST(Restore, AHalfWayTurnComesBackAsTheStartOfThatTurnWithThePackRebuilt) {
    for (bool won : {true, false}) {
        Table<> t(3);
        t.deal();
        if (won) {  // a game won at this table before, the caption mid-flash
            t.restore(0, {4});
            t.spinTo(12);
            t.press(0);
            t.scheduler.advance(250);
        } else {  // left by Exit mid-spin
            t.random.queue(FixedRandom::forSpinLength(30));
            t.referee.spinPressed();
            t.scheduler.advance(500);
            EXPECT_EQ(t.play("exit"), "Blue to Play | 8 9 10 11 12 13 14 | | exit, saving");
        }
        // Magenta saved after a red-star discard from slot 1 and a wrong card at slot 4.
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
        EXPECT_EQ(t.play("load"), "Magenta to Play | spin | 22 24 25 27 28 |");
        s.restoring = 0;
        EXPECT_EQ(t.view.dial, "Images\\wdial.jpg");
        EXPECT_EQ(t.view.colourScheme, 2);
        EXPECT_TRUE(t.view.titleVisible && t.view.packVisible && t.view.nextPlayerVisible);
        EXPECT_EQ(t.play("click 0"), "Magenta to Play | spin | 22 24 25 27 28 |");
        EXPECT_EQ(t.play("exit"), "Magenta to Play | spin | 22 24 25 27 28 | | exit, saving");
        EXPECT_EQ(s.starUsed + s.drawn, 0);
        EXPECT_EQ(s.turnOver, 1);
        // The pointer starts at the top, and the saved red star's card is there again.
        t.random.queue(0.0);
        t.play("spinbutton");
        EXPECT_EQ(t.play("wait 850"), "Magenta to Play | next | 22 24 25 27 28 | key");
        EXPECT_EQ(t.play("click 0"), "Magenta to Play | 24 25 27 28 | dealcard");
        // The next draw gives the saved top card; the pack holds every card once.
        std::vector<int16_t> pack(t.referee.packOrder().begin(),
                                  t.referee.packOrder().begin() + 48);
        std::sort(pack.begin(), pack.end());
        for (int k = 0; k < 48; ++k) {
            EXPECT_EQ(pack[k], k);
        }
        t.scheduler.advance(3000);
        t.spinTo(9);
        t.pressPack();
        EXPECT_EQ(t.hand(0).back(), 5);
        EXPECT_EQ(s.topCard, t.referee.packOrder()[41]);
    }
}

using Solo = Table<OnePlayerReferee>;

TEST(OnePlayer, StarsAndWrongCardsKeepTheTurnAndNextPlayerIsNeverTouched) {
    Solo t(1);
    t.deal();
    EXPECT_EQ(t.play("spin 1"), "Blue to Play | spin | 8 9 10 11 12 13 14 | wheel4 key");
    EXPECT_EQ(t.view.spinCount, "1");
    EXPECT_EQ(t.play("click 3"), "Blue to Play | spin | 8 9 10 12 13 14 | dealcard");
    EXPECT_EQ(t.play("click 4"), "Blue to Play | spin | 8 9 10 12 13 14 |");
    EXPECT_EQ(t.play("wait 3000"), "Blue to Play | spin | 8 9 10 12 13 14 |");
    EXPECT_EQ(t.play("spin 9"), "Blue to Play | 8 9 10 12 13 14 | wheel4 key");
    EXPECT_EQ(t.play("pack"), "Blue to Play | 8 9 10 12 13 14 | stapler");
    EXPECT_EQ(t.play("wait 399"), "Blue to Play | 8 9 10 12 13 14 |");
    EXPECT_EQ(t.play("wait 1"), "Blue to Play | spin | 8 9 10 12 13 14 36 |");
    EXPECT_EQ(t.play("spin 8"), "Blue to Play | spin | 8 9 10 12 13 14 36 | wheel4 key");
    EXPECT_EQ(t.play("click 0"), "Blue to Play | spin | 9 10 12 13 14 36 | dealcard");
    EXPECT_EQ(t.play("click 1"), "TURN OVER | message | 9 10 12 13 14 36 | boink");
    EXPECT_EQ(t.play("wait 3000"), "Blue to Play | spin | 9 10 12 13 14 36 | scrape");
    EXPECT_EQ(t.view.spinCount, "3");
    EXPECT_EQ(t.play("next"), "Blue to Play | spin | 9 10 12 13 14 36 |");
    EXPECT_FALSE(t.view.nextPlayerTouched);
}

TEST(OnePlayer, ACardClickedBeforeTheNewTurnBeginsIsNotJudged) {
    Solo t(1);
    t.deal();
    t.spinTo(8);  // 0.7
    t.random.queue(FixedRandom::forSpinLength(18));
    EXPECT_EQ(t.play("spinbutton"), "Blue to Play | 8 9 10 11 12 13 14 |");
    // 0.7 is still under the pointer, but its turn is over.
    EXPECT_EQ(t.play("click 0"), "Blue to Play | 8 9 10 11 12 13 14 |");
    EXPECT_EQ(t.play("wait 1"), "Blue to Play | 8 9 10 11 12 13 14 | wheel4");
    EXPECT_EQ(t.play("wait 900"), "Blue to Play | spin | 8 9 10 11 12 13 14 | key");
    EXPECT_EQ(t.view.dial, "Images\\zandolit10.jpg");
}

TEST(OnePlayer, EachGameCountsItsOwnSpinsUpTo32767) {
    Solo t(1);
    t.state.spins = 22;
    t.restore(0, {24});
    EXPECT_EQ(t.view.spinCount, "22");
    t.spinTo(14);  // 1
    EXPECT_EQ(t.play("click 0"), "GAME WON IN 23 SPINS! | spin | | dealcard fanf3");
    EXPECT_EQ(t.view.turnCaptionSize, 32);
    EXPECT_FALSE(t.view.titleVisible);
    EXPECT_EQ(t.play("spinbutton"),
              "GAME WON IN 23 SPINS! | spin | |");  // a won game does not spin
    EXPECT_EQ(t.play("wait 3000"), "GAME WON IN 23 SPINS! | spin | |");
    EXPECT_EQ(t.play("newgame"), "- | spin | | shuffle4");
    EXPECT_EQ(t.view.spinCount, "");
    EXPECT_EQ(t.view.turnCaptionSize, 36);
    EXPECT_TRUE(t.view.titleVisible);
    t.scheduler.advance(1200);
    t.spinTo(3);
    t.spinTo(4);
    EXPECT_EQ(t.view.spinCount, "2");
    t.referee.load();  // the table left and opened again on a new game
    t.scheduler.advance(1200);
    t.spinTo(5);
    EXPECT_EQ(t.view.spinCount, "1");
    t.state.spins = 32766;
    t.restore(0, {24});
    t.spinTo(14);
    t.spinTo(14);
    EXPECT_EQ(t.view.spinCount, "32767");
    EXPECT_EQ(t.play("click 0"), "GAME WON IN 32767 SPINS! | spin | | dealcard fanf3");
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

TEST(WholeGame, OneToFourPlayersPlayTwoGamesEachToAWinner) {
    const char* const wins[] = {"BLUE HAS WON!!!", "YELLOW HAS WON!!!", "MAGENTA HAS WON!!!",
                                "GREEN HAS WON!!!"};
    for (int players = 1; players <= 4; ++players) {
        for (uint64_t seed = 1; seed <= 2; ++seed) {
            Game g(players, seed * 7919 + players, seed % 2 ? 1 : 0);
            for (int game = 0; game < 2; ++game) {
                const int turns = g.playToWin();
                ASSERT_GT(turns, 0) << players << " players, seed " << seed;
                EXPECT_EQ(g.view.visibleSlots(), 0);
                EXPECT_EQ(g.view.sounds.empty(), seed % 2 == 0);
                // One player: every turn is one spin, and the count is this game's.
                EXPECT_EQ(g.view.turnCaption,
                          players == 1 ? "GAME WON IN " + std::to_string(turns) + " SPINS!"
                                       : wins[g.state.colour]);
                if (game == 0) {
                    // A table's first win flashes to black first.
                    g.scheduler.advance(250);
                    EXPECT_EQ(g.view.turnCaptionColour, BLACK);
                }
            }
        }
    }
}

}  // namespace
}  // namespace zandoli::testing
