-- A record as the first version of the game wrote it, with one game of
-- one turn: Green's name given, Blue's not.
CREATE TABLE game (
    id INTEGER PRIMARY KEY,
    uid TEXT NOT NULL UNIQUE,
    started_ms INTEGER NOT NULL,
    players INTEGER NOT NULL,
    one_player INTEGER NOT NULL,
    restored INTEGER NOT NULL,
    ended_ms INTEGER,
    ending TEXT,
    winner INTEGER,
    spins INTEGER
);
CREATE TABLE seat (
    game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
    colour INTEGER NOT NULL,
    name TEXT,
    PRIMARY KEY (game, colour)
);
CREATE TABLE event (
    id INTEGER PRIMARY KEY,
    game INTEGER NOT NULL REFERENCES game (id) ON DELETE CASCADE,
    turn INTEGER NOT NULL,
    at_ms INTEGER NOT NULL,
    colour INTEGER NOT NULL,
    what TEXT NOT NULL,
    position INTEGER NOT NULL,
    spin_value REAL,
    star TEXT,
    card INTEGER,
    card_value REAL,
    card_form TEXT,
    mistake TEXT
);
CREATE INDEX event_of_game ON event (game, id);
INSERT INTO game VALUES (1, 'first-version-game', 1600000000000, 4, 0, 0, NULL, NULL, NULL, NULL);
INSERT INTO seat VALUES (1, 0, NULL), (1, 1, NULL), (1, 2, NULL), (1, 3, 'Zoë');
INSERT INTO event VALUES (1, 1, 1, 1600000002000, 0, 'spin', 12, 0.3, NULL, NULL, NULL, NULL, NULL);
INSERT INTO event VALUES (2, 1, 1, 1600000003000, 0, 'wrong', 12, 0.3, NULL, 29, 0.4, 'fraction', 'tenth-away');
PRAGMA user_version = 1;
