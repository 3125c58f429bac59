// A whole game, dealt and played to a win, as the record keeps it: every
// row written out (game.txt), with a wrong card and a missed card planted.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "record/Schema.h"
#include "tests/engine/Table.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

// The record's clock starts at 2023-11-14 22:13:20 UTC and runs in virtual time.
constexpr int64_t START_MS = 1'700'000'000'000;

// The engine's table of tests, its referee's news passed on to the recorder
// of a record in a folder of its own. The deal moves no card (see Table):
// Blue holds 0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20%; Yellow 30%, 40%, ... 90%;
// the pack's top card is a tile with 2 of 20 squares shaded; and every spin
// not aimed is of 17 steps, one position on.
struct RecordedTable : Table {
    explicit RecordedTable(int players = 2) : Table(players) { view.also = &recorder; }
    Rows rows(const char* sql) const { return readRows(store.path(), QString::fromUtf8(sql)); }

    QTemporaryDir folder;
    RecordStore store{folder.path() + "/zandoli/record.sqlite"};
    // Yellow gave a name, Blue none; Magenta's is for games of more.
    Recorder recorder{state, store, [this] { return START_MS + scheduler.now(); },
                      [] {
                          return std::array<std::string, PLAYING_COLOURS>{"", "Ana", "Zoë"};
                      }};
};

std::vector<std::string> expectedRows(const std::string& name) {
    std::ifstream in(std::string(ZANDOLI_RECORD_DATA) + "/" + name);
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && !line.starts_with("#")) {
            rows.push_back(line);
        }
    }
    return rows;
}

TEST(RecordedGame, EveryChoiceMissAndStarOfAWholeGameIsARowWithItsMistakeNamed) {
    RecordedTable t;
    ScriptedPlayer player(*t.referee, t.state, t.scheduler);
    player.startNewGame();
    // Blue, on 0.3, takes 0.7 (slot 0), the unshaded part.
    t.spinTo(12);
    t.referee->cardClicked(0);
    t.scheduler.advance(timerInterval(TimerId::HandOver));
    // Yellow, on one half, hands over with 50% (slot 2) still in the hand.
    t.spinTo(6);
    t.referee->buttonPressed(TableButton::NextPlayer);
    // The rest of the game as a careful player plays it.
    for (int turn = 0; turn < 100 && !t.referee->gameOver(); ++turn) {
        player.playTurn();
    }
    ASSERT_TRUE(t.referee->gameOver());

    Rows rows = t.rows(
        "SELECT 'game', started_ms - 1700000000000, players, one_player, restored, "
        "ended_ms - 1700000000000, ending, winner, spins, length(uid) FROM game");
    const Rows seats = t.rows("SELECT 'seat', colour, name FROM seat");
    const Rows events = t.rows(
        "SELECT turn, at_ms - 1700000000000, CASE colour WHEN 0 THEN 'blue' WHEN 1 THEN 'yellow' "
        "END, what, position, spin_value, star, card, card_value, card_form, mistake FROM event "
        "ORDER BY id");
    rows.insert(rows.end(), seats.begin(), seats.end());
    rows.insert(rows.end(), events.begin(), events.end());
    EXPECT_EQ(rows, expectedRows("game.txt"));

    // The tallies kept row by row are those the rows make.
    const QString tallies = QStringLiteral("SELECT colour, %1 FROM tally ORDER BY colour")
                                .arg(recordSchema::tallyColumns());
    const Rows kept = readRows(t.store.path(), tallies);
    EXPECT_EQ(runSql(t.store.path(), {recordSchema::tallyOf(QStringLiteral("1"))}), "");
    EXPECT_EQ(readRows(t.store.path(), tallies), kept);
    EXPECT_EQ(kept.size(), 2u);
}

// Blue alone with cards 8..14 (0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20%), every
// spin one position on: the red stars at 1, 5 and 13 take the first card
// showing, the blue star at 9 draws card 36 (a tile of 2 of 20 squares), and
// the last card goes on one tenth at position 0, the sixteenth spin.
TEST(RecordedGame, AOnePlayerGameIsRecordedTurnByTurnToItsCountOfSpins) {
    RecordedTable t(1);
    ScriptedPlayer player(*t.referee, t.state, t.scheduler);
    player.startNewGame();
    while (!t.referee->gameOver()) {
        ASSERT_LT(t.state.spins, 100);
        player.playTurn();
    }
    EXPECT_EQ(t.rows("SELECT players, one_player, restored, ending, winner, spins FROM game"),
              Rows{"1 | 1 | 0 | won | 0 | 16"});
    EXPECT_EQ(t.rows("SELECT turn, group_concat(what || coalesce(' ' || card, ''), ', ') FROM "
                     "event GROUP BY turn ORDER BY turn"),
              expectedRows("one-player.txt"));
}

// A saved game taken up again is a game of its own, marked restored; a game
// left on Exit ends saved, and one left for a new deal keeps no end.
TEST(RecordedGame, RestoredSavedAndAbandonedGamesEachKeepTheirEnd) {
    RecordedTable t;
    t.hold(0, {13});
    t.hold(1, {15});
    t.restore(1);
    // Yellow passes its 30% by on 0.3, the first slot of its hand; Blue's
    // 10% on 0.1 wins the restored game.
    t.spinTo(12);
    t.referee->buttonPressed(TableButton::NextPlayer);
    t.spinTo(0);
    t.referee->cardClicked(0);
    ASSERT_TRUE(t.referee->gameOver());
    for (TableButton press : {TableButton::NewGame, TableButton::NewGame, TableButton::Exit}) {
        t.scheduler.advance(timerInterval(TimerId::DealDelay));
        t.referee->buttonPressed(press);
    }
    EXPECT_EQ(t.rows("SELECT id, restored, ending, winner FROM game"),
              (Rows{"1 | 1 | won | 0", "2 | 0 | - | -", "3 | 0 | saved | -"}));
    EXPECT_EQ(t.rows("SELECT game, turn, colour, what, card FROM event"),
              (Rows{"1 | 1 | 1 | spin | -", "1 | 1 | 1 | miss | 15", "1 | 2 | 0 | spin | -",
                    "1 | 2 | 0 | match | 13"}));
}

}  // namespace
}  // namespace zandoli::testing
