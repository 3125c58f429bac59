#include <QCheckBox>
#include <QSignalSpy>

#include <QFile>
#include "Backdrop.h"

#include "ButtonLabel.h"
#include "ClickLabel.h"
#include "OnePlayerTable.h"
#include "Platform.h"
#include "RulesScreen.h"
#include "SetupScreen.h"
#include "ShellFixture.h"
#include "TableScreen.h"
#include "TitleScreen.h"

namespace zandoli {
namespace {

// The set-up screen as the title's OK leaves it.
class SetupScreenTest : public ShellTest {
protected:
    void SetUp() override {
        screens->Titlefrm().show();
        click(control<ButtonLabel>(screens->Titlefrm(), "Label5"));
        sounds.started.clear();
    }
    SetupScreen& setup() { return screens->Startplay2(); }
};

TEST_F(SetupScreenTest, HideDesktopIsOfferedOnlyOnDisplaysWiderThan800Pixels) {
    EXPECT_FALSE(SetupScreen::offershidedesktop(QSize(12000, 9000)));
    EXPECT_TRUE(SetupScreen::offershidedesktop(QSize(12015, 9000)));
    // This run's display decides it (the tests run at 1280 and at 800 wide).
    auto* box = control<QCheckBox>(setup(), "Check3");
    EXPECT_EQ(box->isVisible(), displaytwips().width() > 12000);
    EXPECT_TRUE(box->isChecked());
    EXPECT_EQ(setup().window()->size(), QSize(372, 438));
}

TEST_F(SetupScreenTest, HideDesktopTakesTheBackdropAwayAndBringsItBack) {
    if (!SetupScreen::offershidedesktop(displaytwips())) {
        GTEST_SKIP() << "the box is hidden on this display";
    }
    auto* box = control<QCheckBox>(setup(), "Check3");
    QSignalSpy setupshown(&setup(), &Screen::shown);
    click(box);
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(screens->hidedesktop, 0);
    EXPECT_FALSE(screens->Grey().isloaded());
    EXPECT_EQ(setupshown.count(), 1);

    QSignalSpy greyshown(&screens->Grey(), &Screen::shown);
    click(box);
    EXPECT_EQ(screens->hidedesktop, 1);
    EXPECT_TRUE(screens->Grey().isloaded());
    // The backdrop first, then the set-up screen again on top of it.
    EXPECT_EQ(greyshown.count(), 1);
    EXPECT_EQ(setupshown.count(), 2);
    EXPECT_EQ(sounds.started, QStringList({"wav/click1.wav", "wav/click1.wav"}));

    // Cleared again, then back to the title and OK: the backdrop is back.
    click(box);
    click(control<ButtonLabel>(setup(), "Label3(0)"));
    click(control<ButtonLabel>(screens->Titlefrm(), "Label5"));
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_TRUE(control<QCheckBox>(setup(), "Check3")->isChecked());
}

TEST_F(SetupScreenTest, PlaySoundOnlyClicksAndIsReadWhenTheGameStarts) {
    auto* box = control<QCheckBox>(setup(), "Check1");
    EXPECT_TRUE(box->isChecked());
    click(box);
    click(box);
    click(box);
    EXPECT_EQ(sounds.started, QStringList({"wav/click1.wav", "wav/click1.wav", "wav/click1.wav"}));
    EXPECT_EQ(state().playsound, 1);
    EXPECT_FALSE(box->isChecked());

    click(control<ButtonLabel>(setup(), "Label1(0)"));
    EXPECT_EQ(state().numplayers, 1);
    EXPECT_EQ(state().playsound, 0);
    EXPECT_FALSE(setup().isloaded());
    EXPECT_TRUE(screens->zandoli1player().isloaded());
    EXPECT_FALSE(screens->tirra1().isloaded());
}

TEST_F(SetupScreenTest, FourPlayersOpenTheMultiPlayerTableAndCloseTheRules) {
    click(control<ButtonLabel>(setup(), "Label6"));
    ASSERT_TRUE(screens->Tirrarules().isloaded());
    click(control<ButtonLabel>(setup(), "Label1(3)"));
    EXPECT_EQ(state().numplayers, 4);
    EXPECT_EQ(state().playsound, 1);
    EXPECT_FALSE(screens->Tirrarules().isloaded());
    EXPECT_FALSE(setup().isloaded());
    EXPECT_TRUE(screens->Grey().isloaded());
    EXPECT_TRUE(screens->tirra1().isloaded());
}

TEST_F(SetupScreenTest, TheRulesLieOnTopAndCloseAgain) {
    QSignalSpy rulesshown(&screens->Tirrarules(), &Screen::shown);
    click(control<ButtonLabel>(setup(), "Label6"));
    EXPECT_EQ(rulesshown.count(), 1);
    QWidget* rules = screens->Tirrarules().window();
    EXPECT_TRUE(rules->isVisible());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav"}));

    click(control<ButtonLabel>(screens->Tirrarules(), "Label3(0)"));
    EXPECT_FALSE(screens->Tirrarules().isloaded());
    EXPECT_TRUE(setup().isloaded());
    EXPECT_EQ(sounds.started, QStringList({"wav/click.wav", "wav/click.wav"}));
}

TEST_F(SetupScreenTest, HeadingAndWebLabelBothOpenTheWebSiteSilently) {
    click(control<ClickLabel>(setup(), "Label2(0)"));
    click(control<ButtonLabel>(setup(), "Label2(12)"));
    ASSERT_EQ(urls.opened.size(), 2);
    EXPECT_EQ(urls.opened[0], QUrl(websiteaddress()));
    EXPECT_EQ(urls.opened[1], QUrl(websiteaddress()));
    EXPECT_TRUE(sounds.started.isEmpty());
}

TEST_F(SetupScreenTest, ClosedFromItsTitleBarItCountsAsUnloaded) {
    setup().window()->close();
    EXPECT_FALSE(setup().isloaded());
    // The next show builds it afresh, Play Sound ticked again.
    EXPECT_TRUE(control<QCheckBox>(setup(), "Check1")->isChecked());
}

using SetupFailure = ShellTest;

TEST_F(SetupFailure, AMissingLogoSkipsTheRestAndFitsTheScreen) {
    QFile::remove(folder.path() + "/Images/logo2.jpg");
    screens->hidedesktop = 0;
    screens->Startplay2().show();
    QWidget* setup = screens->Startplay2().window();
    EXPECT_EQ(setup->size(), QSize(1024, 768));
    auto* box = control<QCheckBox>(screens->Startplay2(), "Check3");
    EXPECT_FALSE(box->isVisible());
    EXPECT_TRUE(box->isChecked());
    const QPoint at = fitposition(displaytwips(), QSize(15360, 11520));
    EXPECT_EQ(setup->pos(), QPoint(at.x() / 15, at.y() / 15));
}

}  // namespace
}  // namespace zandoli
