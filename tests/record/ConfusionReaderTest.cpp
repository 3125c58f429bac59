// A practice game on disk: the recorder keeps each spin's hand and marks
// the game, the store writes both, and a pupil's confusions are read back
// by name.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "record/ConfusionReader.h"
#include "record/RecordStore.h"
#include "record/Recorder.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

constexpr int64_t DAY = 86'400'000;

// What the recorder hands its sink.
struct Kept : RecordSink {
    void gameStarted(const GameStart& start) override { starts.push_back(start); }
    void recorded(const RecordEntry& entry) override { entries.push_back(entry); }
    void gameEnded(const GameEnd&) override {}
    std::vector<GameStart> starts;
    std::vector<RecordEntry> entries;
};

TEST(PracticeRecord, TheRecorderKeepsEachSpinsHandAndMarksPracticeGames) {
    GameState state;
    state.numPlayers = 1;
    Kept kept;
    Recorder recorder(
        state, kept, [] { return int64_t{5}; },
        [] { return std::array<std::string, PLAYING_COLOURS>{"Blue's name"}; });
    TableState shown;
    shown.spinner[3] = 0.3;  // a practice spinner: 0.3 where the standard shows 0.8
    shown.faces[0] = 4;
    shown.faces[2] = 42;
    recorder.show(shown);
    recorder.happened({.moment = Moment::Dealt});
    recorder.happened({.moment = Moment::SpinStopped, .position = 3});
    recorder.playedBy("Ana", true);
    recorder.happened({.moment = Moment::Dealt});
    ASSERT_EQ(kept.starts.size(), 2u);
    EXPECT_FALSE(kept.starts[0].practice);
    EXPECT_EQ(kept.starts[0].names[0], "Blue's name");
    EXPECT_TRUE(kept.starts[1].practice);
    EXPECT_EQ(kept.starts[1].names[0], "Ana");
    ASSERT_EQ(kept.entries.size(), 1u);
    EXPECT_EQ(kept.entries[0].hand, (std::vector<int16_t>{4, 42}));
    EXPECT_EQ(kept.entries[0].spun, 0.3);
}

TEST(PracticeRecord, APupilsConfusionsAreReadBackByName) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/record.sqlite";
    {
        RecordStore store(file);
        // Day 0: Ana (blue) takes the 0.7 tile for 0.3; yellow, unnamed, too.
        store.gameStarted({.atMs = 1000, .players = 2, .names = {"Ana", ""}});
        for (int colour = 0; colour < 2; ++colour) {
            store.recorded({.atMs = 1001,
                            .colour = colour,
                            .turn = 1,
                            .position = 3,
                            .spun = 0.3,
                            .hand = {4, 42}});
            store.recorded({.atMs = 1002,
                            .what = Happening::Wrong,
                            .colour = colour,
                            .turn = 1,
                            .position = 3,
                            .card = 42,
                            .mistake = MistakeRule::UnshadedPart,
                            .spun = 0.3});
        }
        // A wrong row without a card of the pack names no confusion.
        store.recorded({.atMs = 1003,
                        .what = Happening::Wrong,
                        .turn = 1,
                        .position = 3,
                        .card = NO_CARD,
                        .mistake = MistakeRule::Other,
                        .spun = 0.3});
        // Day 1, a practice game: she holds the tile and takes 0.3.
        store.gameStarted({.atMs = DAY + 1000,
                           .players = 1,
                           .onePlayer = true,
                           .practice = true,
                           .names = {"Ana"}});
        store.recorded(
            {.atMs = DAY + 1001, .turn = 1, .position = 3, .spun = 0.3, .hand = {4, 42}});
        store.recorded({.atMs = DAY + 1002,
                        .what = Happening::Match,
                        .turn = 1,
                        .position = 3,
                        .card = 4,
                        .spun = 0.3});
        // Day 2: 0.3 again, but without the tile in her hand she cannot
        // meet the confusion, and it stays where it was.
        store.gameStarted(
            {.atMs = 2 * DAY + 1000, .players = 1, .onePlayer = true, .names = {"Ana"}});
        store.recorded(
            {.atMs = 2 * DAY + 1001, .turn = 1, .position = 3, .spun = 0.3, .hand = {4}});
        store.recorded({.atMs = 2 * DAY + 1002,
                        .what = Happening::Match,
                        .turn = 1,
                        .position = 3,
                        .card = 4,
                        .spun = 0.3});
    }
    EXPECT_EQ(joined(readRows(file, "SELECT players, practice FROM game ORDER BY id")),
              "2 | 0 / 1 | 1 / 1 | 0");
    EXPECT_EQ(joined(readRows(file, "SELECT hand, spin_value FROM event WHERE what = 'spin'")),
              "4 42 | 0.3 / 4 42 | 0.3 / 4 42 | 0.3 / 4 | 0.3");
    const auto ana = confusions::readConfusions(file, "Ana", 0);
    ASSERT_FALSE(ana.failed());
    ASSERT_EQ(ana.value.size(), 1u);
    EXPECT_EQ(ana.value[0].box, 2);
    EXPECT_EQ(ana.value[0].key.form, CardKind::Tile);
    EXPECT_EQ(ana.value[0].sessions, 3);
    // Nobody else is Ana; a colour has no confusions of its own; no record is none.
    EXPECT_TRUE(confusions::readConfusions(file, "Bo", 0).value.empty());
    EXPECT_TRUE(confusions::readConfusions(file, "", 0).value.empty());
    const auto none = confusions::readConfusions(dir.path() + "/none.sqlite", "Ana", 0);
    EXPECT_FALSE(none.failed());
    EXPECT_TRUE(none.value.empty());
}

// A game of Ana's alone on `day`: 0.3 spun to the 0.3 decimal and the 0.7
// tile, and she takes the tile (a mistake) or the decimal.
void playDay(RecordStore& store, int day, bool mistake) {
    const int64_t at = day * DAY + 9 * 3'600'000;
    store.gameStarted({.atMs = at, .players = 1, .onePlayer = true, .names = {"Ana"}});
    store.recorded({.atMs = at + 1, .turn = 1, .position = 3, .spun = 0.3, .hand = {4, 42}});
    store.recorded({.atMs = at + 2,
                    .what = mistake ? Happening::Wrong : Happening::Match,
                    .turn = 1,
                    .position = 3,
                    .card = static_cast<int16_t>(mistake ? 42 : 4),
                    .mistake = mistake ? std::optional(MistakeRule::UnshadedPart) : std::nullopt,
                    .spun = 0.3});
}

// Ana's one confusion as "box B, M mistakes, S sessions", read with the
// days kept beside the record, or from every row when `anew`.
std::string anasConfusion(const QString& file, bool anew = false) {
    if (anew) {
        QDir(QFileInfo(file).absolutePath() + "/record.confusions").removeRecursively();
    }
    const auto ana = confusions::readConfusions(file, "Ana", 0);
    if (ana.failed() || ana.value.size() != 1) {
        return "not one confusion";
    }
    const Confusion& c = ana.value.front();
    return "box " + std::to_string(c.box) + ", " + std::to_string(c.mistakes) + " mistakes, " +
           std::to_string(c.sessions) + " sessions";
}

TEST(PracticeRecord, TheDaysKeptBesideTheRecordServeUntilTheRecordChangesBeforeThem) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/record.sqlite";
    {
        RecordStore store(file);
        playDay(store, 0, true);
        playDay(store, 1, false);
        playDay(store, 2, false);
    }
    EXPECT_EQ(anasConfusion(file), "box 3, 1 mistakes, 3 sessions");
    const QStringList kept = QDir(dir.path() + "/record.confusions").entryList(QDir::Files);
    ASSERT_EQ(kept.size(), 1);
    // The days before the last come from the file: a count changed there
    // is read back.
    const QString keptFile = dir.path() + "/record.confusions/" + kept.front();
    QFile text(keptFile);
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    QByteArray changed = text.readAll();
    text.close();
    const qsizetype track = changed.indexOf("\ntracks 1\n") + 10;
    QList<QByteArray> numbers = changed.mid(track).split(' ');
    ASSERT_GE(numbers.size(), 12);
    ASSERT_EQ(numbers[5], "1");  // the mistakes
    numbers[5] = "7";
    changed = changed.left(track) + numbers.join(' ');
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write(changed);
    text.close();
    EXPECT_EQ(anasConfusion(file), "box 3, 7 mistakes, 3 sessions");
    // A new day is read on from the kept days.
    {
        RecordStore store(file);
        playDay(store, 3, false);
    }
    EXPECT_EQ(anasConfusion(file), "box 3, 7 mistakes, 4 sessions");
    // A row written since into a game before the last day: the kept days
    // no longer stand, and every row is read again.
    EXPECT_EQ(runSql(file, {"INSERT INTO event (game, turn, at_ms, colour, what, position, "
                            "spin_value, card, card_value, card_form, mistake) SELECT game, "
                            "turn, at_ms + 5, colour, 'wrong', position, spin_value, 42, 0.7, "
                            "'tile', 'unshaded-part' FROM event WHERE game = 2 AND what = 'spin'"}),
              "");
    EXPECT_EQ(anasConfusion(file), "box 3, 2 mistakes, 4 sessions");
    EXPECT_EQ(anasConfusion(file, true), "box 3, 2 mistakes, 4 sessions");
    // So too a game of hers set into the days before (one brought in from
    // another computer): her mistake on day 2 holds the confusion back.
    {
        RecordStore store(file);
        playDay(store, 2, true);
    }
    EXPECT_EQ(anasConfusion(file), "box 2, 3 mistakes, 4 sessions");
    EXPECT_EQ(anasConfusion(file, true), "box 2, 3 mistakes, 4 sessions");
    // And a game taken out of them.
    EXPECT_EQ(runSql(file, {"DELETE FROM event WHERE game = 5", "DELETE FROM seat WHERE game = 5",
                            "DELETE FROM tally WHERE game = 5", "DELETE FROM game WHERE id = 5"}),
              "");
    EXPECT_EQ(anasConfusion(file), "box 3, 2 mistakes, 4 sessions");
}

TEST(PracticeRecord, AValueRecordedAHairOffItsLiteralIsReadOnFromTheKeptDaysToo) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/record.sqlite";
    // Every 0.3 of the record written as arithmetic gives it, 0.1 + 0.2.
    const QStringList offLiteral{"UPDATE event SET spin_value = 0.1 + 0.2 WHERE spin_value = 0.3"};
    {
        RecordStore store(file);
        playDay(store, 0, true);
        playDay(store, 1, false);
    }
    ASSERT_EQ(runSql(file, offLiteral), "");
    EXPECT_EQ(anasConfusion(file), "box 2, 1 mistakes, 2 sessions");
    {
        RecordStore store(file);
        playDay(store, 2, false);
    }
    ASSERT_EQ(runSql(file, offLiteral), "");
    EXPECT_EQ(anasConfusion(file), "box 3, 1 mistakes, 3 sessions");
    EXPECT_EQ(anasConfusion(file, true), "box 3, 1 mistakes, 3 sessions");
}

}  // namespace
}  // namespace zandoli::testing
