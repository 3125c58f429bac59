// The cards, the shuffle and deal, and the spinner.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/Pack.h"
#include "engine/Sounds.h"
#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

TEST(Cards, FourCardsMatchEachShapeNoneAStarAndNoCardNothing) {
    for (int p = 0; p < SPIN_POSITIONS; ++p) {
        const double value = SPINVALUES[p];
        int matching = 0;
        for (int16_t card = 0; card < PACK_SIZE; ++card) {
            matching += cardMatches(card, value);
        }
        EXPECT_EQ(matching, value == RED_STAR || value == BLUE_STAR ? 0 : 4) << "position " << p;
        EXPECT_FALSE(cardMatches(NO_CARD, value));
    }
    // 3 * 0.1 is not the literal 0.3: only the tolerance makes both match.
    EXPECT_NE(cardCatalogue()[4].value, cardCatalogue()[33].value);
    EXPECT_TRUE(cardMatches(4, 0.3) && cardMatches(33, 0.3));
    EXPECT_FALSE(valuesMatch(0.5 + 0.001, 0.5));
}

TEST(Deal, AlwaysZeroGeneratorGivesTheGoldenPackAfterTheDealDelay) {
    Table<> t(2);
    t.referee.load();
    EXPECT_EQ(t.view.sounds, std::vector<std::string>{SOUND_SHUFFLE});
    // Nothing acts while the cards are being dealt.
    t.scheduler.advance(1199);
    t.referee.spinPressed();
    for (TableButton button :
         {TableButton::Exit, TableButton::NewGame, TableButton::NextPlayer, TableButton::Rules}) {
        t.referee.buttonPressed(button);
    }
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_TRUE(t.view.exits.empty() && t.view.rules == 0 && t.view.sounds.size() == 1);
    EXPECT_EQ(t.view.visibleSlots(), 0);
    EXPECT_FALSE(t.view.turnCaptionVisible || t.view.packVisible || t.view.nextPlayerVisible);
    t.scheduler.advance(1);
    EXPECT_EQ(t.screen(), "Blue to Play | spin | 8 9 10 11 12 13 14");
    EXPECT_EQ(t.view.turnCaptionColour, PLAYERS[0].playerColour);
    EXPECT_TRUE(t.view.turnCaptionVisible && t.view.packVisible && t.view.nextPlayerVisible);
    for (int k = 0; k < PACK_SIZE; ++k) {
        EXPECT_EQ(t.referee.packOrder()[k], (k + 8) % PACK_SIZE) << k;
    }
    EXPECT_EQ(t.hand(3), (std::vector<int16_t>{29, 30, 31, 32, 33, 34, 35}));
    EXPECT_EQ(t.state.topCard, 36);
    EXPECT_EQ(t.state.packPos, 28);
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
        shufflePack(pack, random);
        dealHands(state, pack);
        ASSERT_TRUE(std::is_permutation(pack.begin(), pack.begin() + PACK_SIZE, identity.begin()));
        for (int s = 0; s < 4 * DEALT_CARDS; ++s) {
            EXPECT_EQ(state.hand[s / 7][s % 7], pack[s]);
            EXPECT_EQ(state.turnHand[s / 7][s % 7], pack[s]);
        }
        EXPECT_EQ(state.topCard, pack[28]);
    }
}

TEST(Spin, StopsLengthStepsOnAndOnlyTheBlueStarKeepsNextPlayerDisabled) {
    Table<> t(2);
    t.deal();
    t.random.queue(FixedRandom::forSpinLength(21));
    t.referee.spinPressed();
    EXPECT_TRUE(t.playing(SOUND_SPIN));
    t.scheduler.advance(50);
    EXPECT_EQ(t.view.dial, "Images\\zandolit01.jpg");  // the first spin starts from 0
    t.scheduler.advance(19 * 50);
    EXPECT_TRUE(t.referee.spinning());
    t.scheduler.advance(50);
    EXPECT_FALSE(t.referee.spinning());
    EXPECT_EQ(t.referee.spinPos(), 5);
    EXPECT_TRUE(t.playing(SOUND_SPIN_END));
    t.referee.buttonPressed(TableButton::NextPlayer);
    t.random.queue(0.0);  // the shortest spin
    t.referee.spinPressed();
    t.scheduler.advance(17 * 50);
    EXPECT_EQ(t.referee.spinPos(), 6);
    EXPECT_EQ(t.view.closeup, "Images\\zandolic06.jpg");
    t.referee.buttonPressed(TableButton::NextPlayer);
    for (int position = 0; position < 16; ++position) {
        t.spinTo(position);
        const bool blue = position == 9;
        EXPECT_EQ(t.referee.nextEnabled(), !blue) << position;
        EXPECT_EQ(t.view.nextPlayerEnabled, !blue) << position;
        EXPECT_FALSE(t.referee.spinEnabled());
        blue ? (t.pressPack(), t.scheduler.advance(3400))
             : t.referee.buttonPressed(TableButton::NextPlayer);
        EXPECT_EQ(t.view.dial, DIAL_AT_REST);
        EXPECT_EQ(t.view.closeup, CLOSEUP_AT_REST);
    }
}

}  // namespace
}  // namespace zandoli::testing
