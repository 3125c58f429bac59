// The cards, the spinner and the deal, each stated as a table a player could
// check against the printed rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/Pack.h"
#include "tests/engine/Table.h"

namespace zandoli::testing {
namespace {

TEST(Cards, EachValueIsOnFourCardsAWholeOneOnFour) {
    const std::vector<std::pair<double, std::vector<int>>> values = {{0.1, {2, 13, 32, 36}},
                                                                     {0.2, {3, 14, 28, 37}},
                                                                     {0.25, {11, 22, 25, 46}},
                                                                     {0.3, {4, 15, 33, 38}},
                                                                     {0.4, {5, 16, 29, 39}},
                                                                     {0.5, {6, 17, 26, 40}},
                                                                     {0.6, {7, 18, 30, 41}},
                                                                     {0.7, {8, 19, 34, 42}},
                                                                     {0.75, {12, 23, 27, 47}},
                                                                     {0.8, {9, 20, 31, 43}},
                                                                     {0.9, {10, 21, 35, 44}},
                                                                     {1, {0, 1, 24, 45}},
                                                                     {0.35, {}},
                                                                     {-1, {}},
                                                                     {2, {}}};
    for (const auto& [value, cards] : values) {
        std::vector<int> matching;
        for (int16_t card = 0; card <= NO_CARD; ++card) {
            if (cardMatches(card, value)) {
                matching.push_back(card);
            }
        }
        EXPECT_EQ(matching, cards) << value;
    }
    // Strictly within a thousandth, and 3 * 0.1 matches 0.3 though it is not 0.3.
    EXPECT_TRUE(valuesMatch(0.5009, 0.5) && valuesMatch(0.4991, 0.5) && valuesMatch(3 * 0.1, 0.3));
    EXPECT_FALSE(valuesMatch(0.5 + 0.001, 0.5) || valuesMatch(0.5 - 0.001, 0.5));
}

TEST(Cards, FacesAreWholeDecimalPercentFractionOrTile) {
    std::string kinds;
    std::string fractions;
    std::string tiles;
    for (int16_t card = 0; card < PACK_SIZE; ++card) {
        kinds += "WDPFT"[static_cast<int>(kindOf(card))];
        const CardEntry& entry = cardCatalogue()[card];
        if (kindOf(card) == CardKind::Fraction) {
            fractions +=
                std::to_string(entry.numerator) + "/" + std::to_string(entry.denominator) + " ";
        }
        tiles += tilePicture(card).empty() ? "" : tilePicture(card).substr(10) + " ";
    }
    EXPECT_EQ(kinds, "WWDDDDDDDDDDDPPPPPPPPPPPPFFFFFFFFFFFTTTTTTTTTTTT");
    EXPECT_EQ(fractions, "1/4 1/2 3/4 1/5 2/5 3/5 4/5 1/10 3/10 7/10 9/10 ");
    EXPECT_EQ(tiles,
              "2.jpg 4.jpg 6.jpg 8.jpg 10.jpg 12.jpg 14.jpg 16.jpg 18.jpg 20.jpg 5.jpg 15.jpg ");
    EXPECT_EQ(tilePicture(36), "images\\wsq2.jpg");
    EXPECT_EQ(decimalText(cardCatalogue()[4].value) + " " + percentText(cardCatalogue()[15].value),
              "0.3 30%");
}

// Clockwise from the top; the dial and close-up pictures of each position
// show its value (tests/assets measure them).
TEST(Spinner, SixteenPositionsEachWithItsValueAndPictures) {
    const char* const positions[] = {"0.1", "red",  "0.75", "0.8", "0.9", "red", "0.5", "0.6",
                                     "0.7", "blue", "0.25", "0.4", "0.3", "red", "1",   "0.2"};
    for (int p = 0; p < 16; ++p) {
        SCOPED_TRACE(p);
        Table<> t(2);
        t.deal();
        t.spinTo(p);
        const std::string two = (p < 10 ? "0" : "") + std::to_string(p);
        EXPECT_EQ(t.view.dial, "Images\\zandolit" + two + ".jpg");
        EXPECT_EQ(t.view.closeup, "Images\\zandolic" + two + ".jpg");
        const std::string value = positions[p];
        if (value == "red") {  // any one card goes, and the turn is over
            EXPECT_EQ(t.play("click 6"), "Blue to Play | 8 9 10 11 12 13 | dealcard");
        } else if (value == "blue") {  // no card goes; the pack must be drawn from
            EXPECT_EQ(t.play("click 0"), "Blue to Play | 8 9 10 11 12 13 14 |");
            EXPECT_EQ(t.play("pack"), "Blue to Play | 8 9 10 11 12 13 14 | stapler");
        } else {
            EXPECT_TRUE(valuesMatch(t.referee.result(), std::stod(value)));
            EXPECT_EQ(t.screen(), "Blue to Play | next | 8 9 10 11 12 13 14");
        }
    }
}

TEST(Spinner, ASpinRuns17To48StepsFromWhereThePointerStands) {
    // The generator's number, the steps it makes, the picture at each of the first two.
    const std::vector<std::pair<double, int>> spins = {
        {0.0, 17}, {0.03, 17}, {0.5, 33}, {0.97, 48}, {0.99999, 48}};
    for (const auto& [r, steps] : spins) {
        Table<> t(2);
        t.deal();
        t.random.queue(r);
        EXPECT_EQ(t.play("spinbutton"), "Blue to Play | 8 9 10 11 12 13 14 | wheel4");
        std::vector<std::string> dials;
        while (t.referee.spinning() && t.scheduler.step()) {
            dials.push_back(t.view.dial);
        }
        EXPECT_EQ(static_cast<int>(dials.size()), steps) << r;
        EXPECT_EQ(dials[0], "Images\\zandolit01.jpg");
        EXPECT_EQ(dials[1], "Images\\zandolit02.jpg");
        EXPECT_EQ(t.view.sounds.back(), "wav\\key.wav");
    }
}

TEST(Deal, EveryDealIsThePackOnceDealtInBlocksOfSevenFromTheTop) {
    std::vector<int16_t> everyCard(PACK_SIZE);
    std::iota(everyCard.begin(), everyCard.end(), int16_t{0});
    std::vector<std::unique_ptr<RandomSource>> generators;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        generators.push_back(std::make_unique<SeededRandom>(seed));
    }
    // Generators at the very ends of their range, and one past it.
    generators.push_back(std::make_unique<FixedRandom>(0.9999999999));
    generators.push_back(std::make_unique<FixedRandom>(1.0));
    for (const auto& random : generators) {
        PackOrder pack{};
        GameState state;
        shufflePack(pack, *random);
        dealHands(state, pack);
        ASSERT_TRUE(std::is_permutation(pack.begin(), pack.begin() + 48, everyCard.begin()));
        for (int s = 0; s < 28; ++s) {
            EXPECT_EQ(state.hand[s / 7][s % 7], pack[s]);
            EXPECT_EQ(state.turnHand[s / 7][s % 7], pack[s]);
        }
        EXPECT_EQ(state.topCard, pack[28]);
        EXPECT_EQ(state.packPos, 28);
    }
}

}  // namespace
}  // namespace zandoli::testing
