// The record on disk, as store.txt plays it: where it lives, what a round
// trip keeps, a record of the first version taken up, a damaged file set
// aside, a locked, read-only or full one left alone, and the file as the
// sqlite3 tool reads it; midway.txt, a file that fails only as rows are
// written: found damaged, or held by another copy.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <map>
#include <utility>

#include <QDir>
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
#include "tests/support/Transcript.h"

namespace zandoli::testing {
namespace {

// The record's warnings since they were last counted, still printed.
int warnings = 0;
QtMessageHandler printed = nullptr;
void countWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    warnings += type == QtWarningMsg && message.startsWith("zandoli: ") ? 1 : 0;
    if (printed != nullptr) {
        printed(type, context, message);
    }
}

// A user whose data folder is a fresh temporary one; the steps are listed
// at the top of store.txt.
class StorePlayer {
public:
    StorePlayer() {
        QDir().mkpath(folder());
        printed = qInstallMessageHandler(countWarnings);
        warnings = 0;
    }
    ~StorePlayer() {
        qInstallMessageHandler(printed);
        if (other_.isValid()) {
            other_.close();
        }
        other_ = {};
        QSqlDatabase::removeDatabase("other copy");
    }

    static const Vocabulary<StorePlayer>& verbs() {
        static const Vocabulary<StorePlayer> verbs(
            "a user's record on disk (tests/record/StoreTest.cpp)",
            {{"play", "play 1000", "a short game of two at 1000 ms, and what was set aside",
              &StorePlayer::play},
             {"alone", "alone 9000", "a one-player game, restored, from 9000 to 9500 ms",
              &StorePlayer::alone},
             {"open", "open", "whether a store can open the record", &StorePlayer::open},
             {"path", "path", "the store's file, in the data folder", &StorePlayer::path},
             {"write", "write NAME garbage", "the file made empty, garbage, saved or version-1",
              &StorePlayer::writeFile},
             {"spoil", "spoil game",
              "the first page of the record's table of games (or \"event\") overwritten by text",
              &StorePlayer::spoilTable},
             {"warned", "warned", "how many warnings the record gave since the last count",
              &StorePlayer::warned},
             {"same", "same NAME", "whether the file holds the bytes last written or kept",
              &StorePlayer::same},
             {"keep", "keep NAME", "the file's bytes kept as they are now", &StorePlayer::same},
             {"files", "files but the log", "the folder's files (but the -wal and -shm files)",
              &StorePlayer::files},
             {"rows", "rows SQL", "the record's rows joined by \" / \"", &StorePlayer::ask},
             {"results", "results",
              "Blue's results in the latest game, \"no game\" or \"unreadable\"",
              &StorePlayer::ask},
             {"sqlite3", "sqlite3 SQL", "what the sqlite3 command prints", &StorePlayer::ask},
             {"lock", "lock", "the record held in another connection's transaction",
              &StorePlayer::lockRecord},
             {"unlock", "unlock 7", "its version set to 7 and committed", &StorePlayer::lockRecord},
             {"read-only", "read-only 2000", "a game at 2000 ms by a user who may not write",
              &StorePlayer::playCannotWrite},
             {"under", "under a file 3000", "a game at 3000 ms in a folder inside the save",
              &StorePlayer::playCannotWrite},
             {"full", "full 4000", "a game at 4000 ms, 400 spins more, on a full disk",
              &StorePlayer::playCannotWrite}});
        return verbs;
    }

private:
    std::string play(const Step& step) {
        RecordStore store;
        playShortGame(store, step.number(0));
        const QString aside = QDir(folder()).relativeFilePath(store.setAsidePath());
        return store.setAsidePath().isEmpty() ? "" : "set aside " + dated(aside);
    }
    std::string alone(const Step& step) {
        const int64_t at = step.number(0);
        RecordStore store;
        store.gameStarted({.atMs = at, .players = 1, .onePlayer = true, .restored = true});
        store.gameEnded({.atMs = at + 500});
        return "";
    }
    std::string open(const Step&) { return RecordStore().open() ? "yes" : "no"; }
    std::string path(const Step&) {
        return QDir(home_.data.path()).relativeFilePath(RecordStore().path()).toStdString();
    }
    std::string writeFile(const Step& step) {
        write(step.word(0), step.word(1));
        return "";
    }
    std::string same(const Step& step) {
        const std::string rest = step.rest();
        const QString file =
            rest == "aside" ? asideFile() : folder() + "/" + QString::fromStdString(rest);
        if (step.verb() == "keep") {
            written_[rest] = readBytes(file);
            return "";
        }
        return readBytes(file) == written_[rest == "aside" ? "record.sqlite" : rest] ? "yes" : "no";
    }
    std::string files(const Step& step) {
        QString files = QDir(folder()).entryList(QDir::Files).join(' ');
        if (step.rest() == "but the log") {
            files.remove(QRegularExpression(" record.sqlite-(wal|shm)"));
        }
        return dated(files);
    }
    std::string spoilTable(const Step& step) {
        spoil(QString::fromStdString(step.rest()));
        return "";
    }
    std::string warned(const Step&) { return std::to_string(std::exchange(warnings, 0)); }
    std::string lockRecord(const Step& step) {
        lock(step.verb() == "lock", QString::fromStdString(step.rest()));
        return "";
    }
    std::string playCannotWrite(const Step& step) {
        return cannotWrite(step.verb(), std::stoll(step.word(step.size() - 1)));
    }
    QString folder() const { return home_.data.path() + "/zandoli"; }
    QString file() const { return folder() + "/record.sqlite"; }
    QString asideFile() const {
        const QStringList aside = QDir(folder()).entryList({"record.damaged-*"});
        return aside.size() == 1 ? folder() + "/" + aside[0] : QString();
    }
    // A set-aside file's date and time as <date> and <time>, a side record's host and process as
    // <host> and <pid>.
    static std::string dated(QString names) {
        static const QRegularExpression stamp("damaged-[0-9]{8}-[0-9]{6}");
        static const QRegularExpression side("side-[^ ]+-[0-9]+\\.sqlite");
        return names.replace(stamp, "damaged-<date>-<time>")
            .replace(side, "side-<host>-<pid>.sqlite")
            .toStdString();
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
    void write(const std::string& name, const std::string& what) {
        const QString path = folder() + "/" + QString::fromStdString(name);
        QByteArray bytes = what == "garbage" ? QByteArray("this is no database\n").repeated(300)
                           : what == "saved" ? QByteArray("1\r\n").repeated(110)
                                             : QByteArray();
        if (what == "version-1") {
            const QByteArray script = readBytes(ZANDOLI_RECORD_DATA "/version-1.sql");
            ASSERT_EQ(runSql(path, QString::fromUtf8(script).split(";\n", Qt::SkipEmptyParts)), "");
            bytes = readBytes(path);
        }
        ASSERT_TRUE(writeBytes(path, bytes));
        written_[name] = bytes;
    }
    // The first page of a table in the record overwritten by text, the rest
    // of the file, its version and its schema left as they were.
    void spoil(const QString& table) {
        const int size = std::stoi(readRows(file(), "PRAGMA page_size").at(0));
        const int page = std::stoi(
            readRows(file(), "SELECT rootpage FROM sqlite_master WHERE name = '" + table + "'")
                .at(0));
        QByteArray bytes = readBytes(file());
        bytes.replace(qsizetype{page - 1} * size, size,
                      QByteArray("this is no database\n").repeated(size).left(size));
        ASSERT_TRUE(writeBytes(file(), bytes));
    }
    std::string ask(const Step& step) const {
        const std::string& verb = step.verb();
        const QString sql = QString::fromStdString(step.rest());
        if (verb == "rows") {
            return joined(readRows(file(), sql));
        }
        if (verb == "results") {
            const ResultsReader::Found latest = ResultsReader(file()).latest();
            return latest.failed() ? "unreadable"
                   : latest.value  ? resultsLine(latest.value->players[0])
                                   : "no game";
        }
        QProcess tool;
        tool.start(QStandardPaths::findExecutable("sqlite3"), {"-batch", file(), sql});
        if (!tool.waitForFinished(10000) || tool.exitCode() != 0) {
            return "sqlite3 failed: " + tool.readAllStandardError().toStdString();
        }
        const QString out = QString::fromUtf8(tool.readAllStandardOutput()).trimmed();
        return out.split('\n').join(" / ").toStdString();
    }
    void lock(bool take, const QString& version) {
        if (take) {
            other_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "other copy");
            other_.setDatabaseName(file());
            ASSERT_TRUE(other_.open());
            ASSERT_TRUE(QSqlQuery(other_).exec("BEGIN EXCLUSIVE"));
            return;
        }
        {
            QSqlQuery query(other_);
            ASSERT_TRUE(query.exec("PRAGMA user_version = " + version));
            ASSERT_TRUE(query.exec("COMMIT"));
        }
        other_.close();
    }
    // The calls return, nothing is set aside, and the store says whether it
    // opened; what the file held is left to the steps after.
    std::string cannotWrite(const std::string& how, int64_t at) {
        namespace fs = std::filesystem;
        if (how == "under") {
            RecordStore underAFile(folder() + "/lastgame.inf/record.sqlite");
            playShortGame(underAFile, at);
            return underAFile.open() ? "yes" : "no";
        }
        if (how == "read-only") {
            for (const QString& up : {folder(), home_.data.path()}) {
                fs::permissions(up.toStdString(), fs::perms::owner_all | fs::perms::group_read |
                                                      fs::perms::group_exec |
                                                      fs::perms::others_read |
                                                      fs::perms::others_exec);
            }
            asOrdinaryUser([at] {
                RecordStore readOnly;
                playShortGame(readOnly, at);
                EXPECT_FALSE(readOnly.open());
                EXPECT_EQ(readOnly.setAsidePath(), "");
            });
            return "";
        }
        inChild(
            [at] {
                RecordStore full;
                playShortGame(full, at);
                for (int i = 0; i < 400; ++i) {
                    full.recorded({.atMs = at + 100 + i, .what = Happening::Spin, .turn = 3 + i});
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
        return "";
    }

    DataHome home_;
    std::map<std::string, QByteArray> written_;
    QSqlDatabase other_;
};

// Every record on disk ends as its steps say, and so does a record that
// fails as rows are written (midway.txt).
[[maybe_unused]] const bool storeRegistered =
    registerTranscript<StorePlayer>(ZANDOLI_RECORD_DATA "/store.txt") &&
    registerTranscript<StorePlayer>(ZANDOLI_RECORD_DATA "/midway.txt");

}  // namespace
}  // namespace zandoli::testing
