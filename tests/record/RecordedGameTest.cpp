// Games as the record keeps them (recorded.txt): a whole game played to a
// win with every row written out (game.txt), a wrong card and a missed card
// planted; a game of one; a restored, a saved and an abandoned game.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <fstream>

#include "engine/Lesson.h"
#include "record/Columns.h"
#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "tests/engine/Table.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// The record's clock starts at 2023-11-14 22:13:20 UTC and runs in virtual time.
constexpr int64_t START_MS = 1'700'000'000'000;

// The engine's table of tests, its referee's news passed on to the recorder
// of a record in a folder of its own; the steps are listed at the top of
// recorded.txt.
struct RecordedTable : Table {
    explicit RecordedTable(int players) : Table(players) { view.also = &recorder; }

    static const Vocabulary<RecordedTable>& verbs() {
        static const Vocabulary<RecordedTable> verbs(
            "the engine's table with a record (tests/record/RecordedGameTest.cpp)",
            {{"play", "play out", "a careful player plays on: \"won\" once the game is won",
              &RecordedTable::playOut},
             {"rows", "rows SQL", "the record's rows joined by \" / \", NULL as \"-\"",
              &RecordedTable::rowsOf},
             {"tallies", "tallies", "whether the tallies kept are those the rows make",
              &RecordedTable::tallies},
             {"lesson", "lesson name = Tenths; values = 3/10",
              "the games loaded after it deal from this lesson (its lines parted by \"; \")",
              &RecordedTable::lesson}},
            Table::verbs(), [](RecordedTable& table) -> Table& { return table; });
        return verbs;
    }

private:
    std::string lesson(const Step& step) {
        std::string text = step.rest();
        for (size_t at = text.find("; "); at != std::string::npos; at = text.find("; ", at)) {
            text.replace(at, 2, "\n");
        }
        const LessonReading read = readLesson(text);
        if (!read.lesson) {
            throw std::invalid_argument("no lesson: a fault at line " + std::to_string(read.line));
        }
        settings.lesson = *read.lesson;
        settings.deck = deckOf(settings.lesson);
        return {};
    }
    // What the table's screen tells the record of a game's start: its
    // lesson, and for a class code the code's first game.
    void describe(GameStart& start) const {
        if (settings.lesson != everyValueLesson()) {
            start.lesson = writeLesson(settings.lesson);
            start.lessonName = settings.lesson.name;
        }
        start.classGame = settings.lesson.code.empty() ? 0 : 1;
        start.practice = settings.practice;
    }
    std::string playOut(const Step&) {
        ScriptedPlayer player(*referee, state, scheduler);
        for (int turn = 0; turn < 100 && !referee->gameOver(); ++turn) {
            player.playTurn();
        }
        return referee->gameOver() ? "won" : "no win";
    }
    // "rows of game.txt": whether the game's, the seats' and the events' rows
    // are those game.txt lists, or the first that is not.
    std::string rowsOf(const Step& step) const {
        if (step.rest() != "of game.txt") {
            return joined(rows(step.rest()));
        }
        const Rows rows = gameRows(), expected = expectedRows("game.txt");
        const auto [seen, listed] = std::ranges::mismatch(rows, expected);
        return seen == rows.end() && listed == expected.end()
                   ? "yes"
                   : "no: " + (seen == rows.end() ? "(no row)" : *seen);
    }
    std::string tallies(const Step&) const {
        const QString tallies = QStringLiteral("SELECT colour, %1 FROM tally ORDER BY colour")
                                    .arg(recordColumns::tallyColumns());
        const Rows kept = readRows(store.path(), tallies);
        return runSql(store.path(), {recordColumns::tallyOf(QStringLiteral("1"))}).empty() &&
                       readRows(store.path(), tallies) == kept && kept.size() == 2
                   ? "yes"
                   : "no";
    }
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
                      },
                      [this](GameStart& start) { describe(start); }};
};

// Each game is recorded as recorded.txt says.
[[maybe_unused]] const bool recordedGameRegistered =
    registerTranscript<Tables<RecordedTable>>(ZANDOLI_RECORD_DATA "/recorded.txt");

}  // namespace
}  // namespace zandoli::testing
