// The saved game: the bytes of a save made mid-game, round trips of played
// games, damaged files judged line by line, and the atomic save on disk
// (protected and linked saves too).
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <random>
#include <set>

#include "savegame/SaveFile.h"
#include "tests/engine/Table.h"
#include "tests/support/OrdinaryUser.h"
#include "tests/support/Transcript.h"

namespace zandoli::savegame {
namespace {

namespace fs = std::filesystem;
using zandoli::testing::asOrdinaryUser;
using zandoli::testing::registerTranscript;
using zandoli::testing::Step;
using zandoli::testing::Transcript;
using zandoli::testing::Vocabulary;
using Lines = std::vector<std::string>;
constexpr int16_t SENTINEL = -7;

// Every field set to a value no save holds, so a test sees what a read touched.
// The state is nothing but 16-bit fields, so it can be filled as an array.
GameState sentinel() {
    static_assert(sizeof(GameState) ==
                  sizeof(int16_t) * (3 + 2 * PLAYER_SLOTS * HAND_SLOTS + PLAYER_SLOTS + 8));
    GameState s;
    std::fill_n(reinterpret_cast<int16_t*>(&s), sizeof(s) / sizeof(int16_t), SENTINEL);
    return s;
}

// What a read of a save of `s` gives a sentinel state: the fields the file
// does not hold (restoring, player 4, slot 12) stay untouched.
GameState onlySaved(GameState s) {
    s.restoring = s.handSize[4] = SENTINEL;
    s.hand[4] = s.turnHand[4] = sentinel().hand[4];
    for (int p = 0; p < 4; ++p) {
        s.hand[p][12] = s.turnHand[p][12] = SENTINEL;
    }
    return s;
}

Lines split(const std::string& text) {
    Lines lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line.ends_with('\r') ? line.substr(0, line.size() - 1) : line);
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

// The short game of tests/engine/turns.txt played up to Blue's red-star
// discard: Blue has five cards left of its seven, one discarded this turn;
// Yellow has drawn card 36 into its eighth slot; the pack's top is now 37.
// Played once, and kept.
GameState sample() {
    static const GameState played = [] {
        const testing::Transcript turns(ZANDOLI_TRANSCRIPTS "/turns.txt");
        testing::Tables<> tables;
        testing::playPart(turns,
                          turns.part("two players from the deal to Blue's red-star discard "
                                     "(tests/savegame/mid-game.inf)"),
                          tables);
        return tables.table->state;
    }();
    return played;
}

TEST(SaveFormat, AMidGameSaveIsWrittenByteForByteAndReadBack) {
    const std::string golden = contents(ZANDOLI_MID_GAME_SAVE);
    EXPECT_EQ(formatSave(sample()), golden);
    GameState read;
    ASSERT_TRUE(parses(golden, read));
    EXPECT_EQ(read, onlySaved(sample()));
    // The restored game is the start of Blue's turn, the discard kept.
    testing::Table again(2);
    ASSERT_TRUE(parseSave(golden, again.state));
    again.state.restoring = 1;
    EXPECT_EQ(again.play("load"), "Blue to Play | spin | 9 10 12 13 14 | turn");
    // A save changed by hand so that Blue counts no cards shows none of those
    // it holds (the table still restores: nothing clears the flag but the screens).
    again.state.handSize[0] = 0;
    EXPECT_EQ(again.play("load"), "Blue to Play | spin | | turn");
}

// Two games after each other at tables of one to four players, each turn
// passing the table on to the next player with that player's hand showing.
// Every state Exit could save on the way (when a spin stops and after every
// click) reads back whole.
TEST(WholeGame, OneToFourPlayersPlayTwoGamesToAWinnerAndEveryStateSavesWhole) {
    const char* const wins[] = {"BLUE HAS WON!!!", "YELLOW HAS WON!!!", "MAGENTA HAS WON!!!",
                                "GREEN HAS WON!!!"};
    int midTurn = 0;
    for (int players = 1; players <= 4; ++players) {
        for (uint64_t seed : {3u, 8u}) {
            GameState state;
            state.numPlayers = static_cast<int16_t>(players);
            state.playSound = static_cast<int16_t>(seed % 2);
            testing::RecordingView view;
            testing::VirtualScheduler clock;
            testing::SeededRandom random(seed * 7919 + players);
            const auto referee = testing::refereeFor(players, state, view, clock, random);
            testing::ScriptedPlayer player(*referee, state, clock);
            player.afterClick = [&] {
                GameState read;
                ASSERT_TRUE(parses(formatSave(state), read)) << formatSave(state);
                ASSERT_EQ(read, onlySaved(state));
                const int c = state.colour;
                midTurn += state.turnOver == 0 && state.turnHand[c] != state.hand[c];
            };
            for (int game = 0; game < 2; ++game) {
                player.startNewGame();
                int turns = 0;
                while (!referee->gameOver() && ++turns < 2000) {
                    const int colour = state.colour;
                    player.playTurn();
                    if (!referee->gameOver()) {
                        clock.advance(3000);
                        EXPECT_EQ(state.colour, (colour + 1) % players);
                        EXPECT_EQ(view.shownFaces().size(),
                                  std::min<size_t>(state.handSize[state.colour], 12));
                    }
                }
                ASSERT_TRUE(referee->gameOver()) << players << " players, seed " << seed;
                EXPECT_TRUE(view.shownFaces().empty());
                // One player: every turn is one spin, and the count is this game's.
                EXPECT_EQ(testing::captionWords(view.state.caption),
                          players == 1 ? "GAME WON IN " + std::to_string(turns) + " SPINS!"
                                       : wins[state.colour]);
                if (game == 0) {  // a table's first win flashes dark first
                    clock.advance(250);
                    EXPECT_TRUE(view.state.captionDark);
                }
            }
        }
    }
    EXPECT_GT(midTurn, 50);
}

TEST(SaveText, OtherEndingsAndLinesAfterThe110thReadButDamagedTextsStoreNothing) {
    const Lines lines = split(formatSave(sample()));
    const std::string whole = join(lines);
    std::string mixed;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        mixed += lines[i] + (i % 3 == 0 ? "\n" : "\r\n");
    }
    std::string binary(2000, '\0');
    std::generate(binary.begin(), binary.end(), std::mt19937(7));
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
    // A first line that is not a 16-bit integer of at most 16 characters ends the read at once.
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

// changed-lines.txt: the mid-game save with lines changed, and whether it is
// still a game. Every value changed is stored, whatever the verdict.
struct ChangedSave {
    static const Vocabulary<ChangedSave>& verbs() {
        static const Vocabulary<ChangedSave> verbs(
            "the mid-game save changed (tests/savegame/SaveGameTest.cpp)",
            {{"", "4=0 5=7", "the save with line 4 made 0 and line 5 made 7: game or damaged",
              &ChangedSave::change}});
        return verbs;
    }
    std::string change(const Step& step) const {
        std::istringstream words(step.text());
        Lines changed = golden;
        for (std::string change; words >> change;) {
            const auto equals = change.find('=');
            changed[std::stoul(change.substr(0, equals)) - 1] = change.substr(equals + 1);
        }
        GameState state;
        const bool game = parses(join(changed), state);
        EXPECT_EQ(split(formatSave(state)), changed) << step.text();
        return game ? "game" : "damaged";
    }
    const Lines golden = split(formatSave(sample()));
};
[[maybe_unused]] const bool changedLines = registerTranscript<ChangedSave>(ZANDOLI_SAVE_CASES);

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
};

TEST(SaveOnDisk, ReadsStopAfterABoundedPrefix) {
    const Folder f;
    GameState state = sentinel();
    EXPECT_FALSE(readSave(f.save, state));
    EXPECT_FALSE(readSave("/dev/zero", state));
    EXPECT_EQ(state, sentinel());
    f.put(formatSave(sample()) + std::string(10'000'000, '9'));
    EXPECT_TRUE(readSave(f.save, state));
    EXPECT_EQ(state, onlySaved(sample()));
    // Every line padded to sixteen characters still fits the bounded read.
    Lines lines = split(formatSave(sample()));
    for (auto& line : lines) {
        line = std::string(16 - line.size(), '0') + line;
    }
    f.put(join(lines));
    EXPECT_TRUE(readSave(f.save, state = sentinel()));
    lines.back() = "0" + lines.back();
    f.put(join(lines));
    EXPECT_FALSE(readSave(f.save, state));
}

// A scenario of on-disk.txt in a fresh folder.
class OnDisk {
public:
    explicit OnDisk(bool asNobody) : asNobody_(asNobody) {}

    static const Vocabulary<OnDisk>& verbs() {
        static const Vocabulary<OnDisk> verbs(
            "the save on disk (tests/savegame/SaveGameTest.cpp)",
            {{"as", "as nobody", "the scenario, which it begins, runs as an ordinary user",
              &OnDisk::asNobody},
             {"save", "save mid", "the mid-game save (or \"later\") saved: saved or refused",
              &OnDisk::save},
             {"write", "write F mid", "F written with the mid-game save, \"later\" or a text",
              &OnDisk::write},
             {"read", "read F", "which save F holds: mid, later, nothing or other", &OnDisk::read},
             {"folder", "folder F", "a folder F made", &OnDisk::folder},
             {"link", "link F TARGET", "F a link to TARGET (@: the scenario's folder)",
              &OnDisk::link},
             {"chain", "chain 40", "the save a chain of 40 links to end.inf", &OnDisk::chain},
             {"chmod", "chmod F 444", "F's rights set", &OnDisk::chmod},
             {"rm", "rm F", "F removed", &OnDisk::remove},
             {"mv", "mv F G", "F renamed G", &OnDisk::move},
             {"mode", "mode F", "F's rights", &OnDisk::mode},
             {"linktext", "linktext F", "where the link F points", &OnDisk::linkText},
             {"names", "names F", "the names in the folder F", &OnDisk::names}});
        return verbs;
    }

private:
    fs::path file(const Step& step) const { return f_.path / step.word(0); }
    std::string asNobody(const Step&) const {
        if (!asNobody_) {
            throw std::logic_error("\"as nobody\" is a scenario's first step");
        }
        return "";
    }
    std::string save(const Step& step) const {
        GameState later = sample();
        later.colour = 1;
        return writeSave(step.word(0) == "mid" ? sample() : later, f_.save) ? "saved" : "refused";
    }
    std::string write(const Step& step) const {
        const std::string text = step.rest(1);
        GameState later = sample();
        later.colour = 1;
        std::ofstream(file(step), std::ios::binary) << (text == "mid"     ? formatSave(sample())
                                                        : text == "later" ? formatSave(later)
                                                                          : text);
        return "";
    }
    std::string read(const Step& step) const {
        GameState later = sample();
        later.colour = 1;
        const std::string text = contents(file(step));
        return text == formatSave(sample()) ? "mid"
               : text == formatSave(later)  ? "later"
               : text.empty()               ? "nothing"
                                            : "other";
    }
    std::string folder(const Step& step) const {
        fs::create_directory(file(step));
        return "";
    }
    std::string link(const Step& step) const {
        const std::string target = step.rest(1);
        fs::create_symlink(target.starts_with("@") ? f_.path.string() + target.substr(1) : target,
                           file(step));
        return "";
    }
    // lastgame.inf -> link1 -> ... -> end.inf
    std::string chain(const Step& step) const {
        fs::path link = f_.save;
        for (int i = 1; i < step.number(0); ++i) {
            fs::create_symlink("link" + std::to_string(i), link);
            link = f_.path / ("link" + std::to_string(i));
        }
        fs::create_symlink("end.inf", link);
        return "";
    }
    std::string chmod(const Step& step) const {
        fs::permissions(file(step), fs::perms(std::stoi(step.word(1), nullptr, 8)));
        return "";
    }
    std::string remove(const Step& step) const {
        fs::remove(file(step));
        return "";
    }
    std::string move(const Step& step) const {
        fs::rename(file(step), f_.path / step.word(1));
        return "";
    }
    std::string mode(const Step& step) const {
        return (std::ostringstream() << std::oct << int(fs::status(file(step)).permissions()))
            .str();
    }
    std::string linkText(const Step& step) const {
        const std::string here = f_.path.string();
        const std::string target = fs::read_symlink(file(step)).string();
        return target.starts_with(here) ? "@" + target.substr(here.size()) : target;
    }
    std::string names(const Step& step) const {
        std::set<std::string> names;  // each after a space, in order
        for (const auto& entry : fs::directory_iterator(file(step))) {
            names.insert(" " + entry.path().filename().string());
        }
        return join(Lines(names.begin(), names.end()), "").erase(0, 1);
    }

    bool asNobody_;
    Folder f_;
};

// Saves replace the old one whole or not at all, protected saves and
// folders stay as they are, and linked saves stay links. A scenario that
// begins "as nobody" runs as an ordinary user: in a child of its own when
// the tests run as root. The turns of the sample game are played first:
// the checkout may be closed to the ordinary user.
[[maybe_unused]] const bool onDisk = registerTranscript<OnDisk>(
    ZANDOLI_SAVE_SCENARIOS, [](const Transcript& transcript, const Transcript::Part& part) {
        sample();
        const bool nobody = !part.steps.empty() && part.steps[0].text == "as nobody";
        const auto play = [&] {
            OnDisk disk(nobody);
            playPart(transcript, part, disk);
        };
        nobody ? asOrdinaryUser(play) : play();
    });

}  // namespace
}  // namespace zandoli::savegame
