// Whole games played to a win by the scripted player, checking the table
// between turns.
#include <gtest/gtest.h>

#include "FixedRandom.h"
#include "OnePlayerReferee.h"
#include "RecordingView.h"
#include "ScriptedPlayer.h"
#include "VirtualScheduler.h"

namespace zandoli::testing {
namespace {

struct Game {
    Game(int players, uint64_t seed, int16_t playsound = 1) : random(seed) {
        state.numplayers = static_cast<int16_t>(players);
        state.playsound = playsound;
        referee = players == 1 ? std::make_unique<OnePlayerReferee>(state, view, scheduler, random)
                               : std::make_unique<Referee>(state, view, scheduler, random);
    }
    // Plays turns until a win, checking what every new turn shows.
    int playtowin() {
        ScriptedPlayer player(*referee, state, scheduler);
        player.startnewgame();
        for (int turn = 1; turn <= 2000; ++turn) {
            const int colour = state.colour;
            player.playturn();
            if (referee->gameover() == 1) {
                return turn;
            }
            if (state.numplayers > 1 || scheduler.running(TimerId::Timer2)) {
                scheduler.advance(3000);  // a one-player wrong card never happens here
                EXPECT_EQ(state.colour, (colour + 1) % state.numplayers);
            }
            const int shown = state.handsize[state.colour];
            EXPECT_EQ(view.visibleslots(), shown) << "turn " << turn;
            for (int s = 0; s < shown; ++s) {
                EXPECT_TRUE(iscard(state.hand[state.colour][s]));
            }
        }
        return -1;
    }

    GameState state;
    RecordingView view;
    VirtualScheduler scheduler;
    SeededRandom random;
    std::unique_ptr<Referee> referee;
};

TEST(WholeGame, TwoToFourPlayersPlayToAWinner) {
    for (int players : {2, 3, 4}) {
        for (uint64_t seed = 1; seed <= 5; ++seed) {
            Game g(players, seed * 7919 + players);
            const int turns = g.playtowin();
            ASSERT_GT(turns, 0) << players << " players, seed " << seed;
            EXPECT_EQ(g.view.turncaption, PLAYERS[g.state.colour].wincaption);
            EXPECT_EQ(g.state.handsize[g.state.colour], 0);
            EXPECT_EQ(g.view.visibleslots(), 0);
            EXPECT_TRUE(g.scheduler.running(TimerId::Timer3));
        }
    }
}

TEST(WholeGame, OnePlayerWinReportsEverySpin) {
    for (uint64_t seed = 1; seed <= 5; ++seed) {
        Game g(1, seed);
        const int turns = g.playtowin();
        ASSERT_GT(turns, 0) << "seed " << seed;
        EXPECT_EQ(g.state.spins, turns);
        EXPECT_EQ(g.view.turncaption, "GAME WON IN " + std::to_string(turns) + " SPINS!");
        EXPECT_EQ(g.view.turncaptionsize, 32);
    }
}

TEST(WholeGame, NoSoundWhenSoundIsOff) {
    Game g(3, 42, 0);
    ASSERT_GT(g.playtowin(), 0);
    EXPECT_TRUE(g.view.sounds.empty());
}

}  // namespace
}  // namespace zandoli::testing
