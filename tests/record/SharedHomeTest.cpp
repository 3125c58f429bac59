// The record on a shared home: a network file system (its statfs faked)
// gets a rollback journal, SQLite's dot-file locks and a lock of ours; a
// second copy of the game writes beside the record and its rows are merged;
// two copies playing whole games at once, on a local disk and on a network
// one, keep every row, even when one of them is killed.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <array>
#include <csignal>
#include <utility>

#include "record/FileSystem.h"
#include "record/RecordLock.h"
#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "record/SideRecords.h"
#include "tests/engine/Table.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

constexpr int64_t NFS = 0x6969;

// The record's folder seen as on a file system of `type` while it lives.
class FakeFileSystem {
public:
    explicit FakeFileSystem(int64_t type)
        : saved_(std::exchange(fileSystem::typeOf(),
                               [type](const QString&) { return std::optional<int64_t>(type); })) {}
    ~FakeFileSystem() { fileSystem::typeOf() = saved_; }

private:
    fileSystem::TypeOf saved_;
};

std::string one(const QString& path, const QString& sql) {
    const Rows rows = readRows(path, sql);
    return rows.size() == 1 ? rows[0] : joined(rows);
}

// A folder with a record in it, and the files beside it.
struct Home {
    QTemporaryDir dir;
    QString record() const { return dir.path() + "/record.sqlite"; }
    QString owner() const { return record() + ".owner"; }
    // The files and folders beside the record, but its log when `butTheLog`.
    std::string files(bool butTheLog = false) const {
        QString names =
            QDir(dir.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot).join(' ');
        if (butTheLog) {
            names.remove(QRegularExpression(" record.sqlite-(wal|shm)"));
        }
        return names.toStdString();
    }
    std::string rows(const QString& sql) const { return one(record(), sql); }
};

std::string sideName() {
    return QStringLiteral("record.side-%1-%2.sqlite")
        .arg(RecordLock::host())
        .arg(getpid())
        .toStdString();
}

TEST(SharedHome, TheFileSystemsSharedOverTheNetworkAreKnownByTheirType) {
    for (int64_t type : std::initializer_list<int64_t>{0x6969, 0xff534d42, 0xfe534d42, 0x517b,
                                                       0x65735546, 0x01021997}) {
        EXPECT_TRUE(fileSystem::isNetworkType(type)) << std::hex << type;
    }
    // ext4, tmpfs, btrfs, xfs
    for (int64_t type :
         std::initializer_list<int64_t>{0xef53, 0x01021994, 0x9123683e, 0x58465342}) {
        EXPECT_FALSE(fileSystem::isNetworkType(type)) << std::hex << type;
    }
    Home home;
    EXPECT_FALSE(fileSystem::onNetwork(home.record()));
    const FakeFileSystem nfs(NFS);
    // A folder still to be made is asked of its parent.
    EXPECT_TRUE(fileSystem::onNetwork(home.dir.path() + "/zandoli/not/yet/record.sqlite"));
}

TEST(SharedHome, OnALocalDiskTheRecordKeepsItsLogAndNoLockOfOurs) {
    Home home;
    {
        RecordStore store(home.record());
        plantGame(store);
        EXPECT_EQ(store.writing(), home.record());
        EXPECT_EQ(home.files(), "record.sqlite record.sqlite-shm record.sqlite-wal");
    }
    EXPECT_EQ(home.rows("PRAGMA journal_mode"), "wal");
}

TEST(SharedHome, OnANetworkTheRecordHasAJournalAndTheFirstCopyHoldsTheLock) {
    Home home;
    const FakeFileSystem nfs(NFS);
    std::optional<RecordStore> first(std::in_place, home.record());
    plantGame(*first, 1000);
    EXPECT_EQ(first->writing(), home.record());
    EXPECT_EQ(readBytes(home.owner()),
              (RecordLock::host() + QString(" %1\n").arg(getpid())).toUtf8());
    {
        // A second copy (this process again, and alive) writes beside it.
        RecordStore second(home.record());
        plantGame(second, 2000);
        EXPECT_EQ(QFileInfo(second.writing()).fileName().toStdString(), sideName());
        EXPECT_EQ(one(second.writing(), "SELECT count(*) FROM event"), "19");
        first.reset();
        EXPECT_EQ(home.files(), sideName() + " record.sqlite");
        // Its next game's end finds the record free, and merges its rows.
        plantGame(second, 3000);
        EXPECT_EQ(second.writing(), home.record());
        EXPECT_EQ(home.files(), "record.sqlite record.sqlite.owner");
    }
    EXPECT_EQ(home.files(), "record.sqlite");
    EXPECT_EQ(home.rows("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(home.rows("PRAGMA integrity_check"), "ok");
    EXPECT_EQ(joined(readRows(
                  home.record(),
                  "SELECT started_ms, ending, (SELECT count(*) FROM event e WHERE e.game = g.id), "
                  "(SELECT count(*) FROM seat s WHERE s.game = g.id) FROM game g ORDER BY id")),
              "1000 | won | 19 | 2 / 2000 | won | 19 | 2 / 3000 | won | 19 | 2");
    // Each game's tally made again from its rows, as no row was counted twice.
    EXPECT_EQ(home.rows("SELECT count(*), sum(spins) FROM tally"), "6 | 21");
}

// A process that ran here and has ended: its number is free.
qint64 endedProcess() {
    const pid_t child = fork();
    if (child == 0) {
        _exit(0);
    }
    waitpid(child, nullptr, 0);
    return child;
}

TEST(SharedHome, ALockIsTakenOverFromACopyThatIsGoneAndFromNoOtherLivingOne) {
    Home home;
    const FakeFileSystem nfs(NFS);
    const auto writesTheRecord = [&home](const QString& owner, int minutesAgo) {
        EXPECT_TRUE(writeBytes(home.owner(), owner.toUtf8()));
        QFile file(home.owner());
        EXPECT_TRUE(file.open(QIODevice::ReadWrite) &&
                    file.setFileTime(QDateTime::currentDateTime().addSecs(-60 * minutesAgo),
                                     QFileDevice::FileModificationTime));
        file.close();
        RecordStore store(home.record());
        return store.open() && store.writing() == home.record();
    };
    const QString here = RecordLock::host();
    EXPECT_TRUE(writesTheRecord(here + QString(" %1\n").arg(endedProcess()), 0));
    EXPECT_FALSE(writesTheRecord(here + QString(" %1\n").arg(getppid()), 0));
    // Another machine's copy is known gone only when it has kept quiet for
    // a quarter of an hour (a live one says it is there every minute).
    EXPECT_FALSE(writesTheRecord("classroom-7 4242\n", 14));
    EXPECT_TRUE(writesTheRecord("classroom-7 4242\n", 16));
    // A copy killed before it named itself.
    EXPECT_TRUE(writesTheRecord("", 0));
    EXPECT_FALSE(QFileInfo::exists(home.owner()));
}

TEST(SharedHome, ARecordALocalDiskWroteIsReadTheSameOnTheNetworkWithoutItsLog) {
    Home home;
    // Left as a killed game leaves it: its rows in the log beside it.
    if (const pid_t child = fork(); child == 0) {
        RecordStore store(home.record());
        plantGame(store);
        raise(SIGKILL);
    } else {
        waitpid(child, nullptr, 0);
    }
    ASSERT_GT(QFileInfo(home.record() + "-wal").size(), 0);
    const Rows before = readRows(home.record(), "SELECT * FROM event");
    ASSERT_EQ(before.size(), 19u);
    const FakeFileSystem nfs(NFS);
    {
        RecordStore store(home.record());
        ASSERT_TRUE(store.open());
    }
    EXPECT_EQ(home.rows("PRAGMA journal_mode"), "delete");
    EXPECT_EQ(home.files(), "record.sqlite");
    EXPECT_EQ(readRows(home.record(), "SELECT * FROM event"), before);
}

TEST(SharedHome, ALockDirectoryAKilledCopyLeftHoldsUpNoRowAndIsRemoved) {
    Home home;
    const FakeFileSystem nfs(NFS);
    {
        RecordStore store(home.record());
        ASSERT_TRUE(store.open());
    }
    ASSERT_TRUE(QDir().mkdir(home.record() + ".lock"));
    QElapsedTimer took;
    took.start();
    {
        RecordStore store(home.record());
        plantGame(store);
    }
    // The lock stayed the same for a second and a half; the game waited only as it closed.
    EXPECT_GT(took.elapsed(), 1500);
    EXPECT_LT(took.elapsed(), 4000);
    EXPECT_EQ(home.files(), "record.sqlite");
    EXPECT_EQ(home.rows("SELECT count(*), count(DISTINCT game) FROM event"), "19 | 1");
    EXPECT_EQ(home.rows("SELECT ending FROM game"), "won");
}

// What a copy of the game says of its rows as it goes: how many it gave the
// store, and how many of those were written (none still waiting).
struct Said {
    int64_t given = 0;
    int64_t written = 0;
};

// The store, told every row and saying on a pipe what became of them.
class TellingSink : public RecordSink {
public:
    TellingSink(RecordStore& store, int out) : store_(store), out_(out) {}
    void gameStarted(const GameStart& start) override { store_.gameStarted(start); }
    void gameEnded(const GameEnd& end) override { store_.gameEnded(end); }
    void wrongExplained(int64_t stayedMs) override { store_.wrongExplained(stayedMs); }
    void recorded(const RecordEntry& entry) override {
        store_.recorded(entry);
        ++said_.given;
        // What waits may be more than rows (a game's start): fewer written, never more.
        said_.written =
            said_.given - std::min<int64_t>(said_.given, static_cast<int64_t>(store_.waiting()));
        const std::array<int64_t, 2> words{said_.given, said_.written};
        EXPECT_EQ(write(out_, words.data(), sizeof words), static_cast<ssize_t>(sizeof words));
    }

private:
    RecordStore& store_;
    int out_;
    Said said_;
};

// A copy of the game in a process of its own: once `go` is closed, it plays
// `games` whole games of two to a win with the engine's careful player and
// the real store, its clock from `startMs`.
[[noreturn]] void playCopy(const QString& record, int games, int64_t startMs,
                           const std::array<int, 2>& go, int out) {
    char ready = 0;
    close(go[1]);
    EXPECT_EQ(read(go[0], &ready, 1), 0);
    {
        RecordStore store(record);
        TellingSink sink(store, out);
        Table table(2);
        Recorder recorder(table.state, sink,
                          [&table, startMs] { return startMs + table.scheduler.now(); });
        table.view.also = &recorder;
        ScriptedPlayer player(*table.referee, table.state, table.scheduler);
        for (int game = 0; game < games; ++game) {
            player.startNewGame();
            for (int turn = 0; turn < 100 && !table.referee->gameOver(); ++turn) {
                player.playTurn();
            }
            EXPECT_TRUE(table.referee->gameOver());
        }
    }
    std::fflush(nullptr);
    _exit(::testing::Test::HasFailure() ? 1 : 0);
}

struct Copy {
    pid_t pid = -1;
    int said = -1;
    Said last;
    int status = -1;
};

Copy startCopy(const QString& record, int games, int64_t startMs, const std::array<int, 2>& go) {
    int out[2];
    EXPECT_EQ(pipe(out), 0);
    std::fflush(nullptr);
    Copy copy;
    copy.pid = fork();
    if (copy.pid == 0) {
        close(out[0]);
        playCopy(record, games, startMs, go, out[1]);
    }
    close(out[1]);
    copy.said = out[0];
    return copy;
}

// Reads what the copy said until it has given `rows` rows, or has ended.
void readUntil(Copy& copy, int64_t rows) {
    for (std::array<int64_t, 2> words{};
         copy.last.given < rows && read(copy.said, words.data(), sizeof words) == sizeof words;) {
        copy.last = {words[0], words[1]};
    }
}

void endCopy(Copy& copy) {
    readUntil(copy, INT64_MAX);
    close(copy.said);
    waitpid(copy.pid, &copy.status, 0);
}

constexpr int64_t FIRST_MS = 1'000'000'000'000;
constexpr int64_t SECOND_MS = 2'000'000'000'000;
constexpr int GAMES_EACH = 10;

// Two copies play at once on one record, the first killed after `killAfter`
// rows if that is more than none; then the next copy starts, and plays.
void twoCopies(const Home& home, int64_t killAfter) {
    std::array<int, 2> go{};
    ASSERT_EQ(pipe(go.data()), 0);
    Copy first = startCopy(home.record(), killAfter > 0 ? 1000 : GAMES_EACH, FIRST_MS, go);
    Copy second = startCopy(home.record(), GAMES_EACH, SECOND_MS, go);
    close(go[0]);
    close(go[1]);
    if (killAfter > 0) {
        readUntil(first, killAfter);
        kill(first.pid, SIGKILL);
    }
    endCopy(first);
    endCopy(second);
    EXPECT_TRUE(killAfter > 0 ? WIFSIGNALED(first.status)
                              : WIFEXITED(first.status) && WEXITSTATUS(first.status) == 0);
    EXPECT_TRUE(WIFEXITED(second.status) && WEXITSTATUS(second.status) == 0);
    {
        RecordStore next(home.record());
        EXPECT_TRUE(next.open());
        EXPECT_EQ(next.writing(), home.record());
        plantGame(next, 3'000'000'000'000);
    }
    EXPECT_EQ(home.rows("PRAGMA integrity_check"), "ok");
    const QString rows =
        "SELECT count(*) FROM event JOIN game ON game.id = event.game WHERE started_ms / "
        "1000000000000 = %1";
    EXPECT_EQ(home.rows(rows.arg(2)), std::to_string(second.last.given));
    EXPECT_EQ(
        home.rows(
            "SELECT count(*) FROM game WHERE started_ms / 1000000000000 = 2 AND ending = 'won'"),
        std::to_string(GAMES_EACH));
    EXPECT_EQ(home.rows(rows.arg(3)), "19");
    const int64_t firstRows = std::stoll(home.rows(rows.arg(1)));
    if (killAfter > 0) {
        EXPECT_GE(first.last.given, killAfter);
        EXPECT_GE(firstRows, first.last.written);
        // A row given as it was killed may have been written or not.
        EXPECT_LE(firstRows, first.last.given + 1);
    } else {
        EXPECT_EQ(firstRows, first.last.given);
        EXPECT_EQ(first.last.written, first.last.given);
    }
    // Nothing is left beside the record: no side record, no lock.
    EXPECT_EQ(home.files(true), "record.sqlite");
}

TEST(SharedHome, TwoCopiesPlayingAtOnceOnALocalDiskKeepEveryRow) {
    Home home;
    twoCopies(home, 0);
}

TEST(SharedHome, TwoCopiesPlayingAtOnceOnANetworkKeepEveryRow) {
    Home home;
    const FakeFileSystem nfs(NFS);
    twoCopies(home, 0);
    EXPECT_EQ(home.rows("PRAGMA journal_mode"), "delete");
}

TEST(SharedHome, ACopyKilledOnALocalDiskLosesNoRowItWroteAndTheOtherNone) {
    Home home;
    twoCopies(home, 300);
}

TEST(SharedHome, ACopyKilledOnANetworkLosesNoRowItWroteAndTheOtherNoneNorBlocksTheNext) {
    Home home;
    const FakeFileSystem nfs(NFS);
    twoCopies(home, 300);
}

}  // namespace
}  // namespace zandoli::testing
