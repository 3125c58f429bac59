#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "SaveFile.h"
#include "SaveSamples.h"

namespace zandoli::savegame {
namespace {

using testing::handline;
using testing::joinlines;
using testing::SENTINEL;
using testing::sentinelstate;
using testing::splitlines;
using testing::turnhandline;

// The state a read should produce: the saved fields of `saved`, everything
// else as the sentinel left it.
GameState restoredfrom(const GameState& saved) {
    GameState state = sentinelstate();
    state.playsound = saved.playsound;
    state.numplayers = saved.numplayers;
    state.colour = saved.colour;
    for (int p = 0; p < 4; ++p) {
        state.handsize[p] = saved.handsize[p];
        for (int s = 0; s < 12; ++s) {
            state.hand[p][s] = saved.hand[p][s];
            state.turnhand[p][s] = saved.turnhand[p][s];
        }
    }
    state.packpos = saved.packpos;
    state.topcard = saved.topcard;
    state.starused = saved.starused;
    state.drawn = saved.drawn;
    state.turnover = saved.turnover;
    state.newslot = saved.newslot;
    state.spins = saved.spins;
    return state;
}

std::vector<std::string> samplelines() {
    return splitlines(formatsave(testing::magentamidturn()));
}

bool parses(const std::vector<std::string>& lines) {
    GameState state = sentinelstate();
    return parsesave(joinlines(lines), state);
}

// ---- Round trips ----

TEST(SaveRoundTrip, MidTurnGameComesBackFieldForField) {
    const GameState saved = testing::magentamidturn();
    GameState state = sentinelstate();
    ASSERT_TRUE(parsesave(formatsave(saved), state));
    EXPECT_EQ(state, restoredfrom(saved));
    EXPECT_EQ(state.restoring, SENTINEL);
}

TEST(SaveRoundTrip, EveryStateAPlayedGameReachesIsAccepted) {
    std::mt19937 random(20240611);
    const auto saves = testing::playedsaves(random, 3000);
    int oneplayer = 0;
    int midturn = 0;
    for (const GameState& saved : saves) {
        GameState state = sentinelstate();
        ASSERT_TRUE(parsesave(formatsave(saved), state)) << formatsave(saved);
        ASSERT_EQ(state, restoredfrom(saved));
        oneplayer += saved.numplayers == 1;
        midturn += saved.turnover == 0;
    }
    // The games really covered both tables and half-played turns.
    EXPECT_GT(oneplayer, 100);
    EXPECT_GT(midturn, 100);
}

TEST(SaveRoundTrip, OnePlayerGameKeepsItsSpinCountUpToTheLargest) {
    GameState saved = testing::magentamidturn();
    saved.numplayers = 1;
    saved.colour = 0;
    saved.turnhand[0] = saved.hand[0];  // Blue's turn has just begun
    for (int16_t spins : {int16_t{0}, int16_t{23}, int16_t{32767}}) {
        saved.spins = spins;
        GameState state = sentinelstate();
        ASSERT_TRUE(parsesave(formatsave(saved), state));
        EXPECT_EQ(state.spins, spins);
        EXPECT_EQ(state.numplayers, 1);
    }
}

// ---- Line endings and extra lines ----

TEST(SaveLineEndings, LfCrLfMixedAndAMissingLastEndingAllRead) {
    const auto lines = samplelines();
    const GameState expected = restoredfrom(testing::magentamidturn());
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        mixed += lines[i] + (i % 3 == 0 ? "\n" : "\r\n");
    }
    std::string unterminated = joinlines(lines);
    unterminated.resize(unterminated.size() - 2);
    std::string lonecr = unterminated + "\r";
    for (const std::string& text : {joinlines(lines, "\n"), mixed, unterminated, lonecr}) {
        GameState state = sentinelstate();
        EXPECT_TRUE(parsesave(text, state));
        EXPECT_EQ(state, expected);
    }
}

TEST(SaveLineEndings, CrOnlyFileHasNoReadableLine) {
    GameState state = sentinelstate();
    EXPECT_FALSE(parsesave(joinlines(samplelines(), "\r"), state));
    // Nothing could be read, so nothing was stored.
    EXPECT_EQ(state, sentinelstate());
}

TEST(SaveLineEndings, DoubledCrOrLineBreakInsideAValueIsDamage) {
    auto lines = samplelines();
    GameState state = sentinelstate();
    EXPECT_FALSE(parsesave(joinlines(lines, "\r\r\n"), state));
    lines[20] = "4\r0";
    EXPECT_FALSE(parses(lines));
}

TEST(SaveExtraLines, LinesAfterThe110thAreNeverLookedAt) {
    auto lines = samplelines();
    lines.push_back("garbage");
    lines.push_back("99999999999999999999");
    lines.push_back(std::string("\0\xff\x80", 3));
    lines.push_back("");
    GameState state = sentinelstate();
    EXPECT_TRUE(parsesave(joinlines(lines), state));
    EXPECT_EQ(state, restoredfrom(testing::magentamidturn()));
}

// ---- Damaged text ----

TEST(SaveDamage, EmptyTextIsRejectedAndStoresNothing) {
    GameState state = sentinelstate();
    EXPECT_FALSE(parsesave("", state));
    EXPECT_EQ(state, sentinelstate());
}

TEST(SaveDamage, FileCutAfterLine50KeepsTheFiftyValuesReadAndNoMore) {
    auto lines = samplelines();
    lines.resize(50);
    GameState state = sentinelstate();
    EXPECT_FALSE(parsesave(joinlines(lines), state));
    const GameState saved = testing::magentamidturn();
    EXPECT_EQ(state.playsound, 1);
    EXPECT_EQ(state.numplayers, 3);
    EXPECT_EQ(state.colour, 2);
    EXPECT_EQ(state.handsize[3], 7);
    // Line 50 is hand(1, 9); line 51 would have been turnhand(1, 9).
    ASSERT_EQ(handline(1, 9), 50);
    EXPECT_EQ(state.turnhand[1][8], saved.turnhand[1][8]);
    EXPECT_EQ(state.hand[1][9], saved.hand[1][9]);
    EXPECT_EQ(state.turnhand[1][9], SENTINEL);
    EXPECT_EQ(state.spins, SENTINEL);
    // A whole file read afterwards restores everything.
    EXPECT_TRUE(parsesave(formatsave(saved), state));
    EXPECT_EQ(state, restoredfrom(saved));
}

TEST(SaveDamage, EveryShortFileIsRejected) {
    auto lines = samplelines();
    for (std::size_t keep = 0; keep < lines.size(); ++keep) {
        std::vector<std::string> cut(lines.begin(), lines.begin() + static_cast<long>(keep));
        EXPECT_FALSE(parses(cut)) << keep << " lines";
    }
}

class SaveBadValue : public ::testing::TestWithParam<const char*> {};

// A value that is not an integer, on line 30, ends the read there: the 29
// values before it stay, the rest are never stored.
TEST_P(SaveBadValue, IsRejectedWhereItStands) {
    auto lines = samplelines();
    lines[29] = GetParam();
    GameState state = sentinelstate();
    EXPECT_FALSE(parsesave(joinlines(lines), state));
    ASSERT_EQ(handline(0, 11), 30);
    EXPECT_EQ(state.turnhand[0][10], 48);  // line 29
    EXPECT_EQ(state.hand[0][11], SENTINEL);
    EXPECT_EQ(state.packpos, SENTINEL);
}

INSTANTIATE_TEST_SUITE_P(NotASixteenBitInteger, SaveBadValue,
                         ::testing::Values("", " ", "-", "+5", " 5", "5 ", "5\t", "4 8", "--5",
                                           "5-", "1.0", "1e2", "0x10", "abc",
                                           "\xef\xbb\xbf"
                                           "5",
                                           "32768", "-32769", "65536", "99999999999999999999",
                                           "00000000000000048"));

TEST(SaveDamage, SixteenBitLimitsAreIntegersButNotGameValues) {
    auto lines = samplelines();
    for (const char* limit : {"32767", "-32768"}) {
        lines[109] = limit;  // spins
        GameState state = sentinelstate();
        EXPECT_EQ(parsesave(joinlines(lines), state), std::string(limit) == "32767");
        // Read in full even when the range check then refuses it.
        EXPECT_EQ(std::to_string(state.spins), limit);
    }
}

TEST(SaveDamage, LeadingZerosAndMinusZeroAreStillNumbers) {
    auto lines = samplelines();
    lines[104] = "0013";              // topcard
    lines[105] = "-0";                // starused
    lines[108] = "0000000000000000";  // newslot, sixteen characters
    GameState state = sentinelstate();
    EXPECT_TRUE(parsesave(joinlines(lines), state));
    EXPECT_EQ(state.topcard, 13);
    EXPECT_EQ(state.starused, 0);
}

TEST(SaveDamage, BinaryGarbageIsRejected) {
    std::mt19937 random(7);
    for (int round = 0; round < 200; ++round) {
        std::string garbage(1 + random() % 2000, '\0');
        for (char& byte : garbage) {
            byte = static_cast<char>(random());
        }
        GameState state = sentinelstate();
        EXPECT_FALSE(parsesave(garbage, state));
    }
}

// ---- Values outside the game's ranges ----

struct LineCase {
    int line;
    const char* value;
    bool accepted;
};

void PrintTo(const LineCase& c, std::ostream* out) {
    *out << "line " << c.line << " = \"" << c.value << "\"";
}

class SaveRanges : public ::testing::TestWithParam<LineCase> {};

// The sample has three players with Magenta (2) to move; Blue holds 5 cards,
// Yellow 7, Magenta 6 (one discarded this turn, at slot 2), Green 7.
TEST_P(SaveRanges, OneChangedLineIsJudgedByTheGameRanges) {
    const LineCase c = GetParam();
    auto lines = samplelines();
    lines[static_cast<std::size_t>(c.line - 1)] = c.value;
    GameState state = sentinelstate();
    EXPECT_EQ(parsesave(joinlines(lines), state), c.accepted);
    // A refused file is still read to its end: rejection comes after reading.
    EXPECT_EQ(std::to_string(testing::savedvalues(state)[static_cast<std::size_t>(c.line - 1)]),
              c.value);
}

INSTANTIATE_TEST_SUITE_P(Settings, SaveRanges,
                         ::testing::Values(LineCase{1, "0", true}, LineCase{1, "2", false},
                                           LineCase{1, "-1", false}, LineCase{2, "4", true},
                                           LineCase{2, "7", false}, LineCase{2, "0", false},
                                           LineCase{2, "5", false},
                                           // Magenta to move needs at least three players.
                                           LineCase{2, "2", false}, LineCase{3, "1", true},
                                           LineCase{3, "3", false}, LineCase{3, "-1", false},
                                           // Blue's turnhand row still holds its last turn,
                                           // folded since: Blue cannot be the player to move.
                                           LineCase{3, "0", false}));

INSTANTIATE_TEST_SUITE_P(
    HandSizes, SaveRanges,
    ::testing::Values(LineCase{4, "0", true}, LineCase{4, "13", false}, LineCase{4, "-1", false},
                      LineCase{7, "0", true},
                      LineCase{7, "12", false},  // Green's slots 7..11 are empty
                      LineCase{5, "8", false},   // Yellow's slot 7 is empty
                      // Magenta has discarded one of seven: it cannot count seven or eight.
                      LineCase{6, "7", false}, LineCase{6, "8", false}));

INSTANTIATE_TEST_SUITE_P(
    Cards, SaveRanges,
    ::testing::Values(
        LineCase{handline(1, 3), "0", true}, LineCase{handline(1, 3), "47", true},
        LineCase{handline(1, 3), "60", false}, LineCase{handline(1, 3), "-1", false},
        // An empty slot inside Yellow's seven cards.
        LineCase{handline(1, 3), "48", false},
        // Beyond the hand an empty slot or an old card are both normal.
        LineCase{handline(1, 7), "12", true}, LineCase{handline(1, 7), "49", false},
        // Blue folded its discards away last turn: its turnhand row is stale
        // and may differ from its hand anywhere.
        LineCase{turnhandline(0, 1), "30", true}, LineCase{turnhandline(0, 4), "0", true},
        LineCase{turnhandline(0, 1), "49", false}, LineCase{turnhandline(3, 11), "60", false},
        // Magenta, to move: each counted slot is its card or a discard.
        LineCase{turnhandline(2, 0), "1", false}, LineCase{turnhandline(2, 2), "34", false},
        // A second discard that handsize does not count.
        LineCase{turnhandline(2, 0), "48", false},
        // Past the cards held this turn an old card number is normal.
        LineCase{turnhandline(2, 7), "5", true}));

INSTANTIATE_TEST_SUITE_P(PackAndTurn, SaveRanges,
                         ::testing::Values(LineCase{104, "0", true}, LineCase{104, "47", true},
                                           LineCase{104, "48", false}, LineCase{104, "-1", false},
                                           LineCase{105, "47", true}, LineCase{105, "48", false},
                                           LineCase{106, "1", true}, LineCase{106, "2", false},
                                           LineCase{107, "1", true}, LineCase{107, "-1", false},
                                           LineCase{108, "1", true}, LineCase{108, "2", false},
                                           LineCase{109, "11", true}, LineCase{109, "-1", true},
                                           LineCase{109, "12", false}, LineCase{109, "-2", false},
                                           LineCase{110, "32767", true},
                                           LineCase{110, "-1", false}));

// Folding the player's discards away must stay within the twelve shown slots:
// the working hand has to hold as many cards as handsize says.
TEST(SaveRanges, WorkingHandMustStillHoldHandsizeCards) {
    GameState saved = testing::magentamidturn();
    // Magenta discarded slots 0 and 1 of seven: five held, two discards.
    saved.handsize[2] = 5;
    saved.turnhand[2][0] = saved.turnhand[2][1] = NO_CARD;
    saved.turnhand[2][2] = saved.hand[2][2];
    GameState state = sentinelstate();
    EXPECT_TRUE(parsesave(formatsave(saved), state));

    // Five counted but only slots 2..4 still held among all twelve.
    saved.turnhand[2][5] = saved.turnhand[2][6] = NO_CARD;
    EXPECT_FALSE(parsesave(formatsave(saved), state));

    // Every slot discarded while handsize still counts cards.
    for (auto& card : saved.turnhand[2]) {
        card = NO_CARD;
    }
    saved.handsize[2] = 1;
    EXPECT_FALSE(parsesave(formatsave(saved), state));
}

}  // namespace
}  // namespace zandoli::savegame
