// The saved game: the bytes of a save made mid-game, round trips of played
// games, damaged texts, and a bounded read on disk. The save's transcripts
// (damaged files judged line by line, the atomic save on disk) are played
// in SaveTranscripts.cpp.
#include <gtest/gtest.h>

#include <random>

#include "tests/savegame/SaveCases.h"

namespace zandoli::savegame {
namespace {

// What a read of a save of `s` gives a sentinel state: the fields the file
// does not hold (player 4, slot 12) stay untouched.
GameState onlySaved(GameState s) {
    s.handSize[4] = SENTINEL;
    s.hand[4] = s.turnHand[4] = sentinel().hand[4];
    for (int p = 0; p < 4; ++p) {
        s.hand[p][12] = s.turnHand[p][12] = SENTINEL;
    }
    return s;
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
    EXPECT_EQ(again.play("reopen"), "Blue to Play | spin | 9 10 12 13 14 | turn");
    // A save changed by hand so that Blue counts no cards shows none of those
    // it holds.
    again.state.handSize[0] = 0;
    EXPECT_EQ(again.play("reopen"), "Blue to Play | spin | | turn");
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

}  // namespace
}  // namespace zandoli::savegame
