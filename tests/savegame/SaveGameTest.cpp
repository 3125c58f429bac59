// The saved game: the bytes of a save made mid-game, round trips of played
// games, damaged files judged line by line, and the atomic save on disk
// (protected and linked saves too).
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
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

#include "savegame/SaveFile.h"
#include "tests/engine/Table.h"

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

std::string contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The short game of tests/engine played up to Blue's red-star discard: Blue
// has five cards left of its seven, one discarded this turn; Yellow has drawn
// card 36 into its eighth slot; the pack's top is now 37 at position 29.
void playToMidGame(testing::Table<>& t) {
    for (const auto& [step, shows] : testing::SHORT_GAME) {
        t.play(step);
    }
}

GameState sample() {
    testing::Table<> t(2);
    playToMidGame(t);
    return t.state;
}

TEST(SaveFormat, AMidGameSaveIsWrittenByteForByteAndReadBack) {
    std::ifstream file(ZANDOLI_MID_GAME_SAVE, std::ios::binary);
    const std::string golden{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
    testing::Table<> t(2);
    playToMidGame(t);
    EXPECT_EQ(formatSave(t.state), golden);
    GameState read;
    ASSERT_TRUE(parses(golden, read));
    EXPECT_EQ(read, onlySaved(t.state));
    // The restored game is the start of Blue's turn, the discard kept.
    testing::Table<> again(2);
    ASSERT_TRUE(parseSave(golden, again.state));
    again.state.restoring = 1;
    EXPECT_EQ(again.play("load"), "Blue to Play | spin | 9 10 12 13 14 |");
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
    const Lines lines = split(formatSave(sample()));
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
        EXPECT_EQ(state, good ? onlySaved(sample()) : sentinel()) << text.substr(0, 40);
    }
    for (std::size_t keep = 0; keep < 110; ++keep) {
        GameState state;
        EXPECT_FALSE(parses(join(Lines(lines.begin(), lines.begin() + long(keep))), state)) << keep;
        if (keep == 50) {  // the values read stay: line 44 is hand(1, 6), line 51 turnHand(1, 9)
            EXPECT_EQ(state.hand[1][6], 21);
            EXPECT_EQ(state.turnHand[1][9], SENTINEL);
        }
    }
}

// One line of the mid-game save changed: the line, its new value, and whether
// the file is still a game. Lines 4-7 count the hands; Blue's slot s is line
// 8 + 2s, its working copy the line after; Yellow's begin at line 32.
TEST(SaveRanges, ValuesNoGameCanReachAreRefused) {
    const std::tuple<int, const char*, bool> cases[] = {
        {1, "0", true},     {1, "2", false},      {1, "-1", false},  // sound
        {2, "1", true},     {2, "4", true},       {2, "0", false},
        {2, "5", false},                                             // players
        {3, "1", true},     {3, "2", false},      {3, "-1", false},  // colour to move
        {4, "0", true},     {4, "6", true},       {4, "7", false},
        {4, "13", false},   {4, "-1", false},     {5, "7", true},
        {5, "9", false},    {5, "12", false},     {8, "48", false},
        {8, "49", false},   {8, "-1", false},     {8, "47", false},  // Blue's first card
        {9, "48", true},    {9, "47", false},     {13, "11", true},
        {13, "49", false},  {22, "0", true},      {22, "48", true},
        {22, "49", false},  // past Blue's cards
        {32, "0", true},    {32, "48", false},    {33, "47", true},
        {46, "48", false},  // Yellow's
        {104, "0", true},   {104, "47", true},    {104, "48", false},
        {104, "-1", false},  // pack
        {105, "0", true},   {105, "48", false},   {105, "-1", false},
        {106, "0", true},   {106, "2", false},    {107, "1", true},
        {107, "-1", false}, {108, "1", true},     {108, "2", false},
        {109, "11", true},  {109, "-1", true},    {109, "12", false},
        {109, "-2", false}, {110, "32767", true}, {110, "-1", false},
    };
    const Lines golden = split(formatSave(sample()));
    ASSERT_EQ(golden.size(), 110u);
    for (const auto& [line, value, accepted] : cases) {
        Lines lines = golden;
        lines[std::size_t(line - 1)] = value;
        GameState state;
        EXPECT_EQ(parses(join(lines), state), accepted) << "line " << line << " = " << value;
        EXPECT_EQ(split(formatSave(state))[std::size_t(line - 1)], value) << "read in full";
    }
    // Twelve cards fill every shown slot; a thirteenth cannot be counted.
    Lines twelve = golden;
    for (int s = 8; s < 12; ++s) {
        twelve[std::size_t(31 + 2 * s)] = twelve[std::size_t(32 + 2 * s)] = std::to_string(s);
    }
    twelve[4] = "12";
    GameState state;
    EXPECT_TRUE(parses(join(twelve), state));
    twelve[4] = "13";
    EXPECT_FALSE(parses(join(twelve), state));
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
    ASSERT_TRUE(writeSave(sample(), f.save));
    EXPECT_EQ(contents(f.save), formatSave(sample()));
    EXPECT_TRUE(f.holdsOnlyTheSave());
    GameState state = sentinel();
    fs::remove(f.save);
    EXPECT_FALSE(readSave(f.save, state));
    EXPECT_FALSE(readSave("/dev/zero", state));
    EXPECT_EQ(state, sentinel());
    f.put(formatSave(sample()) + std::string(10'000'000, '9'));
    EXPECT_TRUE(readSave(f.save, state));
    EXPECT_EQ(state, onlySaved(sample()));
    // Every line padded to the longest a value may be still fits the bounded read.
    Lines lines = split(formatSave(sample()));
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
    ASSERT_TRUE(writeSave(sample(), f.save));
    GameState later = sample();
    later.colour = 1;
    // The temporary file lands on a full disk: its write fails after it was made.
    fs::create_symlink("/dev/full", tempPath(f.save));
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(sample()));
    EXPECT_TRUE(f.holdsOnlyTheSave());
    // Something not ours at the temporary name is left alone.
    fs::create_directory(tempPath(f.save));
    EXPECT_FALSE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(sample()));
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
        GameState later = sample();
        later.colour = 1;
        // A prepared starting position, write-protected by its owner.
        f.put(formatSave(sample()));
        fs::permissions(f.save, fs::perms(0444));
        EXPECT_FALSE(writeSave(later, f.save));
        EXPECT_EQ(contents(f.save), formatSave(sample()));
        EXPECT_EQ(mode(f.save), "444");
        EXPECT_TRUE(f.holdsOnlyTheSave());
        // The same behind a link: the link and the file it names both stay.
        fs::create_directory(f.path / "class");
        fs::rename(f.save, f.path / "class" / "start.inf");
        fs::create_symlink("class/start.inf", f.save);
        EXPECT_FALSE(writeSave(later, f.save));
        EXPECT_EQ(linkText(f.save), "class/start.inf");
        EXPECT_EQ(contents(f.path / "class" / "start.inf"), formatSave(sample()));
        EXPECT_EQ(mode(f.save), "444");
        EXPECT_EQ(namesIn(f.path / "class"), std::vector<std::string>{"start.inf"});
        // A writable save in a folder the player may not change: no temporary
        // file can be made beside it, so the save fails and the old one stays.
        fs::remove(f.save);
        f.put(formatSave(sample()));
        fs::permissions(f.path, fs::perms(0555));
        EXPECT_FALSE(writeSave(later, f.save));
        fs::permissions(f.path, fs::perms(0755));
        EXPECT_EQ(contents(f.save), formatSave(sample()));
        EXPECT_EQ(namesIn(f.path), (std::vector<std::string>{"class", "lastgame.inf"}));
    });
}

TEST(SaveOnDisk, ALinkedSaveStaysALinkAndAReplacedSaveKeepsItsRights) {
    const Folder f;
    GameState later = sample();
    later.colour = 1;
    f.put(formatSave(sample()));
    fs::permissions(f.save, fs::perms(0600));
    ASSERT_TRUE(writeSave(later, f.save));
    EXPECT_EQ(contents(f.save), formatSave(later));
    EXPECT_EQ(mode(f.save), "600");
    // A link to a file not made yet: the first save makes it.
    const fs::path shared = f.path / "shared";
    fs::create_directory(shared);
    fs::remove(f.save);
    fs::create_symlink("shared/games.inf", f.save);
    ASSERT_TRUE(writeSave(sample(), f.save));
    EXPECT_EQ(linkText(f.save), "shared/games.inf");
    EXPECT_EQ(contents(shared / "games.inf"), formatSave(sample()));
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

}  // namespace
}  // namespace zandoli::savegame
