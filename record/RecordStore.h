#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <functional>
#include <optional>

#include "record/Records.h"
#include "record/Sql.h"

namespace zandoli {

// The learning record on disk: an SQLite database through Qt SQL, each row
// committed as it comes (WAL journal), so a game killed mid-turn loses at
// most the choice being made. The file is opened at the first row, never
// before: a run that opens no table never touches it.
//
// The record never stops the game. A file that is not a database, or is
// damaged, is set aside beside it under a new name and a new record starts;
// a file that cannot be written for any other reason (locked, read-only,
// full, written by a newer version) is left as it is and this run keeps no
// record, or loses only the rows that failed.
class RecordStore : public RecordSink {
public:
    // The user's record, $XDG_DATA_HOME/zandoli/record.sqlite.
    RecordStore();
    explicit RecordStore(QString path);
    ~RecordStore() override;
    RecordStore(const RecordStore&) = delete;
    RecordStore& operator=(const RecordStore&) = delete;

    static QString userPath();
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

    const QString& path() const { return path_; }
    // Where the last damaged file was set aside this run; empty if none was.
    const QString& setAsidePath() const { return setAside_; }
    // The record can be written: open, or opened now.
    bool open();

private:
    using Write = std::function<QSqlError(QSqlDatabase&)>;

    // One write, with the game row written again into a new record if the
    // old one turned out damaged on the way.
    void write(const Write& write);
    bool openFile();
    QSqlError prepare();
    void close();
    // The damaged file, closed, renamed beside it: the next open starts anew.
    void setAsideDamaged();
    // The game's row and seats, unless this record has them already.
    QSqlError insertGame(QSqlDatabase& db);
    QSqlError insertEntry(QSqlDatabase& db, const RecordEntry& entry) const;

    enum class Status { Closed, Open, Off };
    QString path_;
    sql::Connection db_{"record"};
    Status status_ = Status::Closed;
    QString setAside_;
    // The game being recorded, for a record that has to start anew mid-game.
    std::optional<GameStart> game_;
    QString gameUid_;
    // Its row in this record, once written.
    std::optional<qint64> gameId_;
    bool warned_ = false;
};

}  // namespace zandoli
