-- The schema of a record this version makes, as `sqlite3 record.sqlite .schema`
-- prints it (SchemaTest.cpp): each released step's statements, word for word.
-- A new version adds its step's statements below, and the columns it adds to a
-- table at the end of that table's statement, as SQLite writes them; nothing
-- else ever changes.
CREATE TABLE game (
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
        , lesson_name TEXT, lesson TEXT, class_game INTEGER, practice INTEGER NOT NULL DEFAULT 0);
CREATE TABLE seat (
            game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
            colour INTEGER NOT NULL,      -- 0 blue, 1 yellow, 2 magenta, 3 green
            name TEXT,                    -- NULL: the colour is the name
            PRIMARY KEY (game, colour)
        );
CREATE TABLE event (
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
        , explained_ms INTEGER, hand TEXT);
CREATE INDEX event_of_game ON event (game, id);
CREATE TABLE tally (game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE, colour INTEGER NOT NULL, spins INTEGER NOT NULL DEFAULT 0, match_whole INTEGER NOT NULL DEFAULT 0, match_decimal INTEGER NOT NULL DEFAULT 0, match_percent INTEGER NOT NULL DEFAULT 0, match_fraction INTEGER NOT NULL DEFAULT 0, match_tile INTEGER NOT NULL DEFAULT 0, wrong_whole INTEGER NOT NULL DEFAULT 0, wrong_decimal INTEGER NOT NULL DEFAULT 0, wrong_percent INTEGER NOT NULL DEFAULT 0, wrong_fraction INTEGER NOT NULL DEFAULT 0, wrong_tile INTEGER NOT NULL DEFAULT 0, miss_whole INTEGER NOT NULL DEFAULT 0, miss_decimal INTEGER NOT NULL DEFAULT 0, miss_percent INTEGER NOT NULL DEFAULT 0, miss_fraction INTEGER NOT NULL DEFAULT 0, miss_tile INTEGER NOT NULL DEFAULT 0, PRIMARY KEY (game, colour));
CREATE INDEX event_slip ON event (game, colour) WHERE what IN ('wrong', 'miss');
CREATE INDEX seat_name ON seat (name);
