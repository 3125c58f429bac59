#include "record/Schema.h"

#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <vector>

#include "record/GameResults.h"
#include "record/Mistakes.h"

namespace zandoli::recordSchema {

namespace {

// The counted choices of each colour of a game, from its rows: spins, then
// the cards matched, wrong and missed of each form. A reading of many games
// adds these up instead of counting every row again.
QStringList tallied() {
    QStringList columns{QStringLiteral("spins")};
    for (const char* what : {"match", "wrong", "miss"}) {
        for (int form = 0; form < CARD_FORMS; ++form) {
            columns << QStringLiteral("%1_%2").arg(
                QLatin1String(what), QLatin1String(formKey(static_cast<CardKind>(form))));
        }
    }
    return columns;
}

// Step n takes the record from version n to n + 1. A step, once released,
// never changes: a new version adds a step. The teacher's report and the
// records of several machines put together read this shape, so every game
// has an id of its own everywhere (uid) and every row names its game.
const std::vector<std::vector<QString>>& migrations() {
    static const std::vector<std::vector<QString>> steps = {
        // 0 -> 1: the first record.
        {
            QStringLiteral(R"(CREATE TABLE game (
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
        ))"),
            QStringLiteral(R"(CREATE TABLE seat (
            game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
            colour INTEGER NOT NULL,      -- 0 blue, 1 yellow, 2 magenta, 3 green
            name TEXT,                    -- NULL: the colour is the name
            PRIMARY KEY (game, colour)
        ))"),
            QStringLiteral(R"(CREATE TABLE event (
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
        ))"),
            QStringLiteral("CREATE INDEX event_of_game ON event (game, id)"),
        },
        // 1 -> 2: a tally of each colour of each game beside its rows, made
        // for the games recorded so far; and the wrong cards and misses of a
        // colour found without reading its other rows.
        {
            QStringLiteral("CREATE TABLE tally (game INTEGER NOT NULL REFERENCES game (id) ON "
                           "DELETE CASCADE, colour INTEGER NOT NULL, %1, PRIMARY KEY (game, "
                           "colour))")
                .arg(tallied().join(QStringLiteral(" INTEGER NOT NULL DEFAULT 0, ")) +
                     QStringLiteral(" INTEGER NOT NULL DEFAULT 0")),
            tallyOf(QStringLiteral("1")),
            QStringLiteral("CREATE INDEX event_slip ON event (game, colour) WHERE what IN "
                           "('wrong', 'miss')"),
        },
    };
    return steps;
}

QSqlError execute(QSqlDatabase& db, const QString& statement) {
    QSqlQuery query(db);
    return query.exec(statement) ? QSqlError() : query.lastError();
}

QSqlError step(QSqlDatabase& db, int from) {
    if (!db.transaction()) {
        return db.lastError();
    }
    for (const QString& statement : migrations()[static_cast<size_t>(from)]) {
        if (QSqlError error = execute(db, statement); error.isValid()) {
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

QString tallyColumns() {
    return tallied().join(QStringLiteral(", "));
}

int latestVersion() {
    return static_cast<int>(migrations().size());
}

QString tallyOf(const QString& where) {
    QStringList sums{QStringLiteral("count(what = 'spin' OR NULL)")};
    for (const char* what : {"match", "wrong", "miss"}) {
        for (int form = 0; form < CARD_FORMS; ++form) {
            sums << QStringLiteral("count(what = '%1' AND card_form = '%2' OR NULL)")
                        .arg(QLatin1String(what),
                             QLatin1String(formKey(static_cast<CardKind>(form))));
        }
    }
    return QStringLiteral(
               "INSERT OR REPLACE INTO tally (game, colour, %1) SELECT game, colour, %2 "
               "FROM event WHERE %3 GROUP BY game, colour")
        .arg(tallyColumns(), sums.join(QStringLiteral(", ")), where);
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
