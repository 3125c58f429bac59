// The way through the screens: title, set-up, rules, a table and back, with
// the clicks heard, the saves written and the windows read back.
#include <QCheckBox>
#include <QFile>
#include <QSignalSpy>

#include "Backdrop.h"
#include "ClickLabel.h"
#include "OnePlayerTable.h"
#include "Platform.h"
#include "RulesScreen.h"
#include "SaveFile.h"
#include "SetupScreen.h"
#include "ShellFixture.h"
#include "TableScreen.h"
#include "TitleScreen.h"

namespace zandoli {
namespace {

using Screens = ShellTest;

int16_t savedplayers() {
    GameState read;
    return savegame::readsave("lastgame.inf", read) ? read.numplayers : -1;
}

TEST_F(Screens, TitleLoadsCentredWithSoundOnAndOkShowsBackdropAndSetUp) {
    state().playsound = 0;
    screens->Titlefrm().show();
    QWidget* title = screens->Titlefrm().window();
    EXPECT_EQ(title->size(), QSize(372, 438));
    EXPECT_EQ(state().playsound, 1);
    EXPECT_EQ(control(screens->Titlefrm(), "Picture1")->mapTo(title, QPoint()), QPoint(24, 88));
    const QSize display = displaytwips();
    EXPECT_EQ(title->pos(),
              QPoint((display.width() / 15 - 372) / 2, (display.height() / 15 - 438) / 2));

    state().restoring = 1;
    click(screens->Titlefrm(), "Label5");
    EXPECT_EQ(state().restoring, 0);
    EXPECT_EQ(screens->hidedesktop, 1);
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_TRUE(screens->Startplay2().window()->isVisible());
    EXPECT_FALSE(screens->Titlefrm().isloaded());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));
}

TEST_F(Screens, TitleExitEndsTheProgramSilentlyWithoutSaving) {
    QSignalSpy ended(screens.get(), &ScreenRegistry::programended);
    screens->Titlefrm().show();
    click(screens->Titlefrm(), "Label7");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_TRUE(sounds.started.isEmpty());
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
}

TEST_F(Screens, RestartDoesNothingWithoutASaveAndOpensTheMatchingTableWithOne) {
    screens->Titlefrm().show();
    click(screens->Titlefrm(), "Label6");
    EXPECT_TRUE(screens->Titlefrm().isloaded());
    EXPECT_FALSE(screens->Grey().isloaded());
    EXPECT_TRUE(sounds.started.isEmpty());

    ASSERT_TRUE(savegame::writesave(dealtgame(3, 0), "lastgame.inf"));
    click(screens->Titlefrm(), "Label6");
    EXPECT_TRUE(screens->tirra1().isloaded());
    EXPECT_FALSE(screens->zandoli1player().isloaded());
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_EQ(state().numplayers, 3);
    EXPECT_TRUE(sounds.started.isEmpty());  // the saved game had sound off

    screens->leavetable(screens->tirra1(), false);  // as a won game leaves
    EXPECT_EQ(savedplayers(), 3);
    ASSERT_TRUE(savegame::writesave(dealtgame(1, 1), "lastgame.inf"));
    sounds.started.clear();
    click(screens->Titlefrm(), "Label6");
    EXPECT_TRUE(screens->zandoli1player().isloaded());
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));
}

TEST_F(Screens, TableExitSavesAndTheTitleReadsCancelUntilTheSetUpExit) {
    restore(screens->tirra1(), dealtgame(2, 0));
    click(screens->tirra1(), "Label3_0");
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_TRUE(screens->Titlefrm().window()->isVisible());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "Cancel");
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));  // the title turned sound on
    EXPECT_EQ(savedplayers(), 2);

    // "Cancel" does what "OK" does, and the set-up Exit brings back "OK".
    click(screens->Titlefrm(), "Label5");
    ASSERT_TRUE(screens->Startplay2().isloaded());
    state().playsound = 0;
    click(screens->Startplay2(), "Label3(0)");
    EXPECT_FALSE(screens->Startplay2().isloaded());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "OK");
    EXPECT_EQ(state().playsound, 1);
}

TEST_F(Screens, ClosingATableWindowOrTheSessionSavesAsExitButNotWhileDealing) {
    restore(screens->tirra1(), dealtgame(2, 0));
    EXPECT_TRUE(screens->saverunninggame());  // the session ends: the table stays open
    EXPECT_TRUE(screens->tirra1().isloaded());
    QFile::remove("lastgame.inf");
    screens->tirra1().window()->close();
    EXPECT_FALSE(screens->tirra1().isloaded());
    EXPECT_EQ(screens->Titlefrm().startcaption(), "Cancel");
    GameState read;
    ASSERT_TRUE(savegame::readsave("lastgame.inf", read));
    EXPECT_EQ(read.colour, 1);
    EXPECT_EQ(read.hand[1][6], 13);
    QFile::remove("lastgame.inf");
    EXPECT_FALSE(screens->saverunninggame());  // nothing left open to save

    state().numplayers = 3;
    screens->tirra1().show();  // a new game: the hands wait for the deal delay
    ASSERT_TRUE(screens->tirra1().referee().dealing());
    EXPECT_FALSE(screens->saverunninggame());
    screens->tirra1().window()->close();
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
}

TEST_F(Screens, SetUpHideDesktopTakesTheBackdropAwayAndBringsItBack) {
    screens->Titlefrm().show();
    click(screens->Titlefrm(), "Label5");
    auto* box = control<QCheckBox>(screens->Startplay2(), "Check3");
    // The tests run on displays 1280 and 800 pixels wide.
    ASSERT_EQ(box->isVisible(), displaytwips().width() > 12000);
    if (!box->isVisible()) {
        GTEST_SKIP() << "the box is hidden on this display";
    }
    click(screens->Startplay2(), "Check3");
    EXPECT_EQ(screens->hidedesktop, 0);
    EXPECT_FALSE(screens->Grey().isloaded());
    QSignalSpy setupshown(&screens->Startplay2(), &Screen::shown);
    click(screens->Startplay2(), "Check3");
    EXPECT_EQ(screens->hidedesktop, 1);
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_EQ(setupshown.count(), 1);  // again, on top of the backdrop
    EXPECT_EQ(sounds.started.mid(1), QStringList({"wav/click1.wav", "wav/click1.wav"}));
}

TEST_F(Screens, SetUpRulesLieOnTopAndCloseByTheirExitOrAPlayerCount) {
    const struct {
        const char* button;
        int16_t players;
        bool soundoff;
    } counts[] = {{"Label1(0)", 1, true}, {"Label1(1)", 2, false}, {"Label1(3)", 4, true}};
    for (const auto& c : counts) {
        screens->Titlefrm().show();
        click(screens->Titlefrm(), "Label5");
        QSignalSpy rulesshown(&screens->Tirrarules(), &Screen::shown);
        click(screens->Startplay2(), "Label6");
        EXPECT_EQ(rulesshown.count(), 1);
        EXPECT_TRUE(screens->Tirrarules().window()->isVisible());
        sounds.started.clear();
        click(screens->Tirrarules(), "Label3(0)");
        EXPECT_FALSE(screens->Tirrarules().isloaded());
        EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));
        if (c.soundoff) {
            click(screens->Startplay2(), "Check1");
        }
        click(screens->Startplay2(), "Label6");
        click(screens->Startplay2(), c.button);
        EXPECT_EQ(state().numplayers, c.players) << c.button;
        EXPECT_EQ(state().playsound, c.soundoff ? 0 : 1) << c.button;
        EXPECT_FALSE(screens->Tirrarules().isloaded()) << c.button;
        EXPECT_FALSE(screens->Startplay2().isloaded()) << c.button;
        EXPECT_EQ(screens->zandoli1player().isloaded(), c.players == 1) << c.button;
        EXPECT_EQ(screens->tirra1().isloaded(), c.players > 1) << c.button;
        screens->leavetable(
            c.players == 1 ? static_cast<Screen&>(screens->zandoli1player()) : screens->tirra1(),
            false);
    }
}

TEST_F(Screens, SetUpWithoutItsLogoSkipsTheRestAndFitsTheScreen) {
    QFile::remove("Images/logo2.jpg");
    screens->hidedesktop = 0;
    screens->Startplay2().show();
    QWidget* setup = screens->Startplay2().window();
    EXPECT_EQ(setup->size(), QSize(1024, 768));
    EXPECT_FALSE(control(screens->Startplay2(), "Check3")->isVisible());
    const QPoint at = fitposition(displaytwips(), QSize(15360, 11520));
    EXPECT_EQ(setup->pos(), QPoint(at.x() / 15, at.y() / 15));
}

TEST_F(Screens, RulesFitInTheirColourWithBodyTextsThatFitTheirLabels) {
    screens->Tirrarules().show();
    QWidget* rules = screens->Tirrarules().window();
    EXPECT_EQ(rules->size(), QSize(1024, 768));
    EXPECT_EQ(rules->palette().color(QPalette::Window), QColor(37, 60, 136));
    for (int index : {2, 3, 4, 5, 6, 8, 14}) {
        auto* body = rules->findChild<ClickLabel*>(QStringLiteral("Label1(%1)").arg(index));
        ASSERT_NE(body, nullptr) << index;
        EXPECT_EQ(body->font().pixelSize(), 24) << index;
        EXPECT_LE(body->heightForWidth(body->width()), body->height()) << index;
        EXPECT_EQ(body->textcolour(), QColor(255, 255, 0)) << index;
    }
    EXPECT_TRUE(rules->rect().contains(control(screens->Tirrarules(), "Label3(0)")->geometry()));
}

}  // namespace
}  // namespace zandoli
