// A class on several machines: the whole record exported and merged into
// another, twice without a duplicate; damaged and hostile files refused
// whole; names kept as data; the choices as CSV; the report's pupils.
#include <gtest/gtest.h>

#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <functional>

#include "record/Exchange.h"
#include "record/Report.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

using exchange::exportRecord;
using exchange::importRecord;

class Exchange : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString path(const char* name) const { return dir_.path() + "/" + name; }
    // Everything a record holds but its row ids, in a fixed order.
    std::vector<std::string> content(const char* name) const {
        std::vector<std::string> all =
            readRows(path(name),
                     "SELECT uid, started_ms, players, one_player, restored, ended_ms, ending, "
                     "winner, spins FROM game ORDER BY uid");
        for (const char* sql :
             {"SELECT g.uid, colour, name FROM seat JOIN game g ON g.id = seat.game ORDER BY 1, 2",
              "SELECT g.uid, turn, at_ms, colour, what, position, spin_value, star, card, "
              "card_value, card_form, mistake FROM event JOIN game g ON g.id = event.game ORDER "
              "BY 1, event.id"}) {
            const std::vector<std::string> rows = readRows(path(name), sql);
            all.insert(all.end(), rows.begin(), rows.end());
        }
        return all;
    }
    // A record of two games: the planted one, and one a day later in which
    // names that look like SQL, markup and a formula play.
    void plantTwo(const char* name) const {
        RecordStore store(path(name));
        plantGame(store);
        store.gameStarted({.atMs = PLANTED_START_MS + 86'400'000,
                           .players = 3,
                           .names = {"Robert'); DROP TABLE game;--", "<b>Zoë</b>", "=1+1"}});
        store.recorded({.atMs = PLANTED_START_MS + 86'401'000,
                        .what = Happening::Spin,
                        .colour = 2,
                        .turn = 1,
                        .position = 6});
        store.recorded({.atMs = PLANTED_START_MS + 86'402'000,
                        .what = Happening::Wrong,
                        .colour = 2,
                        .turn = 1,
                        .position = 6,
                        .card = 5,
                        .mistake = MistakeRule::Other});
    }
    // Runs SQL on a file, as another program would have written it.
    void edit(const QString& file, const std::vector<const char*>& statements) const {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "editor");
            db.setDatabaseName(file);
            ASSERT_TRUE(db.open());
            QSqlQuery query(db);
            for (const char* statement : statements) {
                EXPECT_TRUE(query.exec(QString::fromUtf8(statement))) << statement;
            }
        }
        QSqlDatabase::removeDatabase("editor");
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

    // All of a's rows are in b, beside b's own game (19 rows, 2 seats).
    std::vector<std::string> merged = content("b.sqlite");
    const std::vector<std::string> own = content("a.sqlite");
    for (const std::string& row : own) {
        EXPECT_NE(std::find(merged.begin(), merged.end(), row), merged.end()) << row;
    }
    EXPECT_EQ(merged.size(), own.size() + 1 + 2 + 19);
    EXPECT_EQ(readRows(path("b.sqlite"),
                       "SELECT name FROM seat WHERE name IS NOT NULL ORDER BY "
                       "game, colour"),
              (std::vector<std::string>{"Ana", "Ana", "Robert'); DROP TABLE game;--", "<b>Zoë</b>",
                                        "=1+1"}));
    EXPECT_EQ(readRows(path("b.sqlite"), "PRAGMA integrity_check"),
              (std::vector<std::string>{"ok"}));
}

// Each refused file changes nothing in the record it was to merge into.
TEST_F(Exchange, DamagedAndHostileFilesAreRefusedWholeWithAReason) {
    plantTwo("a.sqlite");
    ASSERT_TRUE(exportRecord(path("a.sqlite"), path("good.zandoli")).ok);
    const std::vector<std::string> before = content("a.sqlite");
    const auto variant = [&](const char* name, const std::vector<const char*>& statements) {
        QFile::copy(path("good.zandoli"), path(name));
        edit(path(name), statements);
        return path(name);
    };
    const auto write = [&](const char* name, const QByteArray& bytes) {
        QFile out(path(name));
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(bytes);
        return path(name);
    };
    QFile huge(path("huge.zandoli"));
    ASSERT_TRUE(huge.open(QIODevice::WriteOnly));
    huge.write(QByteArray("SQLite format 3", 16));
    ASSERT_TRUE(huge.resize(exchange::MAX_IMPORT_BYTES + 1));
    huge.close();
    QByteArray truncated;
    {
        QFile good(path("good.zandoli"));
        ASSERT_TRUE(good.open(QIODevice::ReadOnly));
        truncated = good.readAll();
        truncated.truncate(truncated.size() / 2);
    }
    const std::vector<std::pair<QString, std::string>> refused = {
        {write("text.zandoli", "game,started\n1,2\n"), "is not a Zandoli? record"},
        {write("empty.zandoli", ""), "is not a Zandoli? record"},
        {write("half.zandoli", truncated), "is damaged"},
        {path("huge.zandoli"), "is too large to be a Zandoli? record"},
        {path("missing.zandoli"), "cannot be read"},
        {variant("newer.zandoli", {"PRAGMA user_version = 99"}),
         "was written by a newer version of Zandoli?; update this one first"},
        {variant("unversioned.zandoli", {"PRAGMA user_version = 0"}), "is not a Zandoli? record"},
        {variant("other.zandoli", {"CREATE TABLE marks (pupil TEXT, mark INTEGER)"}),
         "is not a Zandoli? record"},
        {variant("column.zandoli", {"ALTER TABLE seat ADD COLUMN note TEXT"}),
         "is not a Zandoli? record"},
        {variant("trigger.zandoli", {"CREATE TRIGGER t AFTER INSERT ON seat BEGIN DELETE FROM "
                                     "game; END"}),
         "is not a Zandoli? record"},
        {variant("view.zandoli", {"CREATE VIEW v AS SELECT 1"}), "is not a Zandoli? record"},
        {variant("colour.zandoli", {"UPDATE event SET colour = 9 WHERE id = 3"}),
         "holds a choice this version cannot read"},
        {variant("card.zandoli", {"UPDATE event SET card = 48 WHERE card IS NOT NULL"}),
         "holds a choice this version cannot read"},
        {variant("orphan.zandoli", {"PRAGMA foreign_keys = OFF", "DELETE FROM game WHERE id = 1"}),
         "holds a player this version cannot read"},
        {variant("players.zandoli", {"UPDATE game SET players = 0"}),
         "holds a game this version cannot read"},
        {variant("utf8.zandoli", {"UPDATE seat SET name = CAST(X'416EE961' AS TEXT) WHERE "
                                  "name = 'Ana'"}),
         "holds a name that is not text"},
        {variant("control.zandoli", {"UPDATE seat SET name = 'Ana' || char(7) WHERE name = "
                                     "'Ana'"}),
         "holds a name that is not text"},
        {variant("long.zandoli", {"UPDATE seat SET name = printf('%.100c', 'x') WHERE name = "
                                  "'Ana'"}),
         "holds a name that is not text"},
    };
    for (const auto& [file, why] : refused) {
        const exchange::Outcome outcome = importRecord(path("a.sqlite"), file);
        EXPECT_FALSE(outcome.ok) << file.toStdString();
        EXPECT_EQ(outcome.message.toStdString(), file.toStdString() + " " + why);
        EXPECT_EQ(content("a.sqlite"), before) << file.toStdString();
    }
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
    EXPECT_EQ(all[0].results.name, "Ana");
    EXPECT_EQ(all[0].games, 2);
    EXPECT_EQ(all[0].results.spins, 6);
    // Whole, decimal, percent, fraction, tile: matched, wrong, missed.
    EXPECT_EQ(all[0].results.forms[0], (FormCounts{2, 0, 0}));
    EXPECT_EQ(all[0].results.forms[1], (FormCounts{0, 2, 0}));
    EXPECT_EQ(all[0].results.forms[2], (FormCounts{0, 0, 2}));
    ASSERT_EQ(all[0].weeks.size(), 2U);
    EXPECT_EQ(all[0].weeks[0].monday, "2026-12-07");
    EXPECT_EQ(all[0].weeks[1].monday, "2026-12-14");
    EXPECT_EQ(all[0].weeks[1].all, (FormCounts{3, 1, 1}));
    EXPECT_EQ(all[1].results.name, "");
    EXPECT_EQ(all[1].results.colour, 0);
    ASSERT_FALSE(all[1].results.mistakes.empty());
    EXPECT_EQ(all[1].results.mistakes[0].rule, MistakeRule::UnshadedPart);
    EXPECT_EQ(all[1].results.mistakes[0].times, 4);

    const report::Period week =
        report::periodOf(report::PeriodKind::Week, PLANTED_START_MS + 7 * 86'400'000 + 1000);
    EXPECT_EQ(week.fromMs, PLANTED_START_MS + 7 * 86'400'000 - 86'400'000 - 34'200'000);
    const std::vector<report::Pupil> ana = report::readPupils(path("a.sqlite"), week, "Ana");
    ASSERT_EQ(ana.size(), 1U);
    EXPECT_EQ(ana[0].games, 1);
    EXPECT_EQ(ana[0].weeks.size(), 1U);
    EXPECT_TRUE(report::readPupils(path("a.sqlite"), week, "Ben").empty());
    EXPECT_EQ(report::periodNamed("term"), report::PeriodKind::Term);
    EXPECT_EQ(report::periodNamed("month"), std::nullopt);
}

}  // namespace
}  // namespace zandoli::testing
