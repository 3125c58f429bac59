#include "record/RecordStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QUuid>
#include <QVariant>
#include <atomic>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "engine/Values.h"
#include "record/Mistakes.h"
#include "record/Schema.h"

namespace zandoli {

namespace {

// SQLite's result codes for a file that is damaged or is no database at all
// (the primary code is the low byte of an extended one).
constexpr int SQLITE_CORRUPT_CODE = 11;
constexpr int SQLITE_NOTADB_CODE = 26;

// A write that waits longer than this for another copy of the game to finish
// its own gives up: the record must not hold up a turn.
const QString CONNECT_OPTIONS = QStringLiteral("QSQLITE_BUSY_TIMEOUT=100");

bool damaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_CORRUPT_CODE || code == SQLITE_NOTADB_CODE;
}

QString uniqueConnection() {
    static std::atomic<int> count{0};
    return QStringLiteral("zandoli-record-%1").arg(++count);
}

QVariant orNull(bool present, const QVariant& value) {
    return present ? value : QVariant();
}

// The query's error, or none when it ran.
QSqlError run(QSqlQuery& query) {
    return query.exec() ? QSqlError() : query.lastError();
}

}  // namespace

RecordStore::RecordStore() : RecordStore(userPath()) {}

RecordStore::RecordStore(QString path) : path_(std::move(path)), connection_(uniqueConnection()) {}

RecordStore::~RecordStore() {
    close();
}

QString RecordStore::userPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zandoli/record.sqlite");
}

bool RecordStore::upToDate(const QString& path) {
    if (!QFileInfo::exists(path)) {
        return false;
    }
    int version = -1;
    {
        const QString name = uniqueConnection();
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
            db.setDatabaseName(path);
            db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
            QSqlQuery query(db);
            if (db.open() && query.exec(QStringLiteral("PRAGMA user_version")) && query.next()) {
                version = query.value(0).toInt();
            }
        }
        QSqlDatabase::removeDatabase(name);
    }
    if (version == recordSchema::latestVersion()) {
        return true;
    }
    // Older, or unreadable: opened to be written, which updates it (or sets
    // a damaged file aside).
    return version >= 0 && version < recordSchema::latestVersion() && RecordStore(path).open();
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
    QSqlError error;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        if (!db.isValid()) {
            qWarning("zandoli: no record this time: Qt's SQLite driver is not installed");
            db = QSqlDatabase();
            close();
            status_ = Status::Off;
            return false;
        }
        db.setDatabaseName(path_);
        db.setConnectOptions(CONNECT_OPTIONS);
        error = db.open() ? prepare(db) : db.lastError();
    }
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

QSqlError RecordStore::prepare(QSqlDatabase& db) {
    QSqlQuery query(db);
    // The first read of the file: this is where a file that is no database says so.
    if (!query.exec(QStringLiteral("PRAGMA user_version")) || !query.next()) {
        return query.lastError();
    }
    const int version = query.value(0).toInt();
    if (version > recordSchema::latestVersion()) {
        // A newer version of the game keeps this record: leave it to that one.
        return QSqlError(QStringLiteral("written by a newer version"),
                         QStringLiteral("version %1").arg(version), QSqlError::UnknownError);
    }
    // With the write-ahead log a row is safe once committed, even if the game
    // is killed; NORMAL spares a disk flush for every row, and risks only the
    // last rows, not the file, if the power fails.
    for (const char* pragma :
         {"PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON"}) {
        if (!query.exec(QString::fromUtf8(pragma))) {
            return query.lastError();
        }
    }
    return recordSchema::migrate(db, version);
}

void RecordStore::close() {
    if (!QSqlDatabase::contains(connection_)) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(connection_);
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
    gameId_ = -1;
    status_ = Status::Closed;
}

void RecordStore::write(const Write& write) {
    for (int attempt = 0; attempt < 2 && open(); ++attempt) {
        QSqlDatabase db = QSqlDatabase::database(connection_, false);
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
    if (gameId_ >= 0 || !game_) {
        return {};
    }
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlQuery game(db);
    game.prepare(
        QStringLiteral("INSERT INTO game (uid, started_ms, players, one_player, restored) VALUES "
                       "(?, ?, ?, ?, ?)"));
    game.addBindValue(gameUid_);
    game.addBindValue(static_cast<qint64>(game_->atMs));
    game.addBindValue(game_->players);
    game.addBindValue(game_->onePlayer ? 1 : 0);
    game.addBindValue(game_->restored ? 1 : 0);
    QSqlError error = run(game);
    const qint64 id = game.lastInsertId().toLongLong();
    QSqlQuery seat(db);
    seat.prepare(QStringLiteral("INSERT INTO seat (game, colour, name) VALUES (?, ?, ?)"));
    for (int colour = 0; colour < game_->players && !error.isValid(); ++colour) {
        const std::string& name = game_->names[static_cast<size_t>(colour)];
        seat.addBindValue(id);
        seat.addBindValue(colour);
        seat.addBindValue(orNull(!name.empty(), QString::fromStdString(name)));
        error = run(seat);
    }
    if (error.isValid() || !db.commit()) {
        const QSqlError failed = error.isValid() ? error : db.lastError();
        db.rollback();
        return failed;
    }
    gameId_ = id;
    return {};
}

void RecordStore::gameStarted(const GameStart& start) {
    game_ = start;
    gameUid_ = QUuid::createUuid().toString(QUuid::WithoutBraces);
    gameId_ = -1;
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

QSqlError RecordStore::insertEntry(QSqlDatabase& db, const RecordEntry& entry) const {
    const bool spun = entry.position >= 0 && entry.position < SPIN_POSITIONS;
    const double result = spun ? SPINVALUES[static_cast<size_t>(entry.position)] : RED_STAR;
    // The table's literal values, so that a tenth reads 0.3 and not 3 * 0.1.
    const CardValue* spinValue = cardValue(result);
    const bool card = isCard(entry.card);
    const CardValue* cardIs = card ? cardValue(cardCatalogue()[entry.card].value) : nullptr;
    const char* mistake = entry.mistake ? mistakeName(*entry.mistake).key : "";
    QSqlQuery row(db);
    row.prepare(QStringLiteral(
        "INSERT INTO event (game, turn, at_ms, colour, what, position, spin_value, star, card, "
        "card_value, card_form, mistake) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    row.addBindValue(gameId_);
    row.addBindValue(entry.turn);
    row.addBindValue(static_cast<qint64>(entry.atMs));
    row.addBindValue(entry.colour);
    row.addBindValue(QString::fromUtf8(happeningKey(entry.what)));
    row.addBindValue(entry.position);
    row.addBindValue(orNull(spinValue != nullptr, spinValue ? spinValue->value : 0.0));
    row.addBindValue(orNull(spinValue == nullptr, valuesMatch(result, BLUE_STAR)
                                                      ? QStringLiteral("blue")
                                                      : QStringLiteral("red")));
    row.addBindValue(orNull(card, entry.card));
    row.addBindValue(orNull(cardIs != nullptr, cardIs ? cardIs->value : 0.0));
    row.addBindValue(orNull(card, QString::fromUtf8(card ? formKey(kindOf(entry.card)) : "")));
    row.addBindValue(orNull(entry.mistake.has_value(), QString::fromUtf8(mistake)));
    // The row and its colour's tally are written together or not at all.
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlError error = run(row);
    if (!error.isValid()) {
        // The count the row adds to (a star adds to none), as tallyOf() counts.
        QString counted;
        if (entry.what == Happening::Spin) {
            counted = QStringLiteral("spins");
        } else if (card && entry.what != Happening::RedStar && entry.what != Happening::BlueStar) {
            counted = QStringLiteral("%1_%2").arg(QLatin1String(happeningKey(entry.what)),
                                                  QLatin1String(formKey(kindOf(entry.card))));
        }
        QSqlQuery tally(db);
        tally.prepare(counted.isEmpty()
                          ? QStringLiteral("INSERT INTO tally (game, colour) VALUES (?, ?) ON "
                                           "CONFLICT DO NOTHING")
                          : QStringLiteral("INSERT INTO tally (game, colour, %1) VALUES (?, ?, 1) "
                                           "ON CONFLICT (game, colour) DO UPDATE SET %1 = %1 + 1")
                                .arg(counted));
        tally.addBindValue(gameId_);
        tally.addBindValue(entry.colour);
        error = run(tally);
    }
    if (error.isValid() || !db.commit()) {
        const QSqlError failed = error.isValid() ? error : db.lastError();
        db.rollback();
        return failed;
    }
    return {};
}

void RecordStore::gameEnded(const GameEnd& end) {
    if (!game_) {
        return;
    }
    write([this, end](QSqlDatabase& db) {
        if (QSqlError error = insertGame(db); error.isValid()) {
            return error;
        }
        QSqlQuery row(db);
        row.prepare(QStringLiteral(
            "UPDATE game SET ended_ms = ?, ending = ?, winner = ?, spins = ? WHERE id = ?"));
        row.addBindValue(static_cast<qint64>(end.atMs));
        row.addBindValue(end.won ? QStringLiteral("won") : QStringLiteral("saved"));
        row.addBindValue(orNull(end.won, end.winner));
        row.addBindValue(orNull(end.won && end.spins > 0, end.spins));
        row.addBindValue(gameId_);
        return run(row);
    });
}

}  // namespace zandoli
