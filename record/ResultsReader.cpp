#include "record/ResultsReader.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <atomic>
#include <string>
#include <utility>

#include "record/RecordQueries.h"
#include "record/RecordStore.h"

namespace zandoli {

namespace {

QString uniqueConnection() {
    static std::atomic<int> count{0};
    return QStringLiteral("zandoli-results-%1").arg(++count);
}

// A game the screen can say something about: one in which a spin stopped.
const QString PLAYED = QStringLiteral(
    "SELECT id FROM game WHERE EXISTS (SELECT 1 FROM event WHERE event.game = game.id) ");

PlayerResults* playerOf(GameResults& game, int colour) {
    for (PlayerResults& player : game.players) {
        if (player.colour == colour) {
            return &player;
        }
    }
    return nullptr;
}

bool readGame(QSqlDatabase& db, int64_t id, GameResults& game) {
    QSqlQuery row(db);
    row.prepare(
        QStringLiteral("SELECT started_ms, one_player, ending, winner, players, COALESCE(ended_ms, "
                       "(SELECT MAX(at_ms) FROM event WHERE game = :id), started_ms), "
                       "(SELECT COUNT(*) FROM event WHERE game = :id AND what = 'spin') FROM game "
                       "WHERE id = :id"));
    row.bindValue(QStringLiteral(":id"), static_cast<qint64>(id));
    if (!row.exec() || !row.next()) {
        return false;
    }
    game.id = id;
    game.startedMs = row.value(0).toLongLong();
    game.onePlayer = row.value(1).toInt() != 0;
    game.won = row.value(2).toString() == QLatin1String("won");
    game.winner = row.value(3).isNull() ? -1 : row.value(3).toInt();
    game.lengthMs = std::max<qint64>(0, row.value(5).toLongLong() - game.startedMs);
    game.spins = row.value(6).toInt();
    const int players = std::clamp(row.value(4).toInt(), 1, PLAYING_COLOURS);

    QSqlQuery seats(db);
    seats.prepare(QStringLiteral("SELECT colour, name FROM seat WHERE game = ? ORDER BY colour"));
    seats.addBindValue(static_cast<qint64>(id));
    seats.exec();
    std::array<std::string, PLAYING_COLOURS> names{};
    while (seats.next()) {
        const int colour = seats.value(0).toInt();
        if (colour >= 0 && colour < PLAYING_COLOURS) {
            names[static_cast<size_t>(colour)] = seats.value(1).toString().toStdString();
        }
    }
    for (int colour = 0; colour < players; ++colour) {
        PlayerResults& player = game.players.emplace_back();
        player.colour = colour;
        player.name = names[static_cast<size_t>(colour)];
    }
    return true;
}

// Each row of the game for its colour.
void readRows(QSqlDatabase& db, GameResults& game) {
    const recordQueries::Scope scope{
        QStringLiteral(
            "WITH mine AS (SELECT game, colour, colour AS who FROM tally WHERE game = ?)"),
        {static_cast<qint64>(game.id)}};
    const auto player = [&game](int colour) { return playerOf(game, colour); };
    recordQueries::readResults(db, scope, player);
}

}  // namespace

ResultsReader::ResultsReader(QString path)
    : path_(std::move(path)), connection_(uniqueConnection()) {}

ResultsReader::~ResultsReader() {
    if (QSqlDatabase::contains(connection_)) {
        QSqlDatabase::database(connection_, false).close();
        QSqlDatabase::removeDatabase(connection_);
    }
}

bool ResultsReader::open() {
    // Reading makes no record where the game has not yet written one.
    if (!QFileInfo::exists(path_)) {
        return false;
    }
    if (!QSqlDatabase::contains(connection_)) {
        if (!RecordStore::upToDate(path_)) {
            return false;
        }
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), connection_);
        db.setDatabaseName(path_);
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=100"));
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    if (!db.isOpen() && !db.open()) {
        return false;
    }
    QSqlQuery query(db);
    return query.exec(QStringLiteral("SELECT 1 FROM game LIMIT 1"));
}

std::optional<GameResults> ResultsReader::first(const QString& sql, int64_t id) {
    if (!open()) {
        return std::nullopt;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    query.prepare(PLAYED + sql);
    if (sql.contains(QLatin1Char('?'))) {
        query.addBindValue(static_cast<qint64>(id));
    }
    if (!query.exec() || !query.next()) {
        return std::nullopt;
    }
    GameResults game;
    if (!readGame(db, query.value(0).toLongLong(), game)) {
        return std::nullopt;
    }
    readRows(db, game);
    return game;
}

std::optional<GameResults> ResultsReader::latest() {
    return first(QStringLiteral("ORDER BY id DESC LIMIT 1"), 0);
}

std::optional<GameResults> ResultsReader::before(int64_t id) {
    return first(QStringLiteral("AND id < ? ORDER BY id DESC LIMIT 1"), id);
}

std::optional<GameResults> ResultsReader::after(int64_t id) {
    return first(QStringLiteral("AND id > ? ORDER BY id LIMIT 1"), id);
}

std::optional<GameResults> ResultsReader::game(int64_t id) {
    return first(QStringLiteral("AND id = ?"), id);
}

bool ResultsReader::forgetAll() {
    if (!open()) {
        // Nothing was ever recorded: nothing to forget.
        return true;
    }
    QSqlDatabase db = QSqlDatabase::database(connection_, false);
    QSqlQuery query(db);
    if (!db.transaction()) {
        return false;
    }
    for (const char* statement :
         {"DELETE FROM tally", "DELETE FROM event", "DELETE FROM seat", "DELETE FROM game"}) {
        if (!query.exec(QString::fromUtf8(statement))) {
            db.rollback();
            return false;
        }
    }
    if (!db.commit()) {
        return false;
    }
    // Deleted rows linger in free pages and in the log until the file is
    // rewritten; forgetting means they are gone from the disk too.
    query.exec(QStringLiteral("VACUUM"));
    query.exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
    return true;
}

}  // namespace zandoli
