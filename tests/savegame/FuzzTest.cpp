#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "SaveFile.h"
#include "SaveSamples.h"

namespace zandoli::savegame {
namespace {

using testing::sentinelstate;

// The test's own idea of a value line: an optional minus and up to sixteen
// characters of digits in all, within 16 bits.
std::optional<int> strictvalue(const std::string& line) {
    if (line.empty() || line.size() > 16) {
        return std::nullopt;
    }
    const bool negative = line[0] == '-';
    if (negative && line.size() == 1) {
        return std::nullopt;
    }
    long long value = 0;
    for (std::size_t i = negative ? 1 : 0; i < line.size(); ++i) {
        if (line[i] < '0' || line[i] > '9') {
            return std::nullopt;
        }
        value = value * 10 + (line[i] - '0');
        if (value > 32768) {
            return std::nullopt;
        }
    }
    value = negative ? -value : value;
    if (value > 32767) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// What a correct reader must answer for this text, worked out independently.
bool shouldaccept(const std::string& text) {
    const auto lines = testing::splitlines(text);
    if (lines.size() < 110) {
        return false;
    }
    std::vector<int> values;
    for (std::size_t i = 0; i < 110; ++i) {
        const auto value = strictvalue(lines[i]);
        if (!value) {
            return false;
        }
        values.push_back(*value);
    }
    return testing::playable(testing::fromvalues(values));
}

class Mutator {
public:
    explicit Mutator(uint32_t seed) : random_(seed) {}

    std::string damage(const std::string& save) {
        auto lines = testing::splitlines(save);
        const int lineedits = pick(4);
        for (int i = 0; i < lineedits && !lines.empty(); ++i) {
            editline(lines);
        }
        std::string text = testing::joinlines(lines, pick(5) == 0 ? "\n" : "\r\n");
        const int byteedits = pick(3) == 0 ? 1 + pick(3) : 0;
        for (int i = 0; i < byteedits && !text.empty(); ++i) {
            editbytes(text);
        }
        return text;
    }

    int pick(int n) { return static_cast<int>(random_() % static_cast<uint32_t>(n)); }

private:
    std::size_t anyline(const std::vector<std::string>& lines) {
        return static_cast<std::size_t>(pick(static_cast<int>(lines.size())));
    }

    void editline(std::vector<std::string>& lines) {
        const std::size_t at = anyline(lines);
        switch (pick(9)) {
            case 0:
                lines.erase(lines.begin() + static_cast<long>(at));
                break;
            case 1:
                lines.insert(lines.begin() + static_cast<long>(at), lines[at]);
                break;
            case 2:
                std::swap(lines[at], lines[anyline(lines)]);
                break;
            case 3: {
                // Numbers at and just past the edges of the game's ranges.
                static const char* edges[] = {"-1", "0",  "1",     "2",     "3",      "4",     "5",
                                              "7",  "11", "12",    "13",    "47",     "48",    "49",
                                              "60", "-2", "32767", "32768", "-32768", "-32769"};
                lines[at] = edges[pick(static_cast<int>(std::size(edges)))];
                break;
            }
            case 4: {
                const int value = 0 + pick(80000) - 40000;
                lines[at] = std::to_string(value);
                break;
            }
            case 5:
                // Nudge a value by one, the commonest off-by-one.
                if (const auto value = strictvalue(lines[at])) {
                    lines[at] = std::to_string(*value + (pick(2) == 0 ? 1 : -1));
                }
                break;
            case 6:
                // Pad with zeros or digits, sometimes past the longest line.
                lines[at] = std::string(static_cast<std::size_t>(pick(40)), pick(2) ? '0' : '9') +
                            lines[at];
                break;
            case 7:
                lines.resize(at);
                break;
            default:
                lines.push_back(std::to_string(pick(100)));
                break;
        }
    }

    void editbytes(std::string& text) {
        const std::size_t at = static_cast<std::size_t>(pick(static_cast<int>(text.size())));
        switch (pick(5)) {
            case 0:
                text[at] = static_cast<char>(text[at] ^ (1 << pick(8)));
                break;
            case 1:
                text[at] = static_cast<char>(random_());
                break;
            case 2:
                text.resize(at);
                break;
            case 3: {
                std::string junk(static_cast<std::size_t>(1 + pick(8)), '\0');
                for (char& byte : junk) {
                    byte = static_cast<char>(random_());
                }
                text.insert(at, junk);
                break;
            }
            default:
                text.erase(at, 1);
                break;
        }
    }

    std::mt19937 random_;
};

TEST(SaveFuzz, DamagedFilesAreRejectedOrGivePlayableGames) {
    std::mt19937 games(1234);
    std::vector<std::string> saves;
    for (const GameState& state : testing::playedsaves(games, 200)) {
        saves.push_back(formatsave(state));
    }
    Mutator mutator(98765);
    int accepted = 0;
    int rejected = 0;
    for (int round = 0; round < 20000; ++round) {
        const std::string text =
            mutator.damage(saves[static_cast<std::size_t>(mutator.pick(int(saves.size())))]);
        GameState state = sentinelstate();
        const bool ok = parsesave(text, state);
        ASSERT_EQ(ok, shouldaccept(text)) << "round " << round << ":\n" << text;
        // Fields that are not in the file are never written, whatever the verdict.
        ASSERT_EQ(state.restoring, testing::SENTINEL);
        ASSERT_EQ(state.hand[4][0], testing::SENTINEL);
        ASSERT_EQ(state.turnhand[1][12], testing::SENTINEL);
        if (ok) {
            std::string why;
            ASSERT_TRUE(testing::playable(state, &why)) << why << " in round " << round;
            const auto lines = testing::splitlines(text);
            const auto values = testing::savedvalues(state);
            for (std::size_t i = 0; i < 110; ++i) {
                ASSERT_EQ(strictvalue(lines[i]), values[i]) << "line " << i + 1;
            }
            ++accepted;
        } else {
            ++rejected;
        }
    }
    // Both verdicts were really exercised.
    EXPECT_GT(accepted, 1000);
    EXPECT_GT(rejected, 10000);
    std::cout << "accepted " << accepted << ", rejected " << rejected << " of 20000\n";
}

// The file reader stops after a bounded prefix; on any file it must still
// decide exactly as a reading of the whole text does.
TEST(SaveFuzz, ReadingAFileDecidesAsReadingAllOfItsText) {
    namespace fs = std::filesystem;
    std::random_device seed;
    const fs::path file =
        fs::temp_directory_path() / ("zandoli-savegame-fuzz-" + std::to_string(seed()));
    std::mt19937 games(99);
    std::vector<std::string> saves;
    for (const GameState& state : testing::playedsaves(games, 50)) {
        saves.push_back(formatsave(state));
    }
    Mutator mutator(4321);
    for (int round = 0; round < 2000; ++round) {
        std::string text =
            mutator.damage(saves[static_cast<std::size_t>(mutator.pick(int(saves.size())))]);
        if (round % 4 == 0) {
            // Long lines anywhere, to push the first 110 lines past the prefix.
            auto lines = testing::splitlines(text);
            for (auto& line : lines) {
                if (mutator.pick(10) == 0) {
                    line = std::string(static_cast<std::size_t>(mutator.pick(30)), '0') + line;
                }
            }
            text = testing::joinlines(lines);
        }
        {
            std::ofstream out(file, std::ios::binary | std::ios::trunc);
            out << text;
            ASSERT_TRUE(out.good());
        }
        GameState fromtext = sentinelstate();
        GameState fromfile = sentinelstate();
        const bool textok = parsesave(text, fromtext);
        ASSERT_EQ(readsave(file, fromfile), textok) << "round " << round;
        ASSERT_EQ(fromfile, fromtext) << "round " << round;
    }
    fs::remove(file);
}

}  // namespace
}  // namespace zandoli::savegame
