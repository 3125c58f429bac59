// A class code deals the same games on every machine: its numbers are
// FNV-1a over "CODE#GAME" fed to splitmix64, written out here as an
// independent implementation gave them, so every process, on every machine,
// draws them; another game or another code draws others, and a deal is the
// shuffle of those numbers (the deal's own tests). No code reseeds from the
// clock.
#include <gtest/gtest.h>

#include <array>

#include "engine/Random.h"

namespace zandoli::testing {
namespace {

TEST(ClassCode, TheNumbersOfACodesGameAreTheSameEverywhere) {
    const std::array<std::pair<const char*, int>, 3> games{{{"4B", 1}, {"4B", 2}, {"4C", 1}}};
    const std::array<std::array<double, 3>, 3> expected{{
        {0.04862196237694727, 0.22742423639302622, 0.025804661269174134},
        {0.79488001767945382, 0.50168819738617754, 0.61583859580713241},
        {0.022432249576399443, 0.92149629882916195, 0.049573696282977142},
    }};
    for (size_t g = 0; g < games.size(); ++g) {
        TimeSeededRandom random;
        random.setClassCode(games[g].first, games[g].second);
        random.reseed();
        for (double number : expected[g]) {
            EXPECT_EQ(random.next(), number) << games[g].first << " game " << games[g].second;
        }
    }
}

TEST(ClassCode, WithoutACodeEachDealIsReseededFromTheClock) {
    TimeSeededRandom first;
    TimeSeededRandom second;
    first.reseed();
    second.reseed();
    EXPECT_NE(first.next(), second.next());
    second.setClassCode("4B", 1);
    second.clearClassCode();
    second.reseed();
    EXPECT_NE(second.next(), 0.04862196237694727);
}

}  // namespace
}  // namespace zandoli::testing
