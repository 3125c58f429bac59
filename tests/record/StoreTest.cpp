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
#include <sstream>
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

    std::string play(const std::string& step) {
        std::istringstream in(step);
        std::string verb, name, rest;
        std::getline(in >> verb >> std::ws, rest);
        const int64_t at = std::atoll(rest.c_str());
        const QString sql = QString::fromStdString(rest);
        if (verb == "play") {
            RecordStore store;
            playShortGame(store, at);
            const QString aside = QDir(folder()).relativeFilePath(store.setAsidePath());
            return store.setAsidePath().isEmpty() ? "" : "set aside " + dated(aside);
        } else if (verb == "alone") {
            RecordStore store;
            store.gameStarted({.atMs = at, .players = 1, .onePlayer = true, .restored = true});
            store.gameEnded({.atMs = at + 500});
        } else if (verb == "open") {
            return RecordStore().open() ? "yes" : "no";
        } else if (verb == "path") {
            return QDir(home_.data.path()).relativeFilePath(RecordStore().path()).toStdString();
        } else if (verb == "write") {
            std::istringstream(rest) >> name >> rest;
            write(name, rest);
        } else if (verb == "spoil") {
            spoil(sql);
        } else if (verb == "warned") {
            return std::to_string(std::exchange(warnings, 0));
        } else if (verb == "same" || verb == "keep") {
            const QString file = rest == "aside" ? asideFile() : folder() + "/" + sql;
            if (verb == "keep") {
                written_[rest] = readBytes(file);
                return "";
            }
            return readBytes(file) == written_[rest == "aside" ? "record.sqlite" : rest] ? "yes"
                                                                                         : "no";
        } else if (verb == "files") {
            QString files = QDir(folder()).entryList(QDir::Files).join(' ');
            if (rest == "but the log") {
                files.remove(QRegularExpression(" record.sqlite-(wal|shm)"));
            }
            return dated(files);
        } else if (verb == "rows" || verb == "results" || verb == "sqlite3") {
            return ask(verb, sql);
        } else if (verb == "lock" || verb == "unlock") {
            lock(verb == "lock", sql);
        } else if (verb == "read-only" || verb == "under" || verb == "full") {
            return cannotWrite(verb, std::atoll(rest.substr(rest.rfind(' ') + 1).c_str()));
        } else {
            throw std::invalid_argument(step);
        }
        return "";
    }

private:
    QString folder() const { return home_.data.path() + "/zandoli"; }
    QString file() const { return folder() + "/record.sqlite"; }
    QString asideFile() const {
        const QStringList aside = QDir(folder()).entryList({"record.damaged-*"});
        return aside.size() == 1 ? folder() + "/" + aside[0] : QString();
    }
    // A set-aside file's date and time as <date> and <time>.
    static std::string dated(QString names) {
        static const QRegularExpression stamp("damaged-[0-9]{8}-[0-9]{6}");
        return names.replace(stamp, "damaged-<date>-<time>").toStdString();
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
    std::string ask(const std::string& verb, const QString& sql) const {
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

TEST(Store, EveryRecordOnDiskEndsAsItsStepsSay) {
    playParts<StorePlayer>(ZANDOLI_RECORD_DATA "/store.txt");
}

TEST(Store, ARecordFailingAsRowsAreWrittenEndsAsItsStepsSay) {
    playParts<StorePlayer>(ZANDOLI_RECORD_DATA "/midway.txt");
}

}  // namespace
}  // namespace zandoli::testing
