#include "record/RecordStore.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include "record/Columns.h"
#include "record/EventRows.h"
#include "record/FileSystem.h"
#include "record/Schema.h"
#include "record/SideRecords.h"
#include "record/SqliteErrors.h"

namespace zandoli {

namespace {

using namespace recordColumns;
using eventRows::orNull;
using sqliteErrors::busy;
using sqliteErrors::damaged;

}  // namespace

RecordStore::RecordStore() : RecordStore(userPath()) {}

RecordStore::RecordStore(QString path) : path_(std::move(path)) {}

RecordStore::~RecordStore() {
    finish();
}

void RecordStore::startAnew() {
    gameId_.reset();
    lastWrong_.reset();
}

void RecordStore::write(const Write& write) {
    pending_.push_back(write);
    flush();
    if (lock_) {
        lock_->refresh();
    }
}

void RecordStore::flush() {
    for (int attempt = 0; attempt < 2 && !pending_.empty(); ++attempt) {
        if (!open()) {
            // Busy, or no record at all this run: then the rows are dropped.
            noteBusy();
            return;
        }
        QSqlDatabase db = db_.db();
        for (QSqlError error; !pending_.empty(); pending_.pop_front()) {
            error = pending_.front()(db);
            if (busy(error)) {
                // Kept, in order, and written with the next row.
                noteBusy();
                return;
            }
            if (damaged(error)) {
                break;
            }
            if (error.isValid() && !warned_) {
                qWarning("zandoli: a row of the record was lost: %s", qPrintable(error.text()));
                warned_ = true;
            }
        }
        if (pending_.empty()) {
            return;
        }
        db = QSqlDatabase();
        close();
        setAsideDamaged();
    }
}

void RecordStore::noteBusy() {
    if (status_ == Status::Off) {
        pending_.clear();
    } else if (lock_) {
        lock_->foundBusy();
    }
}

void RecordStore::finish() {
    // The game is over: a row may wait a little now, as it could not during a turn.
    QElapsedTimer waited;
    waited.start();
    while (!pending_.empty() && status_ != Status::Off && !waited.hasExpired(CLOSING_WAIT_MS)) {
        QThread::msleep(50);
        flush();
    }
    if (!pending_.empty() && status_ != Status::Off && writing_ == path_) {
        // Still busy: the rows go to a record beside it, merged later.
        close();
        writing_ = sideRecords::pathFor(path_);
        startAnew();
        flush();
    }
    close();
    if (lock_) {
        lock_->release();
    }
}

void RecordStore::moveToRecord() {
    if (writing_ == path_ || !pending_.empty() || !lock_ || !lock_->take()) {
        return;
    }
    close();
    mergeDue_ = writing_;
    writing_ = path_;
    startAnew();
    open();
}

QSqlError RecordStore::insertGame(QSqlDatabase& db) {
    if (gameId_ || !game_) {
        return {};
    }
    qint64 id = -1;
    const QSqlError failed = sql::transaction(db, [this, &db, &id] {
        QSqlQuery game(db);
        const bool lesson = !game_->lesson.empty();
        QSqlError error = sql::exec(
            game,
            QStringLiteral("INSERT INTO game (uid, started_ms, players, one_player, restored, "
                           "lesson_name, lesson, class_game, practice) "
                           "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {gameUid_, static_cast<qint64>(game_->atMs), game_->players, game_->onePlayer ? 1 : 0,
             game_->restored ? 1 : 0, orNull(lesson, QString::fromStdString(game_->lessonName)),
             orNull(lesson, QString::fromStdString(game_->lesson)),
             orNull(game_->classGame > 0, game_->classGame), game_->practice ? 1 : 0});
        id = game.lastInsertId().toLongLong();
        const QString seat =
            QStringLiteral("INSERT INTO seat (%1) VALUES (%2)").arg(list(SEAT), placeholders(SEAT));
        for (int colour = 0; colour < game_->players && !error.isValid(); ++colour) {
            const std::string& name = game_->names[static_cast<size_t>(colour)];
            error = sql::exec(db, seat,
                              {id, colour, orNull(!name.empty(), QString::fromStdString(name))});
        }
        return error;
    });
    if (!failed.isValid()) {
        gameId_ = id;
    }
    return failed;
}

void RecordStore::gameStarted(const GameStart& start) {
    playing_ = true;
    // The rows of the game before may still wait to be written: the new
    // game begins, in order, after them.
    write(
        [this, start, uid = QUuid::createUuid().toString(QUuid::WithoutBraces)](QSqlDatabase& db) {
            if (gameUid_ != uid) {
                game_ = start;
                gameUid_ = uid;
                startAnew();
            }
            return insertGame(db);
        });
}

void RecordStore::recorded(const RecordEntry& entry) {
    if (!playing_) {
        return;
    }
    write([this, entry](QSqlDatabase& db) {
        QSqlError error = insertGame(db);
        return error.isValid() ? error : insertEntry(db, entry);
    });
}

QSqlError RecordStore::insertEntry(QSqlDatabase& db, const RecordEntry& entry) {
    static const QString insert =
        QStringLiteral("INSERT INTO event (%1) VALUES (%2)").arg(list(EVENT), placeholders(EVENT));
    if (entry.what == Happening::Wrong) {
        lastWrong_.reset();
    }
    // The row and its colour's tally are written together or not at all.
    return sql::transaction(db, [this, &db, &entry] {
        QSqlQuery row(db);
        const QSqlError error = sql::exec(row, insert, eventRows::eventRow(*gameId_, entry));
        if (!error.isValid() && entry.what == Happening::Wrong) {
            lastWrong_ = row.lastInsertId().toLongLong();
        }
        return error.isValid()
                   ? error
                   : sql::exec(db, eventRows::tallyStatement(entry), {*gameId_, entry.colour});
    });
}

void RecordStore::wrongExplained(int64_t stayedMs) {
    if (!playing_) {
        return;
    }
    write([this, stayedMs](QSqlDatabase& db) {
        // The wrong card's row is written before this, or was lost.
        return lastWrong_
                   ? sql::exec(db, QStringLiteral("UPDATE event SET explained_ms = ? WHERE id = ?"),
                               {static_cast<qint64>(stayedMs), *lastWrong_})
                   : QSqlError();
    });
}

void RecordStore::gameEnded(const GameEnd& end) {
    if (!playing_) {
        return;
    }
    write([this, end](QSqlDatabase& db) {
        if (QSqlError error = insertGame(db); error.isValid()) {
            return error;
        }
        return sql::exec(
            db,
            QStringLiteral(
                "UPDATE game SET ended_ms = ?, ending = ?, winner = ?, spins = ? WHERE id = ?"),
            {static_cast<qint64>(end.atMs), QString::fromUtf8(end.won ? WON : SAVED),
             orNull(end.won, end.winner), orNull(end.won && end.spins > 0, end.spins), *gameId_});
    });
    // A copy that wrote beside the record takes it up, and its rows with it, once it is free.
    moveToRecord();
}

}  // namespace zandoli
