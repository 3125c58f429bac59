// A class code deals the same games on every machine: its numbers are
// FNV-1a over "CODE#GAME" fed to splitmix64, written out here as an
// independent implementation gave them, and a deal made in another process
// is the same deal; another game or another code deals otherwise, and no
// code reseeds from the clock.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cstdio>

#include "engine/GameState.h"
#include "engine/Pack.h"
#include "engine/Random.h"

namespace zandoli::testing {
namespace {

// Every hand of four players dealt for `code`'s game `game`, card by card.
std::array<int16_t, 4 * HAND_SLOTS> dealFor(const std::string& code, int game) {
    TimeSeededRandom random;
    random.setClassCode(code, game);
    random.reseed();
    PackOrder pack{};
    shufflePack(pack, random);
    GameState state;
    state.numPlayers = 4;
    dealHands(state, pack);
    std::array<int16_t, 4 * HAND_SLOTS> hands{};
    for (size_t p = 0; p < 4; ++p) {
        std::copy(state.hand[p].begin(), state.hand[p].end(), hands.begin() + p * HAND_SLOTS);
    }
    return hands;
}

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

TEST(ClassCode, AnotherProcessDealsTheSameHandsAndOtherCodesOrGamesDoNot) {
    int pipe_[2];
    ASSERT_EQ(pipe(pipe_), 0);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const auto hands = dealFor("4B", 3);
        const bool written = write(pipe_[1], hands.data(), sizeof hands) == sizeof hands;
        _exit(written ? 0 : 1);
    }
    close(pipe_[1]);
    std::array<int16_t, 4 * HAND_SLOTS> theirs{};
    const ssize_t got = read(pipe_[0], theirs.data(), sizeof theirs);
    close(pipe_[0]);
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_EQ(got, static_cast<ssize_t>(sizeof theirs));
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    EXPECT_EQ(dealFor("4B", 3), theirs);
    EXPECT_NE(dealFor("4B", 4), theirs);
    EXPECT_NE(dealFor("4C", 3), theirs);
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
