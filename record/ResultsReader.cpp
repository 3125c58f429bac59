#include "record/ResultsReader.h"

#include <QDir>
#include <QVariant>
#include <algorithm>
#include <array>
#include <string>
#include <utility>

#include "record/Columns.h"
#include "record/RecordQueries.h"
#include "record/RecordStore.h"
#include "record/SavedFold.h"

namespace zandoli {

namespace {

// The games the screen can say something about, those in which a spin
// stopped, each with when and how it was played, and its length to its end
// or, if none was seen, to its last row.
const QString& played() {
    static const QString select =
        QStringLiteral(
            "SELECT id, started_ms, one_player, ending, winner, players, COALESCE(ended_ms, "
            "(SELECT MAX(at_ms) FROM event WHERE event.game = game.id), started_ms), (SELECT "
            "COUNT(*) FROM event WHERE event.game = game.id AND what = %1), lesson_name FROM game "
            "WHERE "
            "EXISTS "
            "(SELECT 1 FROM event WHERE event.game = game.id) ")
            .arg(recordColumns::quoted(happeningKey(Happening::Spin)));
    return select;
}

PlayerResults* playerOf(GameResults& game, int colour) {
    for (PlayerResults& player : game.players) {
        if (player.colour == colour) {
            return &player;
        }
    }
    return nullptr;
}

// A game as played() reads it; its players as yet without their seats.
GameResults gameOf(const QVariantList& row) {
    GameResults game;
    game.id = row[0].toLongLong();
    game.startedMs = row[1].toLongLong();
    game.onePlayer = row[2].toInt() != 0;
    game.won = row[3].toString() == QLatin1String(recordColumns::WON);
    if (!row[4].isNull()) {
        game.winner = row[4].toInt();
    }
    game.lengthMs = std::max<qint64>(0, row[6].toLongLong() - game.startedMs);
    game.spins = row[7].toInt();
    game.lesson = row[8].toString().toStdString();
    game.players.resize(static_cast<size_t>(std::clamp(row[5].toInt(), 1, PLAYING_COLOURS)));
    return game;
}

// Each player of the game, by colour, with the name given.
QSqlError readSeats(const QSqlDatabase& db, GameResults& game) {
    const auto seats = sql::rows(
        db, QStringLiteral("SELECT colour, name FROM seat WHERE game = ? ORDER BY colour"),
        {static_cast<qint64>(game.id)});
    std::array<std::string, PLAYING_COLOURS> names{};
    for (const QVariantList& seat : seats.value) {
        const int colour = seat[0].toInt();
        if (colour >= 0 && colour < PLAYING_COLOURS) {
            names[static_cast<size_t>(colour)] = seat[1].toString().toStdString();
        }
    }
    for (size_t colour = 0; colour < game.players.size(); ++colour) {
        game.players[colour].colour = static_cast<int>(colour);
        game.players[colour].name = names[colour];
    }
    return seats.error;
}

// Each row of the game for its colour.
QSqlError readRows(const QSqlDatabase& db, GameResults& game) {
    const recordQueries::Scope scope{
        QStringLiteral(
            "WITH mine AS (SELECT game, colour, colour AS who FROM tally WHERE game = ?)"),
        {static_cast<qint64>(game.id)}};
    const auto player = [&game](int colour) { return playerOf(game, colour); };
    return recordQueries::readResults(db, scope, player);
}

}  // namespace

ResultsReader::ResultsReader(QString path) : path_(std::move(path)) {}

QSqlError ResultsReader::open() {
    return db_.isOpen() ? QSqlError()
                        : RecordStore::openToRead(db_, path_, RecordStore::CONNECT_OPTIONS);
}

ResultsReader::Found ResultsReader::first(const QString& which, const QVariantList& values) {
    if (QSqlError error = open(); error.isValid() || !db_.isOpen()) {
        return {.error = error};
    }
    const QSqlDatabase db = db_.db();
    const auto found = sql::rows(db, played() + which, values);
    if (found.failed() || found.value.empty()) {
        return {.error = found.error};
    }
    GameResults game = gameOf(found.value.front());
    QSqlError error = readSeats(db, game);
    if (!error.isValid()) {
        error = readRows(db, game);
    }
    return error.isValid() ? Found{.error = error} : Found{.value = std::move(game)};
}

ResultsReader::Found ResultsReader::latest() {
    return first(QStringLiteral("ORDER BY id DESC LIMIT 1"), {});
}

ResultsReader::Found ResultsReader::before(int64_t id) {
    return first(QStringLiteral("AND id < ? ORDER BY id DESC LIMIT 1"), {static_cast<qint64>(id)});
}

ResultsReader::Found ResultsReader::after(int64_t id) {
    return first(QStringLiteral("AND id > ? ORDER BY id LIMIT 1"), {static_cast<qint64>(id)});
}

bool ResultsReader::forgetAll() {
    if (QSqlError error = open(); error.isValid() || !db_.isOpen()) {
        // Without a record there is nothing to forget.
        return !error.isValid();
    }
    QSqlDatabase db = db_.db();
    const QSqlError failed = sql::transaction(db, [&db] {
        for (const char* table : {"tally", "event", "seat", "game"}) {
            const QString statement = QStringLiteral("DELETE FROM %1").arg(QLatin1String(table));
            if (QSqlError error = sql::exec(db, statement); error.isValid()) {
                return error;
            }
        }
        return QSqlError();
    });
    // Deleted rows linger in free pages and in the log until the file is
    // rewritten; forgetting means they are gone from the disk too, and so
    // are the pupils' confusions kept beside the record.
    return !failed.isValid() && !sql::exec(db, QStringLiteral("VACUUM")).isValid() &&
           !sql::exec(db, QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)")).isValid() &&
           QDir(confusions::savedFoldsFolder(path_)).removeRecursively();
}

}  // namespace zandoli
