// The record's shape: a record this version makes is the record of the
// first version brought up to date, step by step, so that a released step
// changed in place shows; the columns and keys the code writes, copies and
// checks are those of that shape, so that a new form or mistake rule
// without a step of its own shows too.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "engine/GameState.h"
#include "engine/Spinner.h"
#include "record/Columns.h"
#include "record/Exchange.h"
#include "record/Mistakes.h"
#include "record/RecordStore.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

// Every table with its columns (type, NOT NULL, default, key) and foreign
// keys, every index with its columns, whether it is unique or partial, and
// what it says: all SQLite keeps of a schema but the words of a table's
// statement, where the first version's comments were left out.
Rows schemaOf(const QString& file) {
    Rows all;
    for (const char* sql : {
             "SELECT type, name, tbl_name FROM sqlite_master ORDER BY type, name",
             "SELECT m.name, c.* FROM sqlite_master m JOIN pragma_table_xinfo(m.name) c WHERE "
             "m.type = 'table' ORDER BY m.name, c.cid",
             "SELECT m.name, f.* FROM sqlite_master m JOIN pragma_foreign_key_list(m.name) f WHERE "
             "m.type = 'table' ORDER BY m.name, f.id, f.seq",
             "SELECT m.name, i.* FROM sqlite_master m JOIN pragma_index_list(m.name) i WHERE "
             "m.type = 'table' ORDER BY m.name, i.name",
             "SELECT m.name, c.* FROM sqlite_master m JOIN pragma_index_xinfo(m.name) c WHERE "
             "m.type = 'index' ORDER BY m.name, c.seqno",
             "SELECT name, sql FROM sqlite_master WHERE type = 'index' ORDER BY name",
             "PRAGMA user_version",
         }) {
        const Rows rows = readRows(file, sql);
        all.insert(all.end(), rows.begin(), rows.end());
    }
    return all;
}

// A table's columns as SQL lists them.
std::string columnsOf(const QString& file, const char* table) {
    return readRows(file, QStringLiteral("SELECT group_concat(name, ', ') FROM "
                                         "pragma_table_info('%1')")
                              .arg(QLatin1String(table)))
        .at(0);
}

TEST(Schema, ARecordMadeNowIsTheFirstVersionsBroughtUpToDate) {
    QTemporaryDir dir;
    const QString made = dir.path() + "/made.sqlite", first = dir.path() + "/first.sqlite";
    ASSERT_TRUE(RecordStore(made).open());
    const QString script = QString::fromUtf8(readBytes(ZANDOLI_RECORD_DATA "/version-1.sql"));
    ASSERT_EQ(runSql(first, script.split(";\n", Qt::SkipEmptyParts)), "");
    ASSERT_TRUE(RecordStore(first).open());
    const Rows schema = schemaOf(made);
    EXPECT_EQ(schema, schemaOf(first));
    // Tables, indexes, columns: none missing from what was compared.
    EXPECT_GT(schema.size(), 40u);
}

TEST(Schema, ARecordIsMadeWithTheReleasedStatementsWordForWord) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/record.sqlite";
    ASSERT_TRUE(RecordStore(file).open());
    std::string made;
    for (const std::string& statement :
         readRows(file, "SELECT sql FROM sqlite_master WHERE sql IS NOT NULL ORDER BY rowid")) {
        made += statement + ";\n";
    }
    QString released = QString::fromUtf8(readBytes(ZANDOLI_RECORD_DATA "/schema.sql"));
    while (released.startsWith("-- ")) {
        released = released.section('\n', 1);
    }
    EXPECT_EQ(made, released.toStdString());
}

TEST(Schema, TheColumnsTheCodeNamesAreTheRecordsOwn) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/record.sqlite";
    ASSERT_TRUE(RecordStore(file).open());
    using namespace recordColumns;
    EXPECT_EQ(columnsOf(file, "game"), ("id, " + list(GAME)).toStdString());
    EXPECT_EQ(columnsOf(file, "seat"), list(SEAT).toStdString());
    EXPECT_EQ(columnsOf(file, "event"), ("id, " + list(EVENT)).toStdString());
    EXPECT_EQ(columnsOf(file, "tally"), ("game, colour, " + tallyColumns()).toStdString());
}

// Every word the store can write: in one game each spin position (stars
// too), each card of the pack matched, each mistake's rule and each
// happening; both endings, and a one-player win's count of spins.
void recordEveryWord(RecordStore& store) {
    int64_t at = 1000;
    store.gameStarted({.atMs = at, .players = 2, .names = {"Ana", ""}});
    for (int position = 0; position < SPIN_POSITIONS; ++position) {
        store.recorded({.atMs = ++at, .what = Happening::Spin, .turn = 1, .position = position});
    }
    for (int16_t card = 0; card < PACK_SIZE; ++card) {
        store.recorded({.atMs = ++at, .what = Happening::Match, .position = 0, .card = card});
    }
    for (const MistakeName& name : MISTAKE_NAMES) {
        store.recorded(
            {.atMs = ++at,
             .what = name.rule == MistakeRule::Missed ? Happening::Miss : Happening::Wrong,
             .position = 0,
             .card = 3,
             .mistake = name.rule});
    }
    for (Happening what : {Happening::RedStar, Happening::BlueStar}) {
        store.recorded({.atMs = ++at, .what = what, .colour = 1, .position = 0, .card = 5});
    }
    store.gameEnded({.atMs = ++at, .won = true, .winner = 1});
    store.gameStarted({.atMs = ++at, .players = 1, .onePlayer = true});
    store.recorded({.atMs = ++at, .what = Happening::Spin, .turn = 1, .position = 2});
    store.gameEnded({.atMs = ++at});
    // A one-player game won at its first spin.
    store.gameStarted({.atMs = ++at, .players = 1, .onePlayer = true, .restored = true});
    store.recorded({.atMs = ++at, .what = Happening::Spin, .turn = 1, .position = 1});
    store.gameEnded({.atMs = ++at, .won = true, .winner = 0, .spins = 1});
}

TEST(Schema, AnExportOfEveryWordTheStoreWritesIsImported) {
    QTemporaryDir dir;
    {
        RecordStore store(dir.path() + "/mine.sqlite");
        recordEveryWord(store);
    }
    const QString file = dir.path() + "/every.zandoli";
    ASSERT_TRUE(exchange::exportRecord(dir.path() + "/mine.sqlite", file).ok);
    const exchange::Outcome merged = exchange::importRecord(dir.path() + "/theirs.sqlite", file);
    EXPECT_TRUE(merged.ok) << merged.message.toStdString();
    EXPECT_EQ(merged.gamesAdded, 3);
    const QString theirs = dir.path() + "/theirs.sqlite";
    EXPECT_EQ(readRows(theirs,
                       "SELECT count(DISTINCT what), count(DISTINCT card_form), count(DISTINCT "
                       "mistake), count(DISTINCT star) FROM event"),
              Rows{"6 | 5 | 6 | 2"});
    EXPECT_EQ(
        readRows(theirs,
                 "SELECT players, one_player, restored, ending, winner, spins FROM game "
                 "ORDER BY id"),
        (Rows{"2 | 0 | 0 | won | 1 | -", "1 | 1 | 0 | saved | - | -", "1 | 1 | 1 | won | 0 | 1"}));
    // Each happening's rows, those with a star and those with a spin's value,
    // and the colours they add up to: the stars are the spins at 1, 5, 9 and
    // 13 and the last game's at 1, the stars' cards were Yellow's.
    EXPECT_EQ(
        readRows(theirs,
                 "SELECT what, count(*), count(star), count(spin_value), sum(colour) FROM "
                 "event GROUP BY what ORDER BY what"),
        (Rows{"blue star | 1 | 0 | 1 | 1", "match | 48 | 0 | 48 | 0", "miss | 1 | 0 | 1 | 0",
              "red star | 1 | 0 | 1 | 1", "spin | 18 | 5 | 13 | 0", "wrong | 5 | 0 | 5 | 0"}));
}

}  // namespace
}  // namespace zandoli::testing
