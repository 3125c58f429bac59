// The cards, the spinner (spinner.txt), the deal and the fold of a hand at its
// hand-over, each stated as a table a player could check against the rules.
// The draws are in turns.txt.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "engine/Pack.h"
#include "tests/engine/Table.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// The faces of the pack are in the table's tests, which draw them.
TEST(Cards, ValuesMatchStrictlyWithinAThousandth) {
    // Strictly within a thousandth, and 3 * 0.1 matches 0.3 though it is not 0.3.
    EXPECT_TRUE(valuesMatch(0.5009, 0.5) && valuesMatch(0.4991, 0.5) && valuesMatch(3 * 0.1, 0.3));
    EXPECT_FALSE(valuesMatch(0.5 + 0.001, 0.5) || valuesMatch(0.5 - 0.001, 0.5));
}

// Sixteen positions, each with its value and pictures, and spins of 17 to 48 steps.
[[maybe_unused]] const bool spinner =
    registerTranscript<Tables<>>(ZANDOLI_TRANSCRIPTS "/spinner.txt");

// A generator at the top of its range swaps every position with the last:
// each pass turns the pack one place, so 1000 passes turn it by 40 (1000 mod
// 48), and the shuffle reseeds once. At 0 the rebuild of a saved pack turns
// it one place the other way, and then brings the saved top card to its
// position, when that position is in the pack.
// The game's generator is splitmix64: from state 0 it gives the published
// first outputs, each as its top 53 bits.
TEST(Random, TheGeneratorGivesSplitMix64sOwnNumbers) {
    TimeSeededRandom random;
    for (const uint64_t out : {0xe220a8397b1dcdafU, 0x6e789e6aa1b965f4U, 0x06c45d188009454fU}) {
        EXPECT_EQ(random.next(), static_cast<double>(out >> 11) * 0x1.0p-53);
    }
}

TEST(Deal, TheShuffleAndTheRebuildOfASavedPackMoveEveryCardAsWorkedOutByHand) {
    struct Counting : FixedRandom {
        using FixedRandom::FixedRandom;
        void reseed() override { ++reseeds; }
        int reseeds = 0;
    };
    const auto first48 = [](const PackOrder& pack) {
        return std::vector<int16_t>(pack.begin(), pack.begin() + 48);
    };
    std::vector<int16_t> turned(48);
    std::iota(turned.begin(), turned.end(), int16_t{0});
    std::rotate(turned.begin(), turned.begin() + 8, turned.end());  // 8, 9, ... 47, 0, ... 7
    Counting high(0.9999999999);
    PackOrder pack{};
    shufflePack(pack, high);
    EXPECT_EQ(first48(pack), turned);
    EXPECT_EQ(high.reseeds, 1);

    std::vector<int16_t> back(48);
    std::iota(back.begin(), back.end(), int16_t{1});
    back[47] = 0;  // 1, 2, ... 47, 0
    for (const auto& [packPos, atFront] : {std::pair{0, 5}, {47, 1}, {48, 1}, {-1, 1}}) {
        Counting low(0.0);
        pack.fill(99);
        rebuildPack(pack, 5, static_cast<int16_t>(packPos), low);
        EXPECT_EQ(low.reseeds, 1);
        std::vector<int16_t> expected = back;
        if (packPos >= 0 && packPos < 48) {
            std::swap(expected[4], expected[static_cast<size_t>(packPos)]);
        }
        EXPECT_EQ(first48(pack), expected) << packPos;
        EXPECT_EQ(pack[0], atFront) << packPos;
    }
}

TEST(Deal, EveryDealIsThePackOnceDealtInBlocksOfSevenFromTheTop) {
    std::vector<int16_t> everyCard(48);
    std::iota(everyCard.begin(), everyCard.end(), int16_t{0});
    std::vector<std::unique_ptr<RandomSource>> generators;
    for (uint64_t seed = 1; seed <= 10; ++seed) {
        generators.push_back(std::make_unique<SeededRandom>(seed));
    }
    // The game's own, generators at the very ends of their range, and one past it.
    generators.push_back(std::make_unique<TimeSeededRandom>());
    generators.push_back(std::make_unique<FixedRandom>(0.9999999999));
    generators.push_back(std::make_unique<FixedRandom>(1.0));
    for (const auto& random : generators) {
        PackOrder pack{};
        GameState state;
        clearHands(state);
        shufflePack(pack, *random);
        dealHands(state, pack);
        ASSERT_TRUE(std::is_permutation(pack.begin(), pack.begin() + 48, everyCard.begin()));
        for (int s = 0; s < 4 * 8; ++s) {
            const int16_t card = s % 8 == 7 ? NO_CARD : pack[s / 8 * 7 + s % 8];
            EXPECT_EQ(state.hand[s / 8][s % 8], card);
            EXPECT_EQ(state.turnHand[s / 8][s % 8], card);
        }
        EXPECT_EQ(state.topCard, pack[28]);
        EXPECT_EQ(state.packPos, 28);
    }
}

TEST(HandOver, TheCardsLeftCloseUpInTheirOrder) {
    using Hand = std::vector<int16_t>;
    // The turn's hand, the count left, and the hand after the fold.
    const std::vector<std::tuple<Hand, int, Hand>> folds = {
        {{1, 2, 3, 4, 5, 6, 7}, 7, {1, 2, 3, 4, 5, 6, 7}},
        {{1, 48, 3, 4, 48, 6, 7}, 5, {1, 3, 4, 6, 7, 6, 7}},
        {{48, 48, 3, 48, 48, 48, 7, 8}, 3, {3, 7, 8, 4, 5, 6, 7, 0}},
        {{48, 2, 48}, 1, {2, 2, 3, 4, 5, 6, 7}},
        {{48, 2, 48}, 0, {1, 2, 3, 4, 5, 6, 7}},
        // A hand that counts more cards than it holds runs out of cards.
        {{48, 2, 48, 4}, 4, {2, 4, 48, 48, 5, 6, 7}},
    };
    for (const auto& [turn, left, after] : folds) {
        GameState state;
        state.hand[2] = {1, 2, 3, 4, 5, 6, 7, 0, 0, 0, 0, 0, 0};
        state.turnHand[2].fill(NO_CARD);
        std::copy(turn.begin(), turn.end(), state.turnHand[2].begin());
        state.turnHand[3].fill(9);  // the next row is not read
        state.handSize[2] = static_cast<int16_t>(left);
        foldTurn(state, 2);
        EXPECT_EQ(Hand(state.hand[2].begin(), state.hand[2].begin() + long(after.size())), after)
            << left;
    }
}

}  // namespace
}  // namespace zandoli::testing
