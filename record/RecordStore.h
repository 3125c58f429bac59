#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <deque>
#include <functional>
#include <optional>

#include "record/RecordLock.h"
#include "record/Records.h"
#include "record/Sql.h"

namespace zandoli {

// The learning record on disk: an SQLite database through Qt SQL, each row
// committed as it comes, so a game killed mid-turn loses at most the choice
// being made. The file is opened at the first row, never before: a run that
// opens no table never touches it. On a local disk it keeps a write-ahead
// log; on a network file system (FileSystem.h) a rollback journal under
// SQLite's dot-file locks, and one copy of the game at a time writes it
// (RecordLock.h) while the others write beside it (SideRecords.h).
//
// The record never stops the game, nor holds up a turn. A row that finds the
// record busy (another copy writing) waits, in order, for the next row; rows
// still waiting when the store closes go to a side record. A file that is not
// a database, or is damaged, is set aside beside it under a new name and a
// new record starts; a file that cannot be written for any other reason
// (read-only, full, written by a newer version) is left as it is and this run
// keeps no record, or loses only the rows that failed.
class RecordStore : public RecordSink {
public:
    // The user's record, $XDG_DATA_HOME/zandoli/record.sqlite.
    RecordStore();
    explicit RecordStore(QString path);
    ~RecordStore() override;
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    static QString userPath();
    // A write that waits longer than this for another copy of the game to
    // finish its own gives up, and waits for the next row: the record must
    // not hold up a turn.
    static inline const QString CONNECT_OPTIONS = QStringLiteral("QSQLITE_BUSY_TIMEOUT=100");
    // As it closes, the store waits this long for a busy record before its
    // rows go to a side record.
    static constexpr qint64 CLOSING_WAIT_MS = 2500;
    // Opens `reading` on the record at `path` with `options`, for a reader:
    // a record an older version wrote is brought up to this version's shape
    // first. Where no record was made yet nothing is opened, and that is no
    // error; a record that cannot be read (damaged, or a newer version's)
    // is.
    static QSqlError openToRead(sql::Connection& reading, const QString& path,
                                const QString& options);

    void gameStarted(const GameStart& start) override;
    void recorded(const RecordEntry& entry) override;
    void gameEnded(const GameEnd& end) override;
    void wrongExplained(int64_t stayedMs) override;

    const QString& path() const { return path_; }
    // How many rows wait for a busy record.
    size_t waiting() const { return pending_.size(); }
    // The file the rows go to: the record, or this copy's side record.
    const QString& writing() const { return writing_; }
    // Where the last damaged file was set aside this run; empty if none was.
    const QString& setAsidePath() const { return setAside_; }
    // The record can be written: open, or opened now.
    bool open();

private:
    using Write = std::function<QSqlError(QSqlDatabase&)>;

    enum class Opening { Opened, Busy, SetAside, Off };

    // One write, after those still waiting.
    void write(const Write& write);
    // The writes waiting, in order, with the game row written again into a
    // new record if the old one turned out damaged on the way.
    void flush();
    void noteBusy();
    // The record, or on a network file system where another copy holds it,
    // this copy's side record.
    void chooseFile();
    Opening openFile();
    QSqlError prepare();
    // The side records left by copies now gone, merged into the record.
    void mergeLeft();
    void close();
    // The rows still waiting written (or set beside the record), the lock let go.
    void finish();
    // From the side record to the record, if this copy can take it now.
    void moveToRecord();
    // The damaged file, closed, renamed beside it: the next open starts anew.
    void setAsideDamaged();
    // The game's rows are in none of this file yet.
    void startAnew();
    // The game's row and seats, unless this record has them already.
    QSqlError insertGame(QSqlDatabase& db);
    QSqlError insertEntry(QSqlDatabase& db, const RecordEntry& entry);

    enum class Status { Closed, Open, Off };
    QString path_;
    QString writing_;
    bool network_ = false;
    std::optional<RecordLock> lock_;
    // This copy's side record, to be merged once the record opens.
    QString mergeDue_;
    std::deque<Write> pending_;
    sql::Connection db_{"record"};
    Status status_ = Status::Closed;
    QString setAside_;
    // A game was started: its rows are to be written.
    bool playing_ = false;
    // The game being recorded, for a record that has to start anew mid-game.
    std::optional<GameStart> game_;
    QString gameUid_;
    // Its row in this record, once written.
    std::optional<qint64> gameId_;
    // The row of the game's last wrong card in this record, for its
    // explanation.
    std::optional<qint64> lastWrong_;
    bool warned_ = false;
};

}  // namespace zandoli
