// Games as the record keeps them (recorded.txt): a whole game played to a
// win with every row written out (game.txt), a wrong card and a missed card
// planted; a game of one; a restored, a saved and an abandoned game.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "record/Columns.h"
#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "tests/engine/Table.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

// The record's clock starts at 2023-11-14 22:13:20 UTC and runs in virtual time.
constexpr int64_t START_MS = 1'700'000'000'000;

// The engine's table of tests, its referee's news passed on to the recorder
// of a record in a folder of its own; the steps are listed at the top of
// recorded.txt.
struct RecordedTable : Table {
    explicit RecordedTable(int players) : Table(players) { view.also = &recorder; }

    std::string play(const std::string& line) {
        if (line == "play out") {
            ScriptedPlayer player(*referee, state, scheduler);
            for (int turn = 0; turn < 100 && !referee->gameOver(); ++turn) {
                player.playTurn();
            }
            return referee->gameOver() ? "won" : "no win";
        }
        if (line == "rows of game.txt") {
            const Rows rows = gameRows(), expected = expectedRows("game.txt");
            const auto [seen, listed] = std::ranges::mismatch(rows, expected);
            return seen == rows.end() && listed == expected.end()
                       ? "yes"
                       : "no: " + (seen == rows.end() ? "(no row)" : *seen);
        }
        if (line == "tallies") {
            const QString tallies = QStringLiteral("SELECT colour, %1 FROM tally ORDER BY colour")
                                        .arg(recordColumns::tallyColumns());
            const Rows kept = readRows(store.path(), tallies);
            return runSql(store.path(), {recordColumns::tallyOf(QStringLiteral("1"))}).empty() &&
                           readRows(store.path(), tallies) == kept && kept.size() == 2
                       ? "yes"
                       : "no";
        }
        return line.starts_with("rows ") ? joined(rows(line.substr(5))) : Table::play(line);
    }

private:
    Rows rows(const std::string& sql) const {
        return readRows(store.path(), QString::fromStdString(sql));
    }
    // The game, its seats and its events, as game.txt lists them.
    Rows gameRows() const {
        Rows all = rows(
            "SELECT 'game', started_ms - 1700000000000, players, one_player, restored, "
            "ended_ms - 1700000000000, ending, winner, spins, length(uid) FROM game");
        for (const char* sql :
             {"SELECT 'seat', colour, name FROM seat",
              "SELECT turn, at_ms - 1700000000000, CASE colour WHEN 0 THEN 'blue' WHEN 1 THEN "
              "'yellow' END, what, position, spin_value, star, card, card_value, card_form, "
              "mistake FROM event ORDER BY id"}) {
            const Rows more = rows(sql);
            all.insert(all.end(), more.begin(), more.end());
        }
        return all;
    }
    static Rows expectedRows(const std::string& name) {
        std::ifstream in(std::string(ZANDOLI_RECORD_DATA) + "/" + name);
        Rows rows;
        for (std::string line; std::getline(in, line);) {
            if (!line.empty() && !line.starts_with("#")) {
                rows.push_back(line);
            }
        }
        return rows;
    }

    QTemporaryDir folder;
    RecordStore store{folder.path() + "/zandoli/record.sqlite"};
    Recorder recorder{state, store, [this] { return START_MS + scheduler.now(); },
                      [] {
                          return std::array<std::string, PLAYING_COLOURS>{"", "Ana", "Zoë"};
                      }};
};

TEST(RecordedGame, EachGameIsRecordedAsRecordedTxtSays) {
    playTranscript<RecordedTable>(ZANDOLI_RECORD_DATA "/recorded.txt");
}

}  // namespace
}  // namespace zandoli::testing
