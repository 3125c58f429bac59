// A practice game started from the results screen and from the command
// line, on a record where Ana took the 0.7 tile for 0.3 and Bo made no
// mistake.
#include <gtest/gtest.h>

#include "record/RecordStore.h"
#include "results/ResultsScreen.h"
#include "screens/CommandLine.h"
#include "screens/ScreenRegistry.h"
#include "table/TableScreen.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/RecordFile.h"

namespace zandoli {
namespace {

class PracticeStart : public ::testing::Test {
protected:
    PracticeStart() {
        RecordStore store;
        store.gameStarted({.atMs = 1000, .players = 2, .names = {"Ana", "Bo"}});
        store.recorded({.atMs = 1001, .turn = 1, .position = 12, .hand = {4, 42}});
        store.recorded({.atMs = 1002,
                        .what = Happening::Wrong,
                        .turn = 1,
                        .position = 12,
                        .card = 42,
                        .mistake = MistakeRule::UnshadedPart});
        store.recorded({.atMs = 1003, .colour = 1, .turn = 2, .position = 12, .hand = {4}});
        store.recorded({.atMs = 1004,
                        .what = Happening::Match,
                        .colour = 1,
                        .turn = 2,
                        .position = 12,
                        .card = 4});
    }

    testing::DataHome home_;
    WorkingFolder folder_;
};

TEST_F(PracticeStart, ThePupilsPanelDealsAPracticeGameOfWhatSheConfuses) {
    ScreenRegistry screens;
    screens.results().showLatest();
    QWidget* window = screens.results().window();
    auto* anaPractice = window->findChild<QWidget*>("practiceButton0");
    auto* boPractice = window->findChild<QWidget*>("practiceButton1");
    ASSERT_TRUE(anaPractice && boPractice);
    EXPECT_TRUE(anaPractice->isVisibleTo(window));
    EXPECT_TRUE(boPractice->isVisibleTo(window));
    EXPECT_FALSE(window->findChild<QWidget*>("practiceButton2")->isVisibleTo(window));
    auto* anaConfuses = window->findChild<ClickLabel*>("confusions0");
    EXPECT_EQ(anaConfuses->text(), "0.7 (tile) for 0.3: new");
    EXPECT_FALSE(window->findChild<QWidget*>("confusions1")->isVisibleTo(window));

    screens.results().practicePressed(0);
    TableScreen& table = screens.onePlayerTable();
    ASSERT_TRUE(table.isLoaded());
    EXPECT_FALSE(screens.results().isLoaded());
    EXPECT_EQ(screens.state().numPlayers, 1);
    EXPECT_TRUE(table.settings().practice);
    EXPECT_EQ(table.settings().pupil, "Ana");
    // 0.3 on every other shape, the 0.7 tile dealt beside a 0.3.
    EXPECT_EQ(table.settings().deck.spinner[0], 0.3);
    EXPECT_EQ(table.settings().deck.spinner[3], 0.3);
    EXPECT_EQ(table.settings().deck.firstHand[1], 42);
}

TEST_F(PracticeStart, APupilWithNothingToPractisePlaysTheLessonsGame) {
    ScreenRegistry screens;
    screens.results().showLatest();
    screens.results().practicePressed(1);
    const TableScreen& table = screens.onePlayerTable();
    ASSERT_TRUE(table.isLoaded());
    EXPECT_FALSE(table.settings().practice);
    EXPECT_EQ(table.settings().pupil, "Bo");
    EXPECT_EQ(table.settings().deck, standardDeck());
}

TEST(PracticeCommandLine, NamesThePupil) {
    const auto read = commandLine::read({"zandoli", "--practice", "Ana"});
    ASSERT_TRUE(read.request);
    EXPECT_EQ(read.request->practice, "Ana");
    EXPECT_FALSE(read.request->runsWithoutWindow());
    EXPECT_FALSE(commandLine::read({"zandoli", "--practice"}).request);
    EXPECT_EQ(commandLine::read({"zandoli", "--practice", " "}).error,
              "--practice needs the name of a pupil");
    EXPECT_TRUE(commandLine::usage().contains("--practice NAME"));
}

}  // namespace
}  // namespace zandoli
