// The cards, the shuffle and deal, and the spinner.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "Pack.h"
#include "Sounds.h"
#include "Table.h"

namespace zandoli::testing {
namespace {

TEST(Cards, FourCardsMatchEachShapeNoneAStarAndNoCardNothing) {
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = SPINVALUES[p];
        int matching = 0;
        for (int16_t card = 0; card < PACK_SIZE; ++card) {
            matching += cardmatches(card, value);
        }
        EXPECT_EQ(matching, value == RED_STAR || value == BLUE_STAR ? 0 : 4) << "position " << p;
        EXPECT_FALSE(cardmatches(NO_CARD, value));
    }
    // 3 * 0.1 is not the literal 0.3: only the tolerance makes both match.
    EXPECT_NE(cardcatalogue()[4].cardvalue, cardcatalogue()[33].cardvalue);
    EXPECT_TRUE(cardmatches(4, 0.3) && cardmatches(33, 0.3));
    EXPECT_FALSE(valuesmatch(0.5 + 0.001, 0.5));
}

TEST(Deal, AlwaysZeroGeneratorGivesTheGoldenPackAfterTheDealDelay) {
    Table<> t(2);
    t.referee.Form_Load();
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SHUFFLE});
    // Nothing acts while the cards are being dealt.
    t.scheduler.advance(1199);
    t.referee.Label7_Click();
    for (int button = 0; button < 4; ++button) {
        t.referee.Label3_Click(button);
    }
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_TRUE(t.view.exits.empty() && t.view.rules == 0 && t.view.sounds.size() == 1);
    EXPECT_EQ(t.view.visibleslots(), 0);
    EXPECT_FALSE(t.view.turncaptionvisible || t.view.packvisible || t.view.nextplayervisible);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
    EXPECT_EQ(t.view.turncaptioncolour, PLAYERS[0].playercolour);
    EXPECT_TRUE(t.view.turncaptionvisible && t.view.packvisible && t.view.nextplayervisible);
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(t.referee.packorder()[k], (k + 8) % PACK_SIZE) << k;
    }
    EXPECT_EQ(t.hand(3), (std::vector<int16_t>{29, 30, 31, 32, 33, 34, 35}));
    EXPECT_EQ(t.state.topcard, 36);
    EXPECT_EQ(t.state.packpos, 28);
    // Once as the table opens, once when the deal delay ends: each reseeds.
    EXPECT_EQ(t.random.reseeds(), 2);
    EXPECT_EQ(t.random.draws(), 2 * SHUFFLE_PASSES * PACK_SIZE);
}

TEST(Deal, EveryDealIsAPermutationDealtInBlocksOfSeven) {
    std::vector<int16_t> identity(PACK_SIZE);
    std::iota(identity.begin(), identity.end(), int16_t{0});
    for (uint64_t seed = 1; seed <= 20; ++seed) {
        SeededRandom random(seed);
        PackOrder pack{};
        GameState state;
        shufflepack(pack, random);
        dealhands(state, pack);
        ASSERT_TRUE(std::is_permutation(pack.begin(), pack.begin() + PACK_SIZE, identity.begin()));
        for (int s = 0; s < 4 * DEALT_CARDS; ++s) {
            EXPECT_EQ(state.hand[s / 7][s % 7], pack[s]);
            EXPECT_EQ(state.turnhand[s / 7][s % 7], pack[s]);
        }
        EXPECT_EQ(state.topcard, pack[28]);
    }
}

TEST(Spin, StopsLengthStepsOnAndOnlyTheBlueStarKeepsNextPlayerDisabled) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forspinlength(21));
    t.referee.Label7_Click();
    EXPECT_TRUE(t.playing(SOUND_SPIN));
    t.scheduler.advance(50);
    EXPECT_EQ(t.view.dial, "Images\\zandolit01.jpg");  // the first spin starts from 0
    t.scheduler.advance(19 * 50);
    EXPECT_TRUE(t.referee.spinning());
    t.scheduler.advance(50);
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_EQ(t.referee.spinpos(), 5);
    EXPECT_TRUE(t.playing(SOUND_SPIN_END));
    t.referee.Label3_Click(2);
    t.random.queue(0.0);  // the shortest spin
    t.referee.Label7_Click();
    t.scheduler.advance(17 * 50);
    EXPECT_EQ(t.referee.spinpos(), 6);
    EXPECT_EQ(t.view.closeup, "Images\\zandolic06.jpg");
    t.referee.Label3_Click(2);
    for (int position = 0; position < 16; ++position) {
        t.spinto(position);
        const bool blue = position == 9;
        EXPECT_EQ(t.referee.nextenabled(), !blue) << position;
        EXPECT_EQ(t.view.nextplayerenabled, !blue) << position;
        EXPECT_FALSE(t.referee.spinenabled());
        blue ? (t.presspack(), t.scheduler.advance(3400)) : t.referee.Label3_Click(2);
        EXPECT_EQ(t.view.dial, DIAL_AT_REST);
        EXPECT_EQ(t.view.closeup, CLOSEUP_AT_REST);
    }
}

}  // namespace
}  // namespace zandoli::testing
