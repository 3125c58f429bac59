// The shuffle and the deal: the order the generator makes, and what each
// colour and the pack receive.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "Pack.h"
#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

TEST(Deal, AlwaysZeroGeneratorGivesTheGoldenPack) {
    Table<> t(4);
    t.deal();
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(t.referee.packorder()[k], (k + 8) % PACK_SIZE) << k;
    }
    EXPECT_EQ(t.hand(0), (std::vector<int16_t>{8, 9, 10, 11, 12, 13, 14}));
    EXPECT_EQ(t.hand(3), (std::vector<int16_t>{29, 30, 31, 32, 33, 34, 35}));
    EXPECT_EQ(t.state.topcard, 36);
    EXPECT_EQ(t.state.packpos, 28);
    // Once as the table opens, once when the deal delay ends: each reseeds.
    EXPECT_EQ(t.random.reseeds(), 2);
    EXPECT_EQ(t.random.draws(), 2 * SHUFFLE_PASSES * PACK_SIZE);
    EXPECT_EQ(t.view.shownfaces(), (std::vector<int>{8, 9, 10, 11, 12, 13, 14}));
}

TEST(Deal, EveryDealIsAPermutationDealtInBlocksOfSeven) {
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        PackOrder pack{};
        GameState state;
        shufflepack(pack, random);
        dealhands(state, pack);
        std::vector<int16_t> sorted(pack.begin(), pack.begin() + PACK_SIZE);
        std::sort(sorted.begin(), sorted.end());
        std::vector<int16_t> identity(PACK_SIZE);
        std::iota(identity.begin(), identity.end(), int16_t{0});
        ASSERT_EQ(sorted, identity) << "seed " << seed;
        for (int p = 0; p < PLAYING_COLOURS; ++p) {
            for (int s = 0; s < DEALT_CARDS; ++s) {
                EXPECT_EQ(state.hand[p][s], pack[7 * p + s]);
                EXPECT_EQ(state.turnhand[p][s], state.hand[p][s]);
            }
        }
        EXPECT_EQ(state.topcard, pack[28]);
    }
}

TEST(Deal, TheHandsAndTheButtonsWaitForTheDealDelay) {
    Table<> t(2);
    t.referee.Form_Load();
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SHUFFLE});
    t.scheduler.advance(1199);
    t.referee.Label7_Click();
    for (int index = 0; index < 4; ++index) {
        t.referee.Label3_Click(index);
    }
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_TRUE(t.view.exits.empty() && t.view.rules == 0);
    EXPECT_EQ(t.view.sounds.size(), 1u);
    EXPECT_EQ(t.view.visibleslots(), 0);
    EXPECT_FALSE(t.view.turncaptionvisible || t.view.packvisible || t.view.nextplayervisible);
    t.scheduler.advance(1);
    EXPECT_FALSE(t.referee.dealing());
    EXPECT_EQ(t.view.visibleslots(), 7);
    EXPECT_EQ(t.view.turncaption, "Blue to Play");
    EXPECT_EQ(t.view.turncaptioncolour, PLAYERS[0].playercolour);
    EXPECT_TRUE(t.view.turncaptionvisible && t.view.packvisible && t.view.nextplayervisible);
    EXPECT_FALSE(t.view.nextplayerenabled);
    EXPECT_TRUE(t.view.spinenabled && t.referee.spinenabled());
}

}  // namespace
}  // namespace zandoli::testing
