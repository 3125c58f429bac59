#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

#include "SaveFile.h"
#include "SaveSamples.h"

namespace zandoli::savegame {
namespace {

using testing::handline;
using testing::turnhandline;

TEST(SaveFormat, MagentaToPlayInAThreePlayerGameIsWrittenByteForByte) {
    const std::string expected =
        "1\r\n3\r\n2\r\n"       // playsound, numplayers, colour
        "5\r\n7\r\n6\r\n7\r\n"  // handsize of Blue, Yellow, Magenta, Green
        // Blue: hand(0, s) then turnhand(0, s) for s = 0..11
        "8\r\n8\r\n3\r\n48\r\n40\r\n3\r\n22\r\n40\r\n17\r\n48\r\n22\r\n22\r\n"
        "17\r\n17\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        // Yellow
        "1\r\n1\r\n44\r\n44\r\n29\r\n29\r\n5\r\n5\r\n36\r\n36\r\n14\r\n14\r\n"
        "27\r\n27\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        // Magenta
        "0\r\n0\r\n19\r\n19\r\n33\r\n48\r\n46\r\n46\r\n2\r\n2\r\n38\r\n38\r\n"
        "24\r\n24\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        // Green
        "9\r\n9\r\n10\r\n10\r\n47\r\n47\r\n31\r\n31\r\n4\r\n4\r\n21\r\n21\r\n"
        "35\r\n35\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        // packpos, topcard, starused, drawn, turnover, newslot, spins
        "28\r\n13\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    EXPECT_EQ(formatsave(testing::magentamidturn()), expected);
}

// Every field gets a value of its own, so a field written on the wrong line,
// twice or not at all shows up at its line.
TEST(SaveFormat, EachFieldLandsOnItsLine) {
    GameState state;
    state.playsound = 101;
    state.numplayers = 102;
    state.colour = 103;
    for (int p = 0; p < 5; ++p) {
        state.handsize[p] = static_cast<int16_t>(200 + p);
        for (int s = 0; s < 13; ++s) {
            state.hand[p][s] = static_cast<int16_t>(1000 + 100 * p + s);
            state.turnhand[p][s] = static_cast<int16_t>(-1000 - 100 * p - s);
        }
    }
    state.packpos = 301;
    state.topcard = 302;
    state.starused = 303;
    state.drawn = 304;
    state.turnover = 305;
    state.newslot = 306;
    state.spins = 307;
    state.restoring = 999;

    const auto lines = testing::splitlines(formatsave(state));
    ASSERT_EQ(lines.size(), 110u);
    auto line = [&lines](int n) { return lines[static_cast<std::size_t>(n - 1)]; };
    EXPECT_EQ(line(1), "101");
    EXPECT_EQ(line(2), "102");
    EXPECT_EQ(line(3), "103");
    for (int p = 0; p < 4; ++p) {
        EXPECT_EQ(line(4 + p), std::to_string(200 + p));
        for (int s = 0; s < 12; ++s) {
            EXPECT_EQ(line(handline(p, s)), std::to_string(1000 + 100 * p + s)) << p << "," << s;
            EXPECT_EQ(line(turnhandline(p, s)), std::to_string(-1000 - 100 * p - s))
                << p << "," << s;
        }
    }
    for (int n = 104; n <= 110; ++n) {
        EXPECT_EQ(line(n), std::to_string(301 + n - 104));
    }
    // Player 4, slot 12 and restoring are never written.
    std::set<std::string> unsaved = {"204", "999"};
    for (int p = 0; p < 5; ++p) {
        unsaved.insert(std::to_string(1000 + 100 * p + 12));
        unsaved.insert(std::to_string(-1000 - 100 * p - 12));
    }
    for (int s = 0; s < 13; ++s) {
        unsaved.insert(std::to_string(1400 + s));
        unsaved.insert(std::to_string(-1400 - s));
    }
    for (const auto& text : lines) {
        EXPECT_EQ(unsaved.count(text), 0u) << text;
    }
}

TEST(SaveFormat, ExtremeValuesHaveNoPaddingAndNoPlusSign) {
    GameState state;
    state.spins = 32767;
    state.newslot = -1;
    state.packpos = -32768;
    state.topcard = 0;
    const std::string text = formatsave(state);
    const std::string tail = "-32768\r\n0\r\n0\r\n0\r\n0\r\n-1\r\n32767\r\n";
    ASSERT_GE(text.size(), tail.size());
    EXPECT_EQ(text.substr(text.size() - tail.size()), tail);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 110);
    EXPECT_EQ(text.find(' '), std::string::npos);
    EXPECT_EQ(text.find('+'), std::string::npos);
    // Every LF is preceded by a CR and there is no other CR.
    EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 110);
    for (std::size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1)) {
        ASSERT_EQ(text[at - 1], '\r') << "at byte " << at;
    }
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
}

}  // namespace
}  // namespace zandoli::savegame
