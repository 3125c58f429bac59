// Every way out of a table keeps a running game as Exit does.
#include <QFile>

#include "OnePlayerTable.h"
#include "SaveFile.h"
#include "ShellFixture.h"
#include "TableScreen.h"
#include "TitleScreen.h"

namespace zandoli {
namespace {

using LeavingTable = ShellTest;

// A dealt game of two players, Yellow to play, as the table restores it.
void restoregame(GameState& state) {
    state.numplayers = 2;
    state.playsound = 0;
    for (auto* rows : {&state.hand, &state.turnhand}) {
        for (auto& row : *rows) {
            row.fill(NO_CARD);
        }
    }
    for (int p = 0; p < 2; ++p) {
        state.handsize[p] = DEALT_CARDS;
        for (int s = 0; s < DEALT_CARDS; ++s) {
            state.hand[p][s] = static_cast<int16_t>(p * DEALT_CARDS + s);
            state.turnhand[p][s] = state.hand[p][s];
        }
    }
    state.colour = 1;
    state.packpos = state.topcard = 2 * DEALT_CARDS;
    state.restoring = 1;
}

TEST_F(LeavingTable, ClosingTheWindowSavesARunningGameAndBringsBackTheTitle) {
    restoregame(state());
    screens->tirra1().show();
    state().restoring = 0;
    ASSERT_TRUE(screens->tirra1().gamerunning());

    screens->tirra1().window()->close();
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_TRUE(screens->Titlefrm().window()->isVisible());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "Cancel");
    GameState read;
    ASSERT_TRUE(savegame::readsave("lastgame.inf", read));
    EXPECT_EQ(read.numplayers, 2);
    EXPECT_EQ(read.colour, 1);
    EXPECT_EQ(read.hand[1][6], 13);
    // Nothing is left open to save.
    QFile::remove("lastgame.inf");
    EXPECT_FALSE(screens->saverunninggame());
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
}

TEST_F(LeavingTable, AGameStillBeingDealtIsNotSavedWhateverTheWayOut) {
    state().numplayers = 3;
    screens->tirra1().show();  // a new game: the hands wait for the deal delay
    ASSERT_TRUE(screens->tirra1().referee().dealing());
    EXPECT_FALSE(screens->saverunninggame());
    screens->tirra1().window()->close();
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "Cancel");
}

TEST_F(LeavingTable, TheSessionEndingOrAStopSignalSavesTheOpenTable) {
    restoregame(state());
    state().numplayers = 1;
    state().colour = 0;
    screens->zandoli1player().show();
    state().restoring = 0;
    EXPECT_TRUE(screens->saverunninggame());
    GameState read;
    ASSERT_TRUE(savegame::readsave("lastgame.inf", read));
    EXPECT_EQ(read.numplayers, 1);
    // The table stays open: saving for the session closes nothing.
    EXPECT_TRUE(screens->zandoli1player().isloaded());
}

}  // namespace
}  // namespace zandoli
