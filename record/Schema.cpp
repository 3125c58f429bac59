#include "record/Schema.h"

#include <QSqlQuery>
#include <QString>
#include <vector>

namespace zandoli::recordSchema {

namespace {

// Step n takes the record from version n to n + 1. A step, once released,
// never changes: a new version adds a step. The teacher's report and the
// records of several machines put together read this shape, so every game
// has an id of its own everywhere (uid) and every row names its game.
const std::vector<std::vector<const char*>> MIGRATIONS = {
    // 0 -> 1: the first record.
    {
        R"(CREATE TABLE game (
            id INTEGER PRIMARY KEY,
            uid TEXT NOT NULL UNIQUE,
            started_ms INTEGER NOT NULL,  -- milliseconds since 1970, UTC
            players INTEGER NOT NULL,
            one_player INTEGER NOT NULL,  -- 1 at the one-player table
            restored INTEGER NOT NULL,    -- 1 for a saved game taken up again
            ended_ms INTEGER,             -- NULL: no end was seen
            ending TEXT,                  -- 'won' or 'saved'; NULL: no end was seen
            winner INTEGER,               -- the winner's colour
            spins INTEGER                 -- the one-player count of the win
        ))",
        R"(CREATE TABLE seat (
            game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
            colour INTEGER NOT NULL,      -- 0 blue, 1 yellow, 2 magenta, 3 green
            name TEXT,                    -- NULL: the colour is the name
            PRIMARY KEY (game, colour)
        ))",
        R"(CREATE TABLE event (
            id INTEGER PRIMARY KEY,
            game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
            turn INTEGER NOT NULL,        -- the game's spun turns counted from 1
            at_ms INTEGER NOT NULL,
            colour INTEGER NOT NULL,
            what TEXT NOT NULL,           -- spin, match, wrong, miss, red star, blue star
            position INTEGER NOT NULL,    -- where the spinner stopped, 0..15
            spin_value REAL,              -- NULL on a star
            star TEXT,                    -- 'red' or 'blue' on a star
            card INTEGER,                 -- the card's number in the pack; NULL for a spin
            card_value REAL,
            card_form TEXT,               -- whole, decimal, percent, fraction, tile
            mistake TEXT                  -- the rule that names a wrong card or a miss
        ))",
        "CREATE INDEX event_of_game ON event (game, id)",
    },
};

QSqlError execute(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    return query.exec(statement) ? QSqlError() : query.lastError();
}

QSqlError step(QSqlDatabase& db, int from) {
    if (!db.transaction()) {
        return db.lastError();
    }
    for (const char* statement : MIGRATIONS[static_cast<size_t>(from)]) {
        if (QSqlError error = execute(db, QString::fromUtf8(statement)); error.isValid()) {
            db.rollback();
            return error;
        }
    }
    if (QSqlError error = execute(db, QStringLiteral("PRAGMA user_version = %1").arg(from + 1));
        error.isValid()) {
        db.rollback();
        return error;
    }
    return db.commit() ? QSqlError() : db.lastError();
}

}  // namespace

int latestVersion() {
    return static_cast<int>(MIGRATIONS.size());
}

QSqlError migrate(QSqlDatabase& db, int version) {
    for (int from = version; from < latestVersion(); ++from) {
        if (QSqlError error = step(db, from); error.isValid()) {
            return error;
        }
    }
    return {};
}

}  // namespace zandoli::recordSchema
