// The saved game: the exact bytes, round trips of played games, damaged
// files, the atomic save on disk (protected and linked saves too) and a fuzz
// run against an independent check.
#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <random>
#include <regex>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "engine/OnePlayerReferee.h"
#include "savegame/SaveFile.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/RecordingView.h"
#include "tests/support/ScriptedPlayer.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::savegame {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;
constexpr int16_t SENTINEL = -7;

// Every field set to a value no save holds, so a test sees what a read touched.
// The state is nothing but 16-bit fields, so it can be filled as an array.
GameState sentinel() {
    static_assert(sizeof(GameState) == sizeof(int16_t) * (3 + 2 * 5 * 13 + 5 + 8));
    GameState s;
    std::fill_n(reinterpret_cast<int16_t*>(&s), sizeof(s) / sizeof(int16_t), SENTINEL);
    return s;
}

// What a read of a save of `s` gives a sentinel state: the fields the file
// does not hold (restoring, player 4, slot 12) stay untouched.
GameState onlySaved(GameState s) {
    const GameState blank = sentinel();
    s.restoring = SENTINEL;
    s.hand[4] = s.turnHand[4] = blank.hand[4];
    s.handSize[4] = SENTINEL;
    for (int p = 0; p < 4; ++p) {
        s.hand[p][12] = s.turnHand[p][12] = SENTINEL;
    }
    return s;
}

std::array<int16_t, HAND_SLOTS> row(std::initializer_list<int16_t> cards) {
    std::array<int16_t, HAND_SLOTS> r{};
    r.fill(NO_CARD);
    std::copy(cards.begin(), cards.end(), r.begin());
    return r;
}

// Magenta to move in a three-player game with sound on: Blue folded two
// discards at its hand-over (its turnHand row is stale), Magenta has
// discarded slot 2 this turn.
GameState magenta() {
    GameState s;
    s.playSound = 1;
    s.numPlayers = 3;
    s.colour = 2;
    s.handSize = {5, 7, 6, 7, 0};
    s.hand[0] = row({8, 3, 40, 22, 17, 22, 17});
    s.turnHand[0] = row({8, NO_CARD, 3, 40, NO_CARD, 22, 17});
    s.hand[1] = s.turnHand[1] = row({1, 44, 29, 5, 36, 14, 27});
    s.hand[2] = s.turnHand[2] = row({0, 19, 33, 46, 2, 38, 24});
    s.turnHand[2][2] = NO_CARD;
    s.hand[3] = s.turnHand[3] = row({9, 10, 47, 31, 4, 21, 35});
    s.packPos = 28;
    s.topCard = 13;
    return s;
}

Lines split(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line.empty() || line.back() != '\r' ? line
                                                            : line.substr(0, line.size() - 1));
    }
    return lines;
}

std::string join(const Lines& lines, const std::string& ending = "\r\n") {
    std::string text;
    for (const auto& line : lines) {
        text += line + ending;
    }
    return text;
}

bool parses(const std::string& text, GameState& state) {
    state = sentinel();
    return parseSave(text, state);
}

// States real tables reach, at every moment Exit could save one: when a spin
// stops and after every click, in games of one to four players.
std::vector<GameState> playedStates() {
    std::vector<GameState> states;
    for (int players = 1; players <= 4; ++players) {
        for (uint64_t seed : {3u, 8u}) {
            GameState state;
            state.numPlayers = static_cast<int16_t>(players);
            state.playSound = static_cast<int16_t>(seed % 2);
            testing::RecordingView view;
            testing::VirtualScheduler clock;
            testing::SeededRandom random(seed);
            auto referee = testing::refereeFor(players, state, view, clock, random);
            testing::ScriptedPlayer player(*referee, state, clock);
            player.afterClick = [&] { states.push_back(state); };
            player.startNewGame();
            player.playToWin(5000);
        }
    }
    return states;
}

TEST(SaveFormat, AKnownGameIsWrittenByteForByte) {
    const std::string expected =
        "1\r\n3\r\n2\r\n5\r\n7\r\n6\r\n7\r\n"
        "8\r\n8\r\n3\r\n48\r\n40\r\n3\r\n22\r\n40\r\n17\r\n48\r\n22\r\n22\r\n"
        "17\r\n17\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        "1\r\n1\r\n44\r\n44\r\n29\r\n29\r\n5\r\n5\r\n36\r\n36\r\n14\r\n14\r\n"
        "27\r\n27\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        "0\r\n0\r\n19\r\n19\r\n33\r\n48\r\n46\r\n46\r\n2\r\n2\r\n38\r\n38\r\n"
        "24\r\n24\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        "9\r\n9\r\n10\r\n10\r\n47\r\n47\r\n31\r\n31\r\n4\r\n4\r\n21\r\n21\r\n"
        "35\r\n35\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n48\r\n"
        "28\r\n13\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    EXPECT_EQ(formatSave(magenta()), expected);
}

TEST(SaveRoundTrip, EveryStatePlayedGamesReachComesBackWhole) {
    const auto states = playedStates();
    int players = 0;
    int midTurn = 0;
    for (const GameState& saved : states) {
        GameState state;
        ASSERT_TRUE(parses(formatSave(saved), state)) << formatSave(saved);
        ASSERT_EQ(state, onlySaved(saved));
        players |= 1 << saved.numPlayers;
        midTurn += saved.turnOver == 0 && saved.turnHand[saved.colour] != saved.hand[saved.colour];
    }
    EXPECT_EQ(players, 0b11110);
    EXPECT_GT(midTurn, 50);
}

TEST(SaveText, OtherEndingsAndLinesAfterThe110thReadButDamagedTextsStoreNothing) {
    const Lines lines = split(formatSave(magenta()));
    const std::string whole = join(lines);
    std::string mixed;
    std::string binary(2000, '\0');
    std::mt19937 random(7);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        mixed += lines[i] + (i % 3 == 0 ? "\n" : "\r\n");
    }
    for (char& byte : binary) {
        byte = static_cast<char>(random());
    }
    std::vector<std::pair<std::string, bool>> texts = {
        {join(lines, "\n"), true},
        {mixed, true},
        {whole.substr(0, whole.size() - 2), true},
        {whole.substr(0, whole.size() - 1), true},
        {whole + "garbage\r\n99999999999999999999\r\n\xff", true},
        {"", false},
        {join(lines, "\r"), false},
        {join(lines, "\r\r\n"), false},
        {binary, false},
        {std::string(10'000'000, '7') + "\r\n" + whole, false}};
    // A first line that is not a 16-bit integer ends the read at once.
    for (const char* bad :
         {"", " ", "-", "+1", " 1", "1 ", "1 1", "--1", "1.0", "1e0", "0x1", "a",
          "\xef\xbb\xbf"
          "1",
          "1\r0", "32768", "-32769", "99999999999999999999", "00000000000000001"}) {
        Lines damaged = lines;
        damaged[0] = bad;
        texts.emplace_back(join(damaged), false);
    }
    for (const auto& [text, good] : texts) {
        GameState state;
        EXPECT_EQ(parses(text, state), good) << text.substr(0, 40);
        EXPECT_EQ(state, good ? onlySaved(magenta()) : sentinel()) << text.substr(0, 40);
    }
    for (std::size_t keep = 0; keep < 110; ++keep) {
        GameState state;
        EXPECT_FALSE(parses(join(Lines(lines.begin(), lines.begin() + long(keep))), state)) << keep;
        if (keep == 50) {  // the values read stay: line 44 is hand(1, 6), line 51 turnHand(1, 9)
            EXPECT_EQ(state.hand[1][6], 27);
            EXPECT_EQ(state.turnHand[1][9], SENTINEL);
        }
    }
}

// One changed line of the known game, judged by the ranges a game can reach.
TEST(SaveRanges, ValuesOutsideTheGameAreRefused) {
    const int hand13 = 8 + 2 * (12 * 1 + 3);  // hand(1, 3): inside Yellow's seven
    const int hand17 = hand13 + 8;            // hand(1, 7): past them
    const int work20 = 8 + 2 * (12 * 2) + 1;  // turnHand(2, 0): Magenta's, to move
    const int stale01 = 8 + 1 * 2 + 1;        // turnHand(0, 1): Blue's, stale
    const std::tuple<int, const char*, bool> cases[] = {
        {1, "0", true},        {1, "2", false},       {2, "4", true},         {2, "0", false},
        {2, "5", false},       {2, "2", false},       {3, "1", true},         {3, "3", false},
        {3, "-1", false},      {3, "0", false},       {4, "0", true},         {4, "13", false},
        {4, "-1", false},      {5, "8", false},       {6, "7", false},        {hand13, "0", true},
        {hand13, "47", true},  {hand13, "48", false}, {hand13, "-1", false},  {hand17, "12", true},
        {hand17, "49", false}, {stale01, "30", true}, {stale01, "49", false}, {work20, "1", false},
        {work20, "48", false}, {104, "0", true},      {104, "47", true},      {104, "48", false},
        {104, "-1", false},    {105, "48", false},    {106, "1", true},       {106, "2", false},
        {107, "-1", false},    {108, "2", false},     {109, "11", true},      {109, "-1", true},
        {109, "12", false},    {109, "-2", false},    {110, "32767", true},   {110, "-1", false},
    };
    for (const auto& [line, value, accepted] : cases) {
        Lines lines = split(formatSave(magenta()));
        lines[std::size_t(line - 1)] = value;
        GameState state;
        EXPECT_EQ(parses(join(lines), state), accepted) << "line " << line << " = " << value;
        EXPECT_EQ(split(formatSave(state))[std::size_t(line - 1)], value) << "read in full";
    }
    // Twelve cards fill every shown slot; a thirteenth cannot be counted.
    GameState full = magenta();
    full.hand[1] = full.turnHand[1] = row({1, 44, 29, 5, 36, 14, 27, 6, 7, 11, 12, 15});
    full.handSize[1] = 12;
    Lines lines = split(formatSave(full));
    GameState state;
    EXPECT_TRUE(parses(join(lines), state));
    lines[4] = "13";
    EXPECT_FALSE(parses(join(lines), state));
}

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A fresh folder, removed with everything in it when the test ends.
struct Folder {
    fs::path path =
        fs::temp_directory_path() / ("zandoli-" + std::to_string(std::random_device()()));
    fs::path save = path / SAVE_FILE;
    Folder() { fs::create_directory(path); }
    ~Folder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(path, ignored);
    }
    void put(const std::string& text) const { std::ofstream(save, std::ios::binary) << text; }
    bool holdsOnlyTheSave() const {
        return std::distance(fs::directory_iterator(path), fs::directory_iterator()) == 1 &&
               fs::is_regular_file(save);
    }
};

TEST(SaveOnDisk, SavesReplaceWholeAndReadsStopAfterABoundedPrefix) {
    const Folder f;
    f.put(std::string(3000, '1'));
    std::ofstream(tempPath(f.save)) << "half a save";
    ASSERT_TRUE(writeSave(magenta(), f.save));
    EXPECT_EQ(contents(f.save), formatSave(magenta()));
    EXPECT_TRUE(f.holdsOnlyTheSave());
    GameState state = sentinel();
    fs::remove(f.save);
    EXPECT_FALSE(readSave(f.save, state));
    EXPECT_FALSE(readSave("/dev/zero", state));
    EXPECT_EQ(state, sentinel());
    f.put(formatSave(magenta()) + std::string(10'000'000, '9'));
    EXPECT_TRUE(readSave(f.save, state));
    EXPECT_EQ(state, onlySaved(magenta()));
    // Every line padded to the longest a value may be still fits the bounded read.
    Lines lines = split(formatSave(magenta()));
    for (auto& line : lines) {
        line = std::string(LONGEST_LINE - line.size(), '0') + line;
    }
    f.put(join(lines));
    EXPECT_TRUE(readSave(f.save, state = sentinel()));
    lines.back() = "0" + lines.back();
    f.put(join(lines));
    EXPECT_FALSE(readSave(f.save, state));
}

TEST(SaveOnDisk, AFailedSaveLeavesThePreviousWholeAndNoTemporaryFile) {
    const Folder f;
    ASSERT_TRUE(writeSave(magenta(), f.save));
    GameState later = magenta();
    later.colour = 1;
    // The temporary file lands on a full disk: its write fails after it was made.
    fs::create_symlink("/dev/full", tempPath(f.save));
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(magenta()));
    EXPECT_TRUE(f.holdsOnlyTheSave());
    // Something not ours at the temporary name is left alone.
    fs::create_directory(tempPath(f.save));
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(magenta()));
    EXPECT_TRUE(fs::is_directory(tempPath(f.save)));
}

// Runs the checks as an ordinary user, for whom file rights hold: root may
// write anywhere, so under root (as on CI) they run in a child that became
// "nobody" (65534) first and makes its own folders. The child's failures are
// printed as usual and come back as its exit status.
void asOrdinaryUser(const std::function<void()>& checks) {
    if (geteuid() != 0) {
        checks();
        return;
    }
    std::fflush(nullptr);
    const pid_t child = fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        if (setgroups(0, nullptr) != 0 || setgid(65534) != 0 || setuid(65534) != 0) {
            std::fprintf(stderr, "could not become uid 65534\n");
            _exit(2);
        }
        try {
            checks();
        } catch (const std::exception& error) {
            ADD_FAILURE() << error.what();
        }
        std::fflush(nullptr);
        _exit(::testing::Test::HasFailure() ? 1 : 0);
    }
    int status = -1;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status)) << status;
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the checks failed as uid 65534";
}

// What a link says, empty for anything else.
std::string linkText(const fs::path& file) {
    std::error_code notALink;
    return fs::read_symlink(file, notALink).string();
}

// A file's rights in the octal digits chmod takes.
std::string mode(const fs::path& file) {
    std::ostringstream digits;
    digits << std::oct << static_cast<int>(fs::status(file).permissions());
    return digits.str();
}

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

TEST(SaveOnDisk, AProtectedSaveOrFolderIsLeftAsItIs) {
    asOrdinaryUser([] {
        ASSERT_NE(geteuid(), 0u);
        const Folder f;
        GameState later = magenta();
        later.colour = 1;
        // A prepared starting position, write-protected by its owner.
        f.put(formatSave(magenta()));
        fs::permissions(f.save, fs::perms(0444));
        EXPECT_FALSE(writeSave(later, f.save));
        EXPECT_EQ(contents(f.save), formatSave(magenta()));
        EXPECT_EQ(mode(f.save), "444");
        EXPECT_TRUE(f.holdsOnlyTheSave());
        // The same behind a link: the link and the file it names both stay.
        fs::create_directory(f.path / "class");
        fs::rename(f.save, f.path / "class" / "start.inf");
        fs::create_symlink("class/start.inf", f.save);
        EXPECT_FALSE(writeSave(later, f.save));
        EXPECT_EQ(linkText(f.save), "class/start.inf");
        EXPECT_EQ(contents(f.path / "class" / "start.inf"), formatSave(magenta()));
        EXPECT_EQ(mode(f.save), "444");
        EXPECT_EQ(namesIn(f.path / "class"), std::vector<std::string>{"start.inf"});
        // A writable save in a folder the player may not change: no temporary
        // file can be made beside it, so the save fails and the old one stays.
        fs::remove(f.save);
        f.put(formatSave(magenta()));
        fs::permissions(f.path, fs::perms(0555));
        EXPECT_FALSE(writeSave(later, f.save));
        fs::permissions(f.path, fs::perms(0755));
        EXPECT_EQ(contents(f.save), formatSave(magenta()));
        EXPECT_EQ(namesIn(f.path), (std::vector<std::string>{"class", "lastgame.inf"}));
    });
}

TEST(SaveOnDisk, ALinkedSaveStaysALinkAndAReplacedSaveKeepsItsRights) {
    const Folder f;
    GameState later = magenta();
    later.colour = 1;
    f.put(formatSave(magenta()));
    fs::permissions(f.save, fs::perms(0600));
    ASSERT_TRUE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(later));
    EXPECT_EQ(mode(f.save), "600");
    // A link to a file not made yet: the first save makes it.
    const fs::path shared = f.path / "shared";
    fs::create_directory(shared);
    fs::remove(f.save);
    fs::create_symlink("shared/games.inf", f.save);
    ASSERT_TRUE(writeSave(magenta(), f.save));
    EXPECT_EQ(linkText(f.save), "shared/games.inf");
    EXPECT_EQ(contents(shared / "games.inf"), formatSave(magenta()));
    // A link to a link to it, the second one absolute: the end of the chain is
    // replaced, with its rights, and no temporary file is left anywhere.
    fs::permissions(shared / "games.inf", fs::perms(0640));
    fs::remove(f.save);
    fs::create_symlink(shared / "games.inf", f.path / "second.inf");
    fs::create_symlink("second.inf", f.save);
    ASSERT_TRUE(writeSave(later, f.save));
    EXPECT_EQ(linkText(f.save), "second.inf");
    EXPECT_EQ(linkText(f.path / "second.inf"), (shared / "games.inf").string());
    EXPECT_EQ(contents(shared / "games.inf"), formatSave(later));
    EXPECT_EQ(mode(shared / "games.inf"), "640");
    EXPECT_EQ(namesIn(shared), std::vector<std::string>{"games.inf"});
    EXPECT_EQ(namesIn(f.path), (std::vector<std::string>{"lastgame.inf", "second.inf", "shared"}));
    // A link into a missing folder, and links round in a circle, cannot be saved to.
    fs::remove(f.save);
    fs::create_symlink("gone/games.inf", f.save);
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(linkText(f.save), "gone/games.inf");
    fs::remove(f.save);
    fs::remove(f.path / "second.inf");
    fs::create_symlink("second.inf", f.save);
    fs::create_symlink("lastgame.inf", f.path / "second.inf");
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(linkText(f.save), "second.inf");
    EXPECT_EQ(namesIn(f.path), (std::vector<std::string>{"lastgame.inf", "second.inf", "shared"}));
}

// The test's own check of an accepted text: its first 110 lines are plain
// integers, each within the range of its line, and colour below numPlayers.
bool inRanges(const std::string& text) {
    static const std::regex integer("-?[0-9]+");
    // The last line of each group, its lowest and its highest value.
    const long ranges[][3] = {{1, 0, 1},   {2, 1, 4},     {3, 0, 3},
                              {7, 0, 12},  {103, 0, 48},  {105, 0, 47},
                              {108, 0, 1}, {109, -1, 11}, {110, 0, 32767}};
    const Lines lines = split(text);
    for (std::size_t n = 1, group = 0; n <= 110; ++n) {
        group += long(n) > ranges[group][0];
        const std::string& line = n <= lines.size() ? lines[n - 1] : "";
        if (line.size() > 16 || !std::regex_match(line, integer) ||
            std::stol(line) < ranges[group][1] || std::stol(line) > ranges[group][2]) {
            return false;
        }
    }
    return std::stol(lines[2]) < std::stol(lines[1]);
}

TEST(SaveFuzz, WhatADamagedSaveLetsThroughIsInRangeAndReadAsWritten) {
    const auto states = playedStates();
    std::mt19937 random(98765);
    const char* const edges[] = {"-2", "-1", "0",     "1",     "2",      "3",
                                 "4",  "5",  "11",    "12",    "13",     "47",
                                 "48", "49", "32767", "32768", "-32768", "-32769"};
    int accepted = 0;
    for (int round = 0; round < 20000; ++round) {
        Lines lines = split(formatSave(states[random() % states.size()]));
        for (unsigned edits = random() % 4; edits > 0 && !lines.empty(); --edits) {
            // A value at an edge of the ranges, one off, padded with zeros, or a cut file.
            // Half the edits go to the lines that are not cards: settings, sizes, pack and turn.
            const std::size_t scalar = random() % 14;
            std::string& line = lines[std::min<std::size_t>(
                lines.size() - 1, random() % 2 ? scalar + (scalar < 7 ? 0 : 96) : random() % 110)];
            const unsigned kind = random() % 4;
            const std::string edge = edges[random() % std::size(edges)];
            const long nudge = random() % 2 ? 1 : -1;
            line = kind == 0   ? edge
                   : kind == 1 ? std::to_string(std::stol(line) + nudge)
                   : kind == 2 ? std::string(random() % 20, '0') + line
                               : line;
            lines.resize(kind == 3 ? std::min<std::size_t>(lines.size(), 100 + random() % 11)
                                   : lines.size());
        }
        std::string text = join(lines, random() % 5 ? "\r\n" : "\n");
        if (random() % 4 == 0) {
            text[random() % text.size()] ^= char(1 << random() % 8);
        }
        GameState state;
        const bool ok = parses(text, state);
        ASSERT_TRUE(!ok || inRanges(text)) << "round " << round << ":\n" << text;
        ASSERT_EQ(state.restoring, SENTINEL);
        if (ok) {
            ++accepted;
            const Lines read = split(text);
            const Lines written = split(formatSave(state));
            for (std::size_t n = 0; n < 110; ++n) {
                ASSERT_EQ(std::stol(written[n]), std::stol(read[n])) << "line " << n + 1;
            }
        }
    }
    EXPECT_GT(accepted, 4000);
    EXPECT_LT(accepted, 16000);
}

}  // namespace
}  // namespace zandoli::savegame
