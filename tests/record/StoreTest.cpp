// The record on disk: where it lives, what a round trip keeps, a record of
// the first version taken up, a damaged file set aside, a locked, read-only
// or full one left alone, and the file as the sqlite3 tool reads it.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "record/RecordStore.h"
#include "record/ResultsReader.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"
#include "tests/support/OrdinaryUser.h"

namespace zandoli::testing {
namespace {

// A user whose data folder is a fresh temporary one.
class Store : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(data_.isValid());
        saved_ = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", data_.path().toUtf8());
        QDir().mkpath(folder());
    }
    void TearDown() override { qputenv("XDG_DATA_HOME", saved_); }

    QString folder() const { return data_.path() + "/zandoli"; }
    QString file() const { return folder() + "/record.sqlite"; }
    // The folder's files by name, the log of a record closed by all gone.
    std::string files() const {
        return QDir(folder()).entryList(QDir::Files).join(' ').toStdString();
    }
    std::vector<std::string> rows(const char* sql) const {
        return readRows(file(), QString::fromUtf8(sql));
    }
    // A short game of two: Blue names no one, Yellow is Ana. Each row is its
    // time, what happened, colour, turn, position, card and mistake.
    static void playShortGame(RecordStore& store, int64_t at) {
        store.gameStarted({.atMs = at, .players = 2, .names = {"", "Ana"}});
        store.recorded({at + 1, Happening::Spin, 0, 1, 11});
        store.recorded({at + 2, Happening::Wrong, 0, 1, 11, 25, MistakeRule::FractionDigits});
        store.recorded({at + 3, Happening::Miss, 0, 1, 11, 16, MistakeRule::Missed});
        store.recorded({at + 4, Happening::Spin, 1, 2, 9});
        store.recorded({at + 5, Happening::BlueStar, 1, 2, 9, 47});
        store.gameEnded({.atMs = at + 6, .won = true, .winner = 1});
    }

private:
    QTemporaryDir data_;
    QByteArray saved_;
};

TEST_F(Store, TheUsersRecordIsMadeAtItsFirstRowAndKeepsEveryRowAcrossRuns) {
    {
        RecordStore store;
        EXPECT_EQ(store.path(), file());
        EXPECT_FALSE(QFile::exists(file())) << "made before it was needed";
        playShortGame(store, 1000);
    }
    {
        RecordStore nextRun;
        nextRun.gameStarted({.atMs = 9000, .players = 1, .onePlayer = true, .restored = true});
        nextRun.gameEnded({.atMs = 9500});
    }
    EXPECT_EQ(rows("SELECT id, started_ms, players, one_player, restored, ended_ms, ending, "
                   "winner, spins FROM game"),
              (Rows{"1 | 1000 | 2 | 0 | 0 | 1006 | won | 1 | -",
                    "2 | 9000 | 1 | 1 | 1 | 9500 | saved | - | -"}));
    EXPECT_EQ(rows("SELECT game, colour, name FROM seat"),
              (Rows{"1 | 0 | -", "1 | 1 | Ana", "2 | 0 | -"}));
    EXPECT_EQ(
        rows("SELECT game, turn, at_ms, colour, what, position, spin_value, star, card, "
             "card_value, card_form, mistake FROM event"),
        (Rows{"1 | 1 | 1001 | 0 | spin | 11 | 0.4 | - | - | - | - | -",
              "1 | 1 | 1002 | 0 | wrong | 11 | 0.4 | - | 25 | 0.25 | fraction | fraction-digits",
              "1 | 1 | 1003 | 0 | miss | 11 | 0.4 | - | 16 | 0.4 | percent | missed",
              "1 | 2 | 1004 | 1 | spin | 9 | - | blue | - | - | - | -",
              "1 | 2 | 1005 | 1 | blue star | 9 | - | blue | 47 | 0.75 | tile | -"}));
    EXPECT_EQ(rows("SELECT count(DISTINCT uid), count(*) FROM game"), Rows{"2 | 2"});
    EXPECT_EQ(rows("PRAGMA journal_mode"), Rows{"wal"});
    EXPECT_EQ(rows("PRAGMA user_version"), Rows{"2"});
}

// A file made empty (as an interrupted first run can leave it) is a record of
// version 0; the first version's file is taken up as it is, its game kept.
TEST_F(Store, ARecordOfAnEarlierVersionIsBroughtUpToDateKeepingItsGames) {
    ASSERT_TRUE(writeBytes(file(), {}));
    {
        RecordStore store;
        ASSERT_TRUE(store.open());
    }
    EXPECT_EQ(rows("PRAGMA user_version"), Rows{"2"});
    EXPECT_EQ(rows("SELECT count(*) FROM game"), Rows{"0"});

    QFile::remove(file());
    const QByteArray script = readBytes(ZANDOLI_RECORD_DATA "/version-1.sql");
    ASSERT_EQ(runSql(file(), QString::fromUtf8(script).split(";\n", Qt::SkipEmptyParts)), "");
    // Its results read before the game writes to it again.
    const std::optional<GameResults> old = ResultsReader(file()).latest();
    ASSERT_TRUE(old);
    EXPECT_EQ(resultsLine(old->players[0]),
              "- spins 1 | 0/0/0 0/0/0 0/0/0 0/1/0 0/0/0 | tenth-away x1 @12 card 29;");
    {
        RecordStore store;
        playShortGame(store, 5000);
    }
    EXPECT_EQ(files(), "record.sqlite");
    EXPECT_EQ(rows("SELECT id, uid, started_ms FROM game WHERE id = 1"),
              Rows{"1 | first-version-game | 1600000000000"});
    EXPECT_EQ(rows("SELECT game, colour, name FROM seat WHERE colour = 3"), Rows{"1 | 3 | Zoë"});
    EXPECT_EQ(rows("SELECT game, count(*), group_concat(mistake) FROM event GROUP BY game"),
              (Rows{"1 | 2 | tenth-away", "2 | 5 | fraction-digits,missed"}));
    // The old game's tally made from its rows, the new one's kept row by row.
    EXPECT_EQ(rows("SELECT game, colour, spins, wrong_fraction, miss_percent, match_tile FROM "
                   "tally ORDER BY game, colour"),
              (Rows{"1 | 0 | 1 | 1 | 0 | 0", "2 | 0 | 1 | 1 | 1 | 0", "2 | 1 | 1 | 0 | 0 | 0"}));
}

// The saved game shares the folder: nothing of the record's touches it.
TEST_F(Store, ADamagedRecordIsSetAsideAsItWasAndANewOneStarts) {
    const QByteArray garbage = QByteArray("this is no database\n").repeated(300);
    const QByteArray saved = QByteArray("1\r\n").repeated(110);
    ASSERT_TRUE(writeBytes(file(), garbage) && writeBytes(folder() + "/lastgame.inf", saved));
    QString aside;
    {
        RecordStore store;
        playShortGame(store, 1000);
        aside = store.setAsidePath();
    }
    EXPECT_TRUE(QRegularExpression("^record\\.damaged-[0-9]{8}-[0-9]{6}\\.sqlite$")
                    .match(QFileInfo(aside).fileName())
                    .hasMatch())
        << aside.toStdString();
    EXPECT_EQ(QFileInfo(aside).absolutePath(), folder());
    EXPECT_EQ(readBytes(aside), garbage);
    EXPECT_EQ(readBytes(folder() + "/lastgame.inf"), saved);
    EXPECT_EQ(QString::fromStdString(files()).replace(QFileInfo(aside).fileName(), "(set aside)"),
              "lastgame.inf (set aside) record.sqlite");
    EXPECT_EQ(rows("SELECT count(*) FROM game"), Rows{"1"});
    EXPECT_EQ(rows("SELECT count(*) FROM event"), Rows{"5"});
}

// Neither a record another copy of the game holds locked nor one a newer
// version wrote is set aside: the rows of this run are lost, the file kept.
TEST_F(Store, ALockedOrNewerRecordIsLeftAsItIs) {
    {
        RecordStore first;
        playShortGame(first, 1000);
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other copy");
        db.setDatabaseName(file());
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec("BEGIN EXCLUSIVE"));
        RecordStore locked;
        playShortGame(locked, 2000);
        EXPECT_EQ(locked.setAsidePath(), "");
        ASSERT_TRUE(query.exec("PRAGMA user_version = 7"));
        ASSERT_TRUE(query.exec("COMMIT"));
    }
    QSqlDatabase::removeDatabase("other copy");
    {
        RecordStore newer;
        EXPECT_FALSE(newer.open());
        playShortGame(newer, 3000);
        EXPECT_EQ(newer.setAsidePath(), "");
    }
    EXPECT_EQ(files(), "record.sqlite");
    EXPECT_EQ(rows("SELECT started_ms FROM game"), Rows{"1000"});
}

// A record this user may read but not write, one whose folder cannot be made
// and one on a disk that takes no more (here a limit on the size of a file,
// which fails a write as a full disk does): the game plays on, the calls
// return, nothing is set aside, and what the file held is kept whole.
TEST_F(Store, ARecordThatCannotBeWrittenIsLeftWholeAndTheGamePlaysOn) {
    {
        RecordStore first;
        playShortGame(first, 1000);
    }
    const QByteArray before = readBytes(file());
    namespace fs = std::filesystem;
    for (const QString& folder : {folder(), QFileInfo(folder()).absolutePath()}) {
        fs::permissions(folder.toStdString(), fs::perms::owner_all | fs::perms::group_read |
                                                  fs::perms::group_exec | fs::perms::others_read |
                                                  fs::perms::others_exec);
    }
    asOrdinaryUser([this] {
        RecordStore readOnly;
        playShortGame(readOnly, 2000);
        EXPECT_FALSE(readOnly.open());
        EXPECT_EQ(readOnly.setAsidePath(), "");
    });
    EXPECT_EQ(readBytes(file()), before);
    EXPECT_EQ(files(), "record.sqlite");

    ASSERT_TRUE(writeBytes(folder() + "/lastgame.inf", "1\r\n"));
    {
        RecordStore underAFile(folder() + "/lastgame.inf/record.sqlite");
        playShortGame(underAFile, 3000);
        EXPECT_FALSE(underAFile.open());
    }
    EXPECT_EQ(readBytes(folder() + "/lastgame.inf"), "1\r\n");

    constexpr int TRIED = 400;
    inChild(
        [] {
            RecordStore full;
            playShortGame(full, 4000);
            for (int i = 0; i < TRIED; ++i) {
                full.recorded({.atMs = 4100 + i, .what = Happening::Spin, .turn = 3 + i});
            }
            EXPECT_TRUE(full.open());
            EXPECT_EQ(full.setAsidePath(), "");
        },
        false,
        [] {
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit limit{64 * 1024, 64 * 1024};
            setrlimit(RLIMIT_FSIZE, &limit);
        });
    EXPECT_EQ(rows("PRAGMA integrity_check"), Rows{"ok"});
    EXPECT_EQ(
        rows("SELECT started_ms, count(event.id) FROM game JOIN event ON event.game = game.id "
             "WHERE started_ms < 4000 GROUP BY game.id"),
        Rows{"1000 | 5"});
    const std::vector<std::string> kept = rows(
        "SELECT count(*) FROM event JOIN game ON event.game = game.id WHERE started_ms = 4000");
    ASSERT_EQ(kept.size(), 1U);
    EXPECT_LT(std::stoi(kept[0]), 5 + TRIED) << "the limit never took a row";
    EXPECT_EQ(
        QString::fromStdString(files()).remove(QRegularExpression(" record.sqlite-(wal|shm)")),
        "lastgame.inf record.sqlite");
}

// What a teacher's own tools see: a valid SQLite file of this version.
TEST_F(Store, TheSqliteToolReadsTheRecord) {
    const QString sqlite3 = QStandardPaths::findExecutable("sqlite3");
    if (sqlite3.isEmpty()) {
        GTEST_SKIP() << "no sqlite3 command (Debian package sqlite3)";
    }
    {
        RecordStore store;
        playShortGame(store, 1000);
    }
    QProcess tool;
    tool.start(sqlite3, {"-batch", file(),
                         "PRAGMA user_version; PRAGMA journal_mode; PRAGMA integrity_check; "
                         "SELECT what, mistake FROM event WHERE mistake IS NOT NULL;"});
    ASSERT_TRUE(tool.waitForFinished(10000));
    EXPECT_EQ(tool.exitCode(), 0) << tool.readAllStandardError().toStdString();
    EXPECT_EQ(tool.readAllStandardOutput().toStdString(),
              "2\nwal\nok\nwrong|fraction-digits\nmiss|missed\n");
}

}  // namespace
}  // namespace zandoli::testing
