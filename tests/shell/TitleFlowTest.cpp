#include <QFile>
#include <QSignalSpy>

#include "Backdrop.h"
#include "ButtonLabel.h"
#include "OnePlayerTable.h"
#include "PictureBox.h"
#include "Platform.h"
#include "SaveFile.h"
#include "SetupScreen.h"
#include "ShellFixture.h"
#include "TableScreen.h"
#include "TitleScreen.h"

namespace zandoli {
namespace {

using TitleFlow = ShellTest;

// A game just dealt, the last colour to play: a save the reader accepts.
GameState savedgame(int16_t players, int16_t sound) {
    GameState saved;
    saved.numplayers = players;
    saved.playsound = sound;
    saved.colour = static_cast<int16_t>(players - 1);
    int16_t card = 0;
    for (auto& row : saved.hand) {
        row.fill(NO_CARD);
    }
    for (auto& row : saved.turnhand) {
        row.fill(NO_CARD);
    }
    for (int p = 0; p < players; ++p) {
        saved.handsize[p] = DEALT_CARDS;
        for (int s = 0; s < DEALT_CARDS; ++s) {
            saved.hand[p][s] = card;
            saved.turnhand[p][s] = card++;
        }
    }
    saved.packpos = card;
    saved.topcard = card;
    return saved;
}

TEST_F(TitleFlow, LoadsCentredWithItsControlsAndTurnsSoundOn) {
    state().playsound = 0;
    screens->Titlefrm().show();
    QWidget* title = screens->Titlefrm().window();
    EXPECT_EQ(title->size(), QSize(372, 438));
    EXPECT_EQ(title->windowTitle(), QStringLiteral(" "));
    EXPECT_EQ(state().playsound, 1);
    EXPECT_EQ(control<ButtonLabel>(screens->Titlefrm(), "Label5")->text(), "OK");
    EXPECT_EQ(control<ButtonLabel>(screens->Titlefrm(), "Label6")->text(), "Restart Previous Game");
    EXPECT_EQ(control<ButtonLabel>(screens->Titlefrm(), "Label7")->text(), "Exit");
    auto* picture = control<PictureBox>(screens->Titlefrm(), "Picture1");
    EXPECT_EQ(picture->pixmap().size(), QSize(320, 240));
    // Picture1 at (360, 1320) twips in the client area.
    EXPECT_EQ(picture->mapTo(title, QPoint(0, 0)), QPoint(24, 88));
    const QSize display = displaytwips();
    EXPECT_EQ(title->pos(),
              QPoint((display.width() / 15 - 372) / 2, (display.height() / 15 - 438) / 2));
}

TEST_F(TitleFlow, OkShowsBackdropAndSetUpThenClicks) {
    screens->Titlefrm().show();
    state().restoring = 1;
    click(control<ButtonLabel>(screens->Titlefrm(), "Label5"));
    EXPECT_EQ(state().restoring, 0);
    EXPECT_EQ(screens->hidedesktop, 1);
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_TRUE(screens->Startplay2().isloaded());
    EXPECT_TRUE(screens->Startplay2().window()->isVisible());
    EXPECT_FALSE(screens->Titlefrm().isloaded());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));
}

TEST_F(TitleFlow, ExitEndsTheProgramSilentlyWithoutSaving) {
    QSignalSpy ended(screens.get(), &ScreenRegistry::programended);
    screens->Titlefrm().show();
    click(control<ButtonLabel>(screens->Titlefrm(), "Label7"));
    EXPECT_EQ(ended.count(), 1);
    EXPECT_FALSE(screens->Titlefrm().isloaded());
    EXPECT_TRUE(sounds.started.isEmpty());
    EXPECT_FALSE(QFile::exists(folder.path() + "/lastgame.inf"));
}

TEST_F(TitleFlow, RestartWithoutASavedGameDoesNothing) {
    screens->Titlefrm().show();
    state().playsound = 1;
    click(control<ButtonLabel>(screens->Titlefrm(), "Label6"));
    EXPECT_TRUE(screens->Titlefrm().isloaded());
    EXPECT_FALSE(screens->Grey().isloaded());
    EXPECT_EQ(state().restoring, 0);
    EXPECT_EQ(screens->hidedesktop, 0);
    EXPECT_TRUE(sounds.started.isEmpty());
}

TEST_F(TitleFlow, RestartOpensTheMatchingTableAndClicksByTheSavedSound) {
    ASSERT_TRUE(savegame::writesave(savedgame(3, 0), "lastgame.inf"));
    screens->Titlefrm().show();
    click(control<ButtonLabel>(screens->Titlefrm(), "Label6"));
    EXPECT_TRUE(screens->tirra1().isloaded());
    EXPECT_FALSE(screens->zandoli1player().isloaded());
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_FALSE(screens->Titlefrm().isloaded());
    EXPECT_EQ(state().numplayers, 3);
    EXPECT_EQ(state().restoring, 0);
    EXPECT_EQ(screens->hidedesktop, 1);
    EXPECT_FALSE(sounds.started.contains("wav/click.wav"));

    // A one-player game comes back at the one-player table, with its click.
    screens->leavetable(screens->tirra1(), false);
    ASSERT_TRUE(savegame::writesave(savedgame(1, 1), "lastgame.inf"));
    sounds.started.clear();
    click(control<ButtonLabel>(screens->Titlefrm(), "Label6"));
    EXPECT_TRUE(screens->zandoli1player().isloaded());
    EXPECT_FALSE(screens->tirra1().isloaded());
    ASSERT_FALSE(sounds.started.isEmpty());
    EXPECT_EQ(sounds.started.last(), "wav/click.wav");
}

TEST_F(TitleFlow, LeavingATableSavesAndBringsBackTheTitleReadingCancel) {
    state() = savedgame(2, 0);
    screens->tirra1().show();
    sounds.started.clear();

    screens->leavetable(screens->tirra1(), true);
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_TRUE(screens->Titlefrm().window()->isVisible());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "Cancel");
    // The title's load turned sound back on, so the click is heard.
    EXPECT_EQ(state().playsound, 1);
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));
    GameState read;
    ASSERT_TRUE(savegame::readsave("lastgame.inf", read));
    EXPECT_EQ(read.numplayers, 2);

    // "Cancel" does what "OK" does, and the set-up Exit brings back "OK".
    click(control<ButtonLabel>(screens->Titlefrm(), "Label5"));
    ASSERT_TRUE(screens->Startplay2().isloaded());
    state().playsound = 0;
    click(control<ButtonLabel>(screens->Startplay2(), "Label3(0)"));
    EXPECT_FALSE(screens->Startplay2().isloaded());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "OK");
    EXPECT_EQ(state().playsound, 1);
    EXPECT_TRUE(screens->Grey().isloaded());
}

TEST_F(TitleFlow, LeavingAWonGameKeepsThePreviousSave) {
    ASSERT_TRUE(savegame::writesave(savedgame(4, 1), "lastgame.inf"));
    state() = savedgame(2, 1);
    screens->tirra1().show();
    screens->leavetable(screens->tirra1(), false);
    GameState read;
    ASSERT_TRUE(savegame::readsave("lastgame.inf", read));
    EXPECT_EQ(read.numplayers, 4);
}

}  // namespace
}  // namespace zandoli
