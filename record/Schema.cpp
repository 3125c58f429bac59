#include "record/Schema.h"

#include <QString>
#include <array>
#include <span>

#include "record/Sql.h"

namespace zandoli::recordSchema {

namespace {

// Step n takes the record from version n to n + 1, as the SQL it ran when
// it was released: a step never changes once released, and never follows
// the code's names of columns and keys (a record made by this version must
// read as one brought up from the first). A new version adds a step. The
// teacher's report and the records of several machines put together read
// this shape, so every game has an id of its own everywhere (uid) and every
// row names its game.
//
// 0 -> 1: the first record.
constexpr const char* FIRST_RECORD[] = {
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
};

// 1 -> 2: a tally of each colour of each game beside its rows (its spins,
// then the cards matched, wrong and missed of each form), made for the games
// recorded so far; and the wrong cards and misses of a colour found without
// reading its other rows.
constexpr const char* TALLY[] = {
    "CREATE TABLE tally (game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE, "
    "colour INTEGER NOT NULL, spins INTEGER NOT NULL DEFAULT 0, "
    "match_whole INTEGER NOT NULL DEFAULT 0, match_decimal INTEGER NOT NULL DEFAULT 0, "
    "match_percent INTEGER NOT NULL DEFAULT 0, match_fraction INTEGER NOT NULL DEFAULT 0, "
    "match_tile INTEGER NOT NULL DEFAULT 0, "
    "wrong_whole INTEGER NOT NULL DEFAULT 0, wrong_decimal INTEGER NOT NULL DEFAULT 0, "
    "wrong_percent INTEGER NOT NULL DEFAULT 0, wrong_fraction INTEGER NOT NULL DEFAULT 0, "
    "wrong_tile INTEGER NOT NULL DEFAULT 0, "
    "miss_whole INTEGER NOT NULL DEFAULT 0, miss_decimal INTEGER NOT NULL DEFAULT 0, "
    "miss_percent INTEGER NOT NULL DEFAULT 0, miss_fraction INTEGER NOT NULL DEFAULT 0, "
    "miss_tile INTEGER NOT NULL DEFAULT 0, "
    "PRIMARY KEY (game, colour))",
    R"(INSERT OR REPLACE INTO tally (game, colour, spins,
                match_whole, match_decimal, match_percent, match_fraction, match_tile,
                wrong_whole, wrong_decimal, wrong_percent, wrong_fraction, wrong_tile,
                miss_whole, miss_decimal, miss_percent, miss_fraction, miss_tile)
            SELECT game, colour, count(what = 'spin' OR NULL),
                count(what = 'match' AND card_form = 'whole' OR NULL),
                count(what = 'match' AND card_form = 'decimal' OR NULL),
                count(what = 'match' AND card_form = 'percent' OR NULL),
                count(what = 'match' AND card_form = 'fraction' OR NULL),
                count(what = 'match' AND card_form = 'tile' OR NULL),
                count(what = 'wrong' AND card_form = 'whole' OR NULL),
                count(what = 'wrong' AND card_form = 'decimal' OR NULL),
                count(what = 'wrong' AND card_form = 'percent' OR NULL),
                count(what = 'wrong' AND card_form = 'fraction' OR NULL),
                count(what = 'wrong' AND card_form = 'tile' OR NULL),
                count(what = 'miss' AND card_form = 'whole' OR NULL),
                count(what = 'miss' AND card_form = 'decimal' OR NULL),
                count(what = 'miss' AND card_form = 'percent' OR NULL),
                count(what = 'miss' AND card_form = 'fraction' OR NULL),
                count(what = 'miss' AND card_form = 'tile' OR NULL)
            FROM event WHERE 1 GROUP BY game, colour)",
    "CREATE INDEX event_slip ON event (game, colour) WHERE what IN ('wrong', 'miss')",
};

// 2 -> 3: the teacher's lesson each game was played under (its file and
// name; NULL for every value in every form), its number among the games of
// the lesson's class code, whether it was a practice game (dealt from its
// pupil's confusions); how long the explanation of a wrong card or a miss
// stayed before the player went on; and on each spin the cards its player
// held, as their numbers in the pack ("4 42 22"), so that a confusion is
// known to have been met.
constexpr const char* LESSONS[] = {
    "ALTER TABLE game ADD COLUMN lesson_name TEXT",
    "ALTER TABLE game ADD COLUMN lesson TEXT",
    "ALTER TABLE game ADD COLUMN class_game INTEGER",
    "ALTER TABLE game ADD COLUMN practice INTEGER NOT NULL DEFAULT 0",
    "ALTER TABLE event ADD COLUMN explained_ms INTEGER",
    "ALTER TABLE event ADD COLUMN hand TEXT",
};

// 3 -> 4: the seats of a pupil found by name, not by reading every seat:
// a practice game and the report start from a pupil's seats.
constexpr const char* PUPILS[] = {
    "CREATE INDEX seat_name ON seat (name)",
};

constexpr std::array<std::span<const char* const>, 4> STEPS = {FIRST_RECORD, TALLY, LESSONS,
                                                               PUPILS};

// Brings the record up by the step from `from`, unless another copy of the
// game did so first: the write lock is taken before the version is read
// again, so two copies starting on a new record at once never both run one.
// The version the record is at after it.
sql::Reading<int> step(QSqlDatabase& db, int from) {
    if (QSqlError error = sql::exec(db, QStringLiteral("BEGIN IMMEDIATE")); error.isValid()) {
        return {.error = error};
    }
    sql::Reading<int> now = versionOf(db);
    if (!now.failed() && now.value == from) {
        for (const char* statement : STEPS[static_cast<size_t>(from)]) {
            if (now.error = sql::exec(db, QString::fromUtf8(statement)); now.failed()) {
                break;
            }
        }
        if (!now.failed()) {
            now.error = sql::exec(db, QStringLiteral("PRAGMA user_version = %1").arg(from + 1));
            now.value = from + 1;
        }
    }
    if (!now.failed()) {
        now.error = sql::exec(db, QStringLiteral("COMMIT"));
    }
    if (now.failed()) {
        sql::exec(db, QStringLiteral("ROLLBACK"));
    }
    return now;
}

}  // namespace

int latestVersion() {
    return static_cast<int>(STEPS.size());
}

sql::Reading<int> versionOf(const QSqlDatabase& db) {
    const auto version = sql::value(db, QStringLiteral("PRAGMA user_version"));
    return {.value = version.value.toInt(), .error = version.error};
}

sql::Reading<int> versionOf(const QString& path) {
    const sql::Connection file("version", path, QStringLiteral("QSQLITE_OPEN_READONLY"));
    return file.isOpen() ? versionOf(file.db()) : sql::Reading<int>{.error = file.error()};
}

QSqlError newerVersion(int version) {
    return QSqlError(QStringLiteral("written by a newer version"),
                     QStringLiteral("version %1").arg(version), QSqlError::UnknownError);
}

QSqlError migrate(QSqlDatabase& db, int version) {
    for (int from = version; from < latestVersion();) {
        const sql::Reading<int> now = step(db, from);
        if (now.failed()) {
            return now.error;
        }
        from = now.value;
    }
    return {};
}

}  // namespace zandoli::recordSchema
