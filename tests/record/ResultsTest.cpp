// The record read back for the results screen: each player's cards by form,
// the mistakes grouped with their first example, the way from game to game,
// and forgetting.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <sstream>

#include "record/ResultsReader.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

// A player's results on one line: name, spins, then per form (whole,
// decimal, percent, fraction, tile) matched/wrong/missed, then each mistake
// as key x times @ position card.
std::string line(const PlayerResults& player) {
    std::ostringstream out;
    out << (player.name.empty() ? "-" : player.name) << " spins " << player.spins << " |";
    for (const FormCounts& form : player.forms) {
        out << ' ' << form.matched << '/' << form.wrong << '/' << form.missed;
    }
    out << " |";
    for (const MistakeExample& m : player.mistakes) {
        out << ' ' << mistakeName(m.rule).key << " x" << m.times << " @" << m.position << " card "
            << m.card << ';';
    }
    return out.str();
}

class Results : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString file() const { return dir_.path() + "/record.sqlite"; }
    QTemporaryDir dir_;
};

TEST_F(Results, APlayedGameReadsByPlayerFormAndNamedMistake) {
    {
        RecordStore store(file());
        plantGame(store);
    }
    ResultsReader reader(file());
    const auto game = reader.latest();
    ASSERT_TRUE(game);
    EXPECT_EQ(game->startedMs, PLANTED_START_MS);
    EXPECT_EQ(game->lengthMs, 750000);
    EXPECT_TRUE(game->won);
    EXPECT_EQ(game->winner, 0);
    EXPECT_EQ(game->spins, 7);
    ASSERT_EQ(game->players.size(), 2u);
    EXPECT_EQ(line(game->players[0]),
              "- spins 4 | 0/0/0 1/2/0 1/0/0 0/1/0 1/0/1 | unshaded-part x2 @12 card 8; "
              "fraction-digits x1 @11 card 25; missed x1 @11 card 39;");
    EXPECT_EQ(line(game->players[1]),
              "Ana spins 3 | 1/0/0 0/1/0 0/0/1 1/0/0 1/0/0 | missed x1 @6 card 17; "
              "tenth-away x1 @8 card 7;");
}

TEST_F(Results, MissesOfOneValueAndFormAreOneLineAndAGameWithoutEndRunsToItsLastRow) {
    {
        RecordStore store(file());
        store.gameStarted({.atMs = 1000, .players = 1, .onePlayer = true});
        for (int turn = 1; turn <= 3; ++turn) {
            store.recorded({.atMs = 1000 + turn * 20000,
                            .what = Happening::Miss,
                            .turn = turn,
                            .position = 2,
                            // the tile of 0.75 twice, then 0.75 as a decimal
                            .card = static_cast<int16_t>(turn < 3 ? 47 : 12),
                            .mistake = MistakeRule::Missed});
        }
    }
    ResultsReader reader(file());
    const auto game = reader.latest();
    ASSERT_TRUE(game);
    EXPECT_FALSE(game->won);
    EXPECT_TRUE(game->onePlayer);
    EXPECT_EQ(game->lengthMs, 60000);
    ASSERT_EQ(game->players.size(), 1u);
    EXPECT_EQ(line(game->players[0]),
              "- spins 0 | 0/0/0 0/0/1 0/0/0 0/0/0 0/0/2 | missed x2 @2 card 47; "
              "missed x1 @2 card 12;");
}

TEST_F(Results, GamesFollowInTheOrderPlayedPassingThoseWithNothingSpun) {
    {
        RecordStore store(file());
        plantGame(store, 1000);
        store.gameStarted({.atMs = 2000, .players = 3});  // dealt and left at once
        store.gameEnded({.atMs = 2500});
        plantGame(store, 3000);
    }
    ResultsReader reader(file());
    const auto last = reader.latest();
    ASSERT_TRUE(last);
    EXPECT_EQ(last->startedMs, 3000);
    const auto first = reader.before(last->id);
    ASSERT_TRUE(first);
    EXPECT_EQ(first->startedMs, 1000);
    EXPECT_FALSE(reader.before(first->id));
    ASSERT_TRUE(reader.after(first->id));
    EXPECT_EQ(reader.after(first->id)->startedMs, 3000);
    EXPECT_FALSE(reader.after(last->id));
}

TEST_F(Results, NoRecordReadsAsNoGameAndMakesNoFile) {
    ResultsReader reader(file());
    EXPECT_FALSE(reader.latest());
    EXPECT_TRUE(reader.forgetAll());
    EXPECT_FALSE(QFile::exists(file()));
}

TEST_F(Results, ForgettingEmptiesTheRecordAndLeavesNoNameOnTheDisk) {
    {
        RecordStore store(file());
        plantGame(store);
        ResultsReader reader(file());
        // Forgotten while the table's own connection is still open.
        ASSERT_TRUE(reader.forgetAll());
        EXPECT_FALSE(reader.latest());
        // The table records on into the emptied record.
        plantGame(store, 5000);
        ASSERT_TRUE(reader.latest());
        EXPECT_EQ(reader.latest()->startedMs, 5000);
        ASSERT_TRUE(reader.forgetAll());
    }
    EXPECT_EQ(readRows(file(),
                       "SELECT (SELECT COUNT(*) FROM game) + (SELECT COUNT(*) FROM seat) "
                       "+ (SELECT COUNT(*) FROM event)"),
              std::vector<std::string>{"0"});
    for (const QString& part : {file(), file() + "-wal"}) {
        QFile bytes(part);
        if (bytes.open(QIODevice::ReadOnly)) {
            EXPECT_FALSE(bytes.readAll().contains("Ana")) << part.toStdString();
        }
    }
}

}  // namespace
}  // namespace zandoli::testing
