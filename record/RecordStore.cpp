#include "record/RecordStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QStringList>
#include <QUuid>
#include <QVariant>
#include <array>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "record/Columns.h"
#include "record/Mistakes.h"
#include "record/Schema.h"

namespace zandoli {

namespace {

using namespace recordColumns;

// SQLite's result codes for a file that is damaged or is no database at all
// (the primary code is the low byte of an extended one).
constexpr int SQLITE_CORRUPT_CODE = 11;
constexpr int SQLITE_NOTADB_CODE = 26;

bool damaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_CORRUPT_CODE || code == SQLITE_NOTADB_CODE;
}

QVariant orNull(bool present, const QVariant& value) {
    return present ? value : QVariant();
}

// The row of the event table that says what `entry` says of game `game`.
QVariantList eventRow(qint64 game, const RecordEntry& entry) {
    const bool spun = entry.position >= 0 && entry.position < SPIN_POSITIONS;
    const double result =
        spun ? entry.spun.value_or(SPINVALUES[static_cast<size_t>(entry.position)]) : RED_STAR;
    // The table's literal values, so that a tenth reads 0.3 and not 3 * 0.1.
    const CardValue* spinValue = cardValue(result);
    const bool card = isCard(entry.card);
    const CardValue* cardIs = card ? cardValue(cardCatalogue()[entry.card].value) : nullptr;
    std::array<QVariant, EVENT.size()> row;
    row[at(Event::Game)] = game;
    row[at(Event::Turn)] = entry.turn;
    row[at(Event::AtMs)] = static_cast<qint64>(entry.atMs);
    row[at(Event::Colour)] = entry.colour;
    row[at(Event::What)] = QString::fromUtf8(happeningKey(entry.what));
    row[at(Event::Position)] = entry.position;
    row[at(Event::SpinValue)] = orNull(spinValue != nullptr, spinValue ? spinValue->value : 0.0);
    row[at(Event::Star)] = orNull(spinValue == nullptr,
                                  QString::fromUtf8(valuesMatch(result, BLUE_STAR) ? BLUE : RED));
    row[at(Event::Card)] = orNull(card, entry.card);
    row[at(Event::CardValue)] = orNull(cardIs != nullptr, cardIs ? cardIs->value : 0.0);
    row[at(Event::CardForm)] =
        orNull(card, QString::fromUtf8(card ? formKey(kindOf(entry.card)) : ""));
    row[at(Event::Mistake)] =
        orNull(entry.mistake.has_value(),
               QString::fromUtf8(entry.mistake ? mistakeName(*entry.mistake).key : ""));
    row[at(Event::ExplainedMs)] =
        orNull(entry.explainedMs.has_value(), static_cast<qint64>(entry.explainedMs.value_or(0)));
    QStringList held;
    for (int16_t card : entry.hand) {
        held << QString::number(card);
    }
    row[at(Event::Hand)] =
        orNull(entry.what == Happening::Spin && !held.isEmpty(), held.join(QLatin1Char(' ')));
    return QVariantList(row.begin(), row.end());
}

// What the row adds to its colour's tally, as tallyOf() counts it: a spin,
// or a card matched, wrong or missed; a star's card adds to nothing, but
// the colour has its tally all the same.
QString tallyStatement(const RecordEntry& entry) {
    QString counted;
    if (entry.what == Happening::Spin) {
        counted = QString::fromUtf8(SPINS);
    } else if (isCard(entry.card) && entry.what != Happening::RedStar &&
               entry.what != Happening::BlueStar) {
        counted = tallyCount(entry.what, kindOf(entry.card));
    }
    return counted.isEmpty()
               ? QStringLiteral(
                     "INSERT INTO tally (game, colour) VALUES (?, ?) ON CONFLICT DO NOTHING")
               : QStringLiteral(
                     "INSERT INTO tally (game, colour, %1) VALUES (?, ?, 1) ON "
                     "CONFLICT (game, colour) DO UPDATE SET %1 = %1 + 1")
                     .arg(counted);
}

}  // namespace

RecordStore::RecordStore() : RecordStore(userPath()) {}

RecordStore::RecordStore(QString path) : path_(std::move(path)) {}

RecordStore::~RecordStore() {
    close();
}

QString RecordStore::userPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zandoli/record.sqlite");
}

QSqlError RecordStore::openToRead(sql::Connection& reading, const QString& path,
                                  const QString& options) {
    // Reading makes no record where the game has not yet written one.
    if (!QFileInfo::exists(path)) {
        return {};
    }
    const sql::Reading<int> version = recordSchema::versionOf(path);
    if (version.failed() || version.value > recordSchema::latestVersion()) {
        return version.failed() ? version.error : recordSchema::newerVersion(version.value);
    }
    // An older one is opened to be written first, which brings it up to date
    // (or sets a damaged file aside).
    if (version.value < recordSchema::latestVersion() && !RecordStore(path).open()) {
        return sql::failure(QStringLiteral("cannot be brought up to date"));
    }
    reading.open(path, options);
    return reading.error();
}

bool RecordStore::open() {
    if (status_ == Status::Closed && !openFile() && status_ == Status::Closed) {
        // Damaged, and set aside: one fresh start.
        openFile();
    }
    if (status_ == Status::Closed) {
        status_ = Status::Off;
    }
    return status_ == Status::Open;
}

bool RecordStore::openFile() {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        qWarning("zandoli: no record this time: cannot make the folder of %s", qPrintable(path_));
        status_ = Status::Off;
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        qWarning("zandoli: no record this time: Qt's SQLite driver is not installed");
        status_ = Status::Off;
        return false;
    }
    const QSqlError error = db_.open(path_, CONNECT_OPTIONS) ? prepare() : db_.error();
    if (!error.isValid()) {
        status_ = Status::Open;
        return true;
    }
    close();
    if (damaged(error)) {
        qWarning("zandoli: the record %s is damaged (%s); a new one starts", qPrintable(path_),
                 qPrintable(error.text()));
        setAsideDamaged();
    } else {
        qWarning("zandoli: no record this time: %s: %s", qPrintable(path_),
                 qPrintable(error.text()));
        status_ = Status::Off;
    }
    return false;
}

QSqlError RecordStore::prepare() {
    QSqlDatabase db = db_.db();
    // The first read of the file: this is where a file that is no database says so.
    const sql::Reading<int> version = recordSchema::versionOf(db);
    if (version.failed()) {
        return version.error;
    }
    if (version.value > recordSchema::latestVersion()) {
        // A newer version of the game keeps this record: leave it to that one.
        return recordSchema::newerVersion(version.value);
    }
    // With the write-ahead log a row is safe once committed, even if the game
    // is killed; NORMAL spares a disk flush for every row, and risks only the
    // last rows, not the file, if the power fails.
    for (const char* pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON"}) {
        if (QSqlError error = sql::exec(db, QString::fromUtf8(pragma)); error.isValid()) {
            return error;
        }
    }
    return recordSchema::migrate(db, version.value);
}

void RecordStore::close() {
    db_.close();
    status_ = Status::Closed;
}

void RecordStore::setAsideDamaged() {
    const QFileInfo file(path_);
    const QString stem = file.absolutePath() + QStringLiteral("/") + file.completeBaseName() +
                         QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = stem + QStringLiteral("-%1.sqlite").arg(n);
    }
    if (!QFile::rename(path_, aside)) {
        qWarning("zandoli: no record this time: cannot set %s aside", qPrintable(path_));
        status_ = Status::Off;
        return;
    }
    // The log holds rows the damaged file may still need; the shared-memory
    // index is rebuilt from it by whoever opens the copy.
    QFile::rename(path_ + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(path_ + QStringLiteral("-shm"));
    setAside_ = aside;
    gameId_.reset();
    lastWrong_.reset();
}

void RecordStore::write(const Write& write) {
    for (int attempt = 0; attempt < 2 && open(); ++attempt) {
        QSqlDatabase db = db_.db();
        const QSqlError error = write(db);
        if (!error.isValid()) {
            return;
        }
        if (!damaged(error)) {
            if (!warned_) {
                qWarning("zandoli: a row of the record was lost: %s", qPrintable(error.text()));
                warned_ = true;
            }
            return;
        }
        db = QSqlDatabase();
        close();
        setAsideDamaged();
    }
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
    game_ = start;
    gameUid_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    gameId_.reset();
    lastWrong_.reset();
    write([this](QSqlDatabase& db) { return insertGame(db); });
}

void RecordStore::recorded(const RecordEntry& entry) {
    if (!game_) {
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
    // The row and its colour's tally are written together or not at all.
    return sql::transaction(db, [this, &db, &entry] {
        QSqlQuery row(db);
        const QSqlError error = sql::exec(row, insert, eventRow(*gameId_, entry));
        if (!error.isValid() && entry.what == Happening::Wrong) {
            lastWrong_ = row.lastInsertId().toLongLong();
        }
        return error.isValid() ? error
                               : sql::exec(db, tallyStatement(entry), {*gameId_, entry.colour});
    });
}

void RecordStore::wrongExplained(int64_t stayedMs) {
    if (!game_ || !lastWrong_) {
        return;
    }
    write([this, stayedMs](QSqlDatabase& db) {
        return sql::exec(db, QStringLiteral("UPDATE event SET explained_ms = ? WHERE id = ?"),
                         {static_cast<qint64>(stayedMs), *lastWrong_});
    });
}

void RecordStore::gameEnded(const GameEnd& end) {
    if (!game_) {
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
}

}  // namespace zandoli
