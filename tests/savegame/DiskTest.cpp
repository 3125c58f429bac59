#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <set>
#include <string>

#include "SaveFile.h"
#include "SaveSamples.h"

namespace zandoli::savegame {
namespace {

namespace fs = std::filesystem;
using testing::sentinelstate;

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void put(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out << text;
    ASSERT_TRUE(out.good()) << file;
}

class SaveOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        std::random_device seed;
        folder_ = fs::temp_directory_path() / ("zandoli-savegame-" + std::to_string(seed()));
        ASSERT_TRUE(fs::create_directory(folder_));
        save_ = folder_ / SAVE_FILE;
    }
    void TearDown() override {
        std::error_code ignored;
        fs::permissions(folder_, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(folder_, ignored);
    }

    std::set<std::string> listing() const {
        std::set<std::string> names;
        for (const auto& entry : fs::directory_iterator(folder_)) {
            names.insert(entry.path().filename().string());
        }
        return names;
    }

    fs::path folder_;
    fs::path save_;
    const GameState game_ = testing::magentamidturn();
};

TEST_F(SaveOnDisk, WrittenFileHoldsTheFormatAndReadsBack) {
    ASSERT_TRUE(writesave(game_, save_));
    EXPECT_EQ(contents(save_), formatsave(game_));
    EXPECT_EQ(listing(), std::set<std::string>{SAVE_FILE});

    GameState state = sentinelstate();
    ASSERT_TRUE(readsave(save_, state));
    EXPECT_EQ(testing::savedvalues(state), testing::savedvalues(game_));
}

TEST_F(SaveOnDisk, TemporaryFileSitsBesideTheSave) {
    EXPECT_EQ(temppath(save_).parent_path(), folder_);
    EXPECT_NE(temppath(save_), save_);
    EXPECT_EQ(temppath(SAVE_FILE).parent_path(), fs::path());
}

TEST_F(SaveOnDisk, NewSaveReplacesALongerOldOneWhole) {
    std::string old;
    for (int i = 0; i < 300; ++i) {
        old += "12345\r\n";
    }
    put(save_, old);
    GameState oneplayer = game_;
    oneplayer.numplayers = 1;
    oneplayer.colour = 0;
    oneplayer.spins = 41;
    ASSERT_TRUE(writesave(oneplayer, save_));
    EXPECT_EQ(contents(save_), formatsave(oneplayer));
    EXPECT_EQ(listing(), std::set<std::string>{SAVE_FILE});
}

TEST_F(SaveOnDisk, LeftoverTemporaryFileFromACrashIsReplaced) {
    put(temppath(save_), "half a save\r\n");
    ASSERT_TRUE(writesave(game_, save_));
    EXPECT_EQ(contents(save_), formatsave(game_));
    EXPECT_FALSE(fs::exists(temppath(save_)));
}

TEST_F(SaveOnDisk, MissingFileIsRejectedAndStoresNothing) {
    GameState state = sentinelstate();
    EXPECT_FALSE(readsave(save_, state));
    EXPECT_EQ(state, sentinelstate());
}

TEST_F(SaveOnDisk, FolderInPlaceOfTheSaveIsNeitherReadNorReplaced) {
    fs::create_directory(save_);
    GameState state = sentinelstate();
    EXPECT_FALSE(readsave(save_, state));
    EXPECT_FALSE(writesave(game_, save_));
    EXPECT_TRUE(fs::is_directory(save_));
    EXPECT_EQ(listing(), std::set<std::string>{SAVE_FILE});
}

// The ways below make the write fail even for a user whom permission bits do
// not stop (tests may run as root).
TEST_F(SaveOnDisk, SaveUnderAPlainFileFailsAndCreatesNothing) {
    put(folder_ / "plain", "not a folder");
    EXPECT_FALSE(writesave(game_, folder_ / "plain" / SAVE_FILE));
    EXPECT_EQ(listing(), std::set<std::string>{"plain"});
    EXPECT_EQ(contents(folder_ / "plain"), "not a folder");
}

TEST_F(SaveOnDisk, FailedSaveLeavesThePreviousSaveWhole) {
    ASSERT_TRUE(writesave(game_, save_));
    const std::string before = contents(save_);
    // Something that is not our temporary file blocks its name.
    fs::create_directory(temppath(save_));

    GameState later = game_;
    later.colour = 0;
    EXPECT_FALSE(writesave(later, save_));
    EXPECT_EQ(contents(save_), before);
    EXPECT_TRUE(fs::is_directory(temppath(save_))) << "a folder that was not ours was removed";

    fs::remove(temppath(save_));
    GameState state = sentinelstate();
    ASSERT_TRUE(readsave(save_, state));
    EXPECT_EQ(state.colour, game_.colour);
}

TEST_F(SaveOnDisk, ReadOnlyFolderKeepsThePreviousSave) {
    ASSERT_TRUE(writesave(game_, save_));
    const std::string before = contents(save_);
    fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
    {
        // A privileged user writes through the permission bits; the tests
        // above cover that case with failures that do not depend on them.
        std::ofstream probe(folder_ / "probe");
        if (probe.is_open()) {
            GTEST_SKIP() << "permission bits do not stop this user from writing";
        }
    }
    GameState later = game_;
    later.colour = 1;
    EXPECT_FALSE(writesave(later, save_));
    EXPECT_EQ(contents(save_), before);
    EXPECT_EQ(listing(), std::set<std::string>{SAVE_FILE});
}

TEST_F(SaveOnDisk, HugeFileIsReadOnlyAsFarAsItsFirst110Lines) {
    std::string tail;
    tail.reserve(10'500'000);
    while (tail.size() < 10'000'000) {
        tail += "1234567890123\r\n";
    }
    put(save_, formatsave(game_) + tail);
    GameState state = sentinelstate();
    EXPECT_TRUE(readsave(save_, state));
    EXPECT_EQ(testing::savedvalues(state), testing::savedvalues(game_));

    // Ten megabytes of digits on one line is not a value.
    put(save_, std::string(10'000'000, '7') + "\r\n" + formatsave(game_));
    state = sentinelstate();
    EXPECT_FALSE(readsave(save_, state));
    EXPECT_EQ(state, sentinelstate());
}

// The reader stops after a bounded prefix; a save whose every line is padded
// to the longest line allowed must still fit in it whole.
TEST_F(SaveOnDisk, SaveOfLongestLinesIsReadWhole) {
    auto lines = testing::splitlines(formatsave(game_));
    for (auto& line : lines) {
        const bool negative = line[0] == '-';
        const std::string digits = negative ? line.substr(1) : line;
        line = (negative ? "-" : "") +
               std::string(LONGEST_LINE - digits.size() - (negative ? 1 : 0), '0') + digits;
        ASSERT_EQ(line.size(), LONGEST_LINE);
    }
    put(save_, testing::joinlines(lines));
    GameState state = sentinelstate();
    EXPECT_TRUE(readsave(save_, state));
    EXPECT_EQ(testing::savedvalues(state), testing::savedvalues(game_));

    // One character more on the last line is one too many.
    lines.back() = "0" + lines.back();
    put(save_, testing::joinlines(lines));
    EXPECT_FALSE(readsave(save_, state));
}

// A file that never ends: reading it whole would never return.
TEST_F(SaveOnDisk, EndlessFileIsRefusedAfterABoundedRead) {
    const fs::path endless = "/dev/zero";
    if (!fs::exists(endless)) {
        GTEST_SKIP() << "no endless file on this system";
    }
    GameState state = sentinelstate();
    EXPECT_FALSE(readsave(endless, state));
    EXPECT_EQ(state, sentinelstate());
}

}  // namespace
}  // namespace zandoli::savegame
