// A class on several machines: the whole record exported and merged into
// another, twice without a duplicate; damaged and hostile files refused
// whole; names kept as data; the choices as CSV; the report's pupils.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>
#include <sstream>

#include "record/Exchange.h"
#include "record/Report.h"
#include "record/Schema.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

using exchange::exportRecord;
using exchange::importRecord;

// A pupil of the report on one line: the results as resultsLine() gives
// them, the games, and each week's Monday with its matched/wrong/missed.
std::string pupilLine(const report::Pupil& pupil) {
    std::ostringstream out;
    out << resultsLine(pupil.results) << " | " << pupil.games << " games |";
    for (const report::Week& w : pupil.weeks) {
        out << ' ' << w.monday << ' ' << w.all.matched << '/' << w.all.wrong << '/' << w.all.missed;
    }
    return out.str();
}

class Exchange : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const char* name) const { return dir_.path() + "/" + name; }
    // Everything a record holds but its row ids, in a fixed order.
    Rows content(const char* name) const {
        Rows all =
            readRows(path(name),
                     "SELECT uid, started_ms, players, one_player, restored, ended_ms, ending, "
                     "winner, spins FROM game ORDER BY uid");
        for (const QString& sql :
             {QStringLiteral("SELECT g.uid, colour, name FROM seat JOIN game g ON g.id = "
                             "seat.game ORDER BY 1, 2"),
              QStringLiteral("SELECT g.uid, turn, at_ms, colour, what, position, spin_value, "
                             "star, card, card_value, card_form, mistake FROM event JOIN game g "
                             "ON g.id = event.game ORDER BY 1, event.id"),
              QStringLiteral("SELECT g.uid, t.colour, t.%1 FROM tally t JOIN game g ON g.id = "
                             "t.game ORDER BY 1, 2")
                  .arg(recordSchema::tallyColumns().replace(", ", ", t."))}) {
            const Rows rows = readRows(path(name), sql);
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }
    // A record of two games: the planted one, and one a day later in which
    // names that look like SQL, markup and a formula play.
    void plantTwo(const char* name) const {
        RecordStore store(path(name));
        plantGame(store);
        constexpr int64_t DAY = PLANTED_START_MS + 86'400'000;
        store.gameStarted({.atMs = DAY,
                           .players = 3,
                           .names = {"Robert'); DROP TABLE game;--", "<b>Zoë</b>", "=1+1"}});
        store.recorded({DAY + 1000, Happening::Spin, 2, 1, 6});
        store.recorded({DAY + 2000, Happening::Wrong, 2, 1, 6, 5, MistakeRule::Other});
    }

private:
    QTemporaryDir dir_;
};

TEST_F(Exchange, AnExportMergesIntoAnotherRecordOnceAndNamesStayData) {
    plantTwo("a.sqlite");
    const exchange::Outcome exported = exportRecord(path("a.sqlite"), path("class.zandoli"));
    EXPECT_TRUE(exported.ok);
    EXPECT_EQ(exported.message.toStdString(),
              "wrote 2 games to " + path("class.zandoli").toStdString());
    EXPECT_FALSE(QFile::exists(path("class.zandoli-wal")));
    EXPECT_FALSE(QFile::exists(path(".class.zandoli.part")));

    // A file's tallies are made anew from its rows, never taken as they are.
    {
        const QFile::Permissions writable = QFile::permissions(path("class.zandoli"));
        ASSERT_EQ(runSql(path("class.zandoli"), {"UPDATE tally SET spins = 999"}), "");
        QFile::setPermissions(path("class.zandoli"), writable);
    }
    // The other machine has a game of its own.
    {
        RecordStore other(path("b.sqlite"));
        plantGame(other, PLANTED_START_MS - 3'600'000);
    }
    const exchange::Outcome first = importRecord(path("b.sqlite"), path("class.zandoli"));
    EXPECT_TRUE(first.ok) << first.message.toStdString();
    EXPECT_EQ(first.gamesAdded, 2);
    EXPECT_EQ(first.message.toStdString(), path("class.zandoli").toStdString() + ": 2 games added");
    const exchange::Outcome again = importRecord(path("b.sqlite"), path("class.zandoli"));
    EXPECT_TRUE(again.ok);
    EXPECT_EQ(again.gamesAdded, 0);
    EXPECT_EQ(again.gamesKnown, 2);
    EXPECT_EQ(again.message.toStdString(),
              path("class.zandoli").toStdString() + ": 0 games added, 2 games already here");

    // All of a's rows are in b, beside b's own game (19 rows, 2 seats and
    // their 2 tallies).
    Rows merged = content("b.sqlite");
    const Rows own = content("a.sqlite");
    for (const std::string& row : own) {
        EXPECT_NE(std::find(merged.begin(), merged.end(), row), merged.end()) << row;
    }
    EXPECT_EQ(merged.size(), own.size() + 1 + 2 + 19 + 2);
    EXPECT_EQ(readRows(path("b.sqlite"),
                       "SELECT name FROM seat WHERE name IS NOT NULL ORDER BY "
                       "game, colour"),
              (Rows{"Ana", "Ana", "Robert'); DROP TABLE game;--", "<b>Zoë</b>", "=1+1"}));
    EXPECT_EQ(readRows(path("b.sqlite"), "PRAGMA integrity_check"), (Rows{"ok"}));
}

// refused.txt: each refused file changes nothing in the record it was to
// merge into.
TEST_F(Exchange, DamagedAndHostileFilesAreRefusedWholeWithAReason) {
    plantTwo("a.sqlite");
    ASSERT_TRUE(exportRecord(path("a.sqlite"), path("good.zandoli")).ok);
    const Rows before = content("a.sqlite");
    const QByteArray good = readBytes(path("good.zandoli"));
    runTranscript(ZANDOLI_RECORD_DATA "/refused.txt", [&](const std::string& step) {
        std::istringstream words(step);
        std::string verb, name, rest;
        std::getline(words >> verb >> name >> std::ws, rest);
        const QString file = path(name.c_str());
        QString text = QString::fromStdString(rest);
        if (verb == "write") {
            EXPECT_TRUE(writeBytes(file, text.replace("\\n", "\n").toUtf8()));
        } else if (verb == "half") {
            EXPECT_TRUE(writeBytes(file, good.first(good.size() / 2)));
        } else if (verb == "huge") {
            QFile huge(file);
            EXPECT_TRUE(huge.open(QIODevice::WriteOnly));
            huge.write(QByteArray("SQLite format 3", 16));
            EXPECT_TRUE(huge.resize(exchange::MAX_IMPORT_BYTES + 1));
        } else if (verb == "sql") {
            EXPECT_TRUE(QFile::copy(path("good.zandoli"), file));
            EXPECT_EQ(runSql(file, text.split(" | ")), "") << step;
        } else if (verb != "missing") {
            throw std::invalid_argument(step);
        }
        const exchange::Outcome outcome = importRecord(path("a.sqlite"), file);
        EXPECT_FALSE(outcome.ok) << step;
        EXPECT_EQ(content("a.sqlite"), before) << step;
        // The reason follows the file's name.
        const QString reason = outcome.message;
        return std::optional(
            (reason.startsWith(file + " ") ? reason.mid(file.size() + 1) : reason).toStdString());
    });
}

// The choices as a spreadsheet reads them: a header, a row a choice, the
// numbers with a point, and names that cannot turn into formulas.
TEST_F(Exchange, TheChoicesAreARowEachWithNamesKeptAsText) {
    plantTwo("a.sqlite");
    const exchange::Outcome outcome =
        report::exportChoices(path("a.sqlite"), path("choices.csv"), report::Period{});
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message.toStdString(),
              "wrote 21 rows to " + path("choices.csv").toStdString());
    QFile csv(path("choices.csv"));
    ASSERT_TRUE(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    ASSERT_EQ(lines.size(), 23);
    const auto cells = [](const QByteArray& line) {
        // Past the game's uid, which differs each run.
        return line.mid(line.indexOf(',') + 1).toStdString();
    };
    EXPECT_EQ(lines[0].toStdString(),
              "game,started,pupil,colour,turn,time,what,spin_value,star,card,card_value,"
              "card_form,mistake\r");
    EXPECT_EQ(cells(lines[1]), "2026-12-08T09:30:00Z,,blue,1,2026-12-08T09:30:01Z,spin,0.3,,,,,\r");
    EXPECT_EQ(cells(lines[4]),
              "2026-12-08T09:30:00Z,,blue,1,2026-12-08T09:30:04Z,wrong,0.3,,8,0.7,decimal,"
              "unshaded-part\r");
    EXPECT_EQ(cells(lines[5]),
              "2026-12-08T09:30:00Z,Ana,yellow,2,2026-12-08T09:30:05Z,spin,0.5,,,,,\r");
    EXPECT_EQ(cells(lines[21]),
              "2026-12-09T09:30:00Z,'=1+1,magenta,1,2026-12-09T09:30:02Z,wrong,0.5,,5,0.4,decimal,"
              "other\r");
    EXPECT_EQ(lines[22], "");
}

// The report's pupils: named ones by name over every game they played,
// then a colour that gave no name; a period leaves out what came before.
TEST_F(Exchange, TheReportGathersEachPupilsGamesByName) {
    {
        RecordStore store(path("a.sqlite"));
        plantGame(store);
        plantGame(store, PLANTED_START_MS + 7 * 86'400'000);
    }
    const std::vector<report::Pupil> all = report::readPupils(path("a.sqlite"), report::Period{});
    ASSERT_EQ(all.size(), 2U);
    EXPECT_EQ(pupilLine(all[0]),
              "Ana spins 6 | 2/0/0 0/2/0 0/0/2 2/0/0 2/0/0 | missed x2 @6 card 17; tenth-away x2 "
              "@8 card 7; | 2 games | 2026-12-07 3/1/1 2026-12-14 3/1/1");
    EXPECT_EQ(all[1].results.colour, 0);
    EXPECT_EQ(pupilLine(all[1]),
              "- spins 8 | 0/0/0 2/4/0 2/0/0 0/2/0 2/0/2 | unshaded-part x4 @12 card 8; "
              "fraction-digits x2 @11 card 25; missed x2 @11 card 39; | 2 games | 2026-12-07 3/3/1 "
              "2026-12-14 3/3/1");

    const report::Period week =
        report::periodOf(report::PeriodKind::Week, PLANTED_START_MS + 7 * 86'400'000 + 1000);
    EXPECT_EQ(week.fromMs, PLANTED_START_MS + 7 * 86'400'000 - 86'400'000 - 34'200'000);
    const std::vector<report::Pupil> ana = report::readPupils(path("a.sqlite"), week, "Ana");
    ASSERT_EQ(ana.size(), 1U);
    EXPECT_EQ(pupilLine(ana[0]),
              "Ana spins 3 | 1/0/0 0/1/0 0/0/1 1/0/0 1/0/0 | missed x1 @6 card 17; tenth-away x1 "
              "@8 card 7; | 1 games | 2026-12-14 3/1/1");
    EXPECT_TRUE(report::readPupils(path("a.sqlite"), week, "Ben").empty());
    EXPECT_EQ(report::periodNamed("term"), report::PeriodKind::Term);
    EXPECT_EQ(report::periodNamed("month"), std::nullopt);
}

}  // namespace
}  // namespace zandoli::testing
