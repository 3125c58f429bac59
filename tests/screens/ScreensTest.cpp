// The way through the screens: title, set-up, rules, a table and back, with
// the clicks heard, the saves written and the windows read back.
#include <QDesktopServices>
#include <QFile>
#include <QSignalSpy>
#include <QUrl>

#include "platform/ClickLabel.h"
#include "platform/Platform.h"
#include "savegame/SaveFile.h"
#include "tests/screens/ScreensFixture.h"

namespace zandoli {
namespace {

int16_t savedPlayers() {
    GameState read;
    return savegame::readSave("lastgame.inf", read) ? read.numPlayers : -1;
}

TEST_F(Screens, TitleLoadsCentredWithSoundOnAndOkShowsBackdropAndSetUp) {
    state().playSound = 0;
    screens->title().show();
    EXPECT_EQ(state().playSound, 1);
    // 372 x 438 pixels, centred on the 1280 x 1024 display.
    EXPECT_EQ(screens->title().window()->geometry(), QRect(454, 293, 372, 438));
    state().restoring = 1;
    click(screens->title(), "okButton");
    EXPECT_EQ(state().restoring, 0);
    EXPECT_EQ(screens->hideDesktop, 1);
    EXPECT_TRUE(screens->setup().window()->isVisible());
    EXPECT_EQ(seen(), "backdrop setup | wav/click.wav");
}

TEST_F(Screens, TitleExitEndsTheProgramSilentlyWithoutSaving) {
    QSignalSpy ended(screens.get(), &ScreenRegistry::programEnded);
    screens->title().show();
    click(screens->title(), "exitButton");
    EXPECT_EQ(ended.count(), 1);
    EXPECT_EQ(seen(), "|");
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
}

TEST_F(Screens, RestartDoesNothingWithoutASaveAndOpensTheMatchingTableWithOne) {
    screens->title().show();
    click(screens->title(), "restartButton");
    EXPECT_EQ(seen(), "title |");
    ASSERT_TRUE(savegame::writeSave(dealtGame(3, 0), "lastgame.inf"));
    click(screens->title(), "restartButton");
    EXPECT_EQ(state().numPlayers, 3);
    EXPECT_EQ(seen(), "backdrop table |");         // the saved game had sound off
    screens->leaveTable(screens->table(), false);  // as a won game leaves
    EXPECT_EQ(savedPlayers(), 3);
    ASSERT_TRUE(savegame::writeSave(dealtGame(1, 1), "lastgame.inf"));
    seen();
    click(screens->title(), "restartButton");
    EXPECT_EQ(seen(), "backdrop one | wav/click.wav");
}

TEST_F(Screens, TableExitSavesAndTheTitleReadsCancelUntilTheSetUpExit) {
    restore(screens->table(), dealtGame(2, 0));
    click(screens->table(), "exitButton");
    EXPECT_TRUE(screens->title().window()->isVisible());
    EXPECT_EQ(screens->title().startCaption(), "Cancel");
    EXPECT_EQ(seen(), "title | wav/click.wav");  // the title turned sound on
    EXPECT_EQ(savedPlayers(), 2);
    // "Cancel" does what "OK" does, and the set-up Exit brings back "OK".
    click(screens->title(), "okButton");
    ASSERT_TRUE(screens->setup().isLoaded());
    state().playSound = 0;
    click(screens->setup(), "exitButton");
    EXPECT_FALSE(screens->setup().isLoaded());
    EXPECT_EQ(screens->title().startCaption(), "OK");
    EXPECT_EQ(state().playSound, 1);
}

TEST_F(Screens, ClosingATableWindowOrTheSessionSavesAsExitButNotWhileDealing) {
    restore(screens->table(), dealtGame(2, 0));
    EXPECT_TRUE(screens->saveRunningGame());  // the session ends: the table stays open
    EXPECT_TRUE(screens->table().isLoaded());
    QFile::remove("lastgame.inf");
    screens->table().window()->close();
    EXPECT_FALSE(screens->table().isLoaded());
    EXPECT_EQ(screens->title().startCaption(), "Cancel");
    GameState read;
    ASSERT_TRUE(savegame::readSave("lastgame.inf", read));
    EXPECT_EQ(read.colour * 100 + read.hand[1][6], 113);  // Yellow to play, holding card 13
    QFile::remove("lastgame.inf");
    EXPECT_FALSE(screens->saveRunningGame());  // nothing left open to save
    state().numPlayers = 3;
    screens->table().show();  // a new game: the hands wait for the deal delay
    ASSERT_TRUE(screens->table().referee().dealing());
    EXPECT_FALSE(screens->saveRunningGame());
    screens->table().window()->close();
    EXPECT_FALSE(QFile::exists("lastgame.inf"));
}

TEST_F(Screens, SetUpHideDesktopTakesTheBackdropAwayAndBringsItBack) {
    screens->title().show();
    click(screens->title(), "okButton");
    // The tests run on displays 1280 and 800 pixels wide.
    const bool offered = control(screens->setup(), "hideDesktopBox")->isVisible();
    ASSERT_EQ(offered, displayTwips().width() > 12000);
    if (!offered) {
        GTEST_SKIP() << "the box is hidden on this display";
    }
    seen();
    click(screens->setup(), "hideDesktopBox");
    EXPECT_EQ(screens->hideDesktop, 0);
    EXPECT_EQ(seen(), "setup | wav/click1.wav");
    QSignalSpy setupShown(&screens->setup(), &Screen::shown);
    click(screens->setup(), "hideDesktopBox");
    EXPECT_EQ(screens->hideDesktop, 1);
    EXPECT_EQ(seen(), "backdrop setup | wav/click1.wav");
    EXPECT_EQ(setupShown.count(), 1);  // again, on top of the backdrop
}

TEST_F(Screens, SetUpRulesLieOnTopAndCloseByTheirExitOrAPlayerCount) {
    for (const auto& [button, players, soundOff, opened] :
         {std::tuple{"playersButton1", 1, true, "backdrop one |"},
          {"playersButton2", 2, false, "backdrop table | wav/shuffle4.wav"},
          {"playersButton4", 4, true, "backdrop table |"}}) {
        screens->title().show();
        click(screens->title(), "okButton");
        QSignalSpy rulesShown(&screens->rules(), &Screen::shown);
        click(screens->setup(), "rulesButton");
        EXPECT_EQ(rulesShown.count(), 1);
        EXPECT_TRUE(screens->rules().window()->isVisible());
        seen();
        click(screens->rules(), "exitButton");
        EXPECT_EQ(seen(), "backdrop setup | wav/click.wav");
        if (soundOff) {
            click(screens->setup(), "playSoundBox");
        }
        click(screens->setup(), "rulesButton");
        seen();
        click(screens->setup(), button);
        EXPECT_EQ(state().numPlayers * 10 + state().playSound, players * 10 + !soundOff) << button;
        EXPECT_EQ(seen(), opened);
        screens->leaveTable(
            players == 1 ? static_cast<Screen&>(screens->onePlayerTable()) : screens->table(),
            false);
    }
}

TEST_F(Screens, SetUpWithoutItsLogoSkipsTheRestAndFitsTheScreen) {
    QFile::remove("Images/logo2.jpg");
    screens->hideDesktop = 0;
    screens->setup().show();
    EXPECT_FALSE(control(screens->setup(), "hideDesktopBox")->isVisible());
    // The 1024 x 768 window centred on a 1280 x 1024 display, or from the top
    // left corner on an 800 x 600 one, where it cannot fit.
    const QPoint at = displayTwips().width() > 12000 ? QPoint(128, 128) : QPoint(-112, -84);
    EXPECT_EQ(screens->setup().window()->pos(), at);
}

TEST_F(Screens, RulesBodyTextsFitTheirLabelsAndExitLiesInTheWindow) {
    screens->rules().show();
    QWidget* rules = screens->rules().window();
    for (int index : {2, 3, 4, 5, 6, 8, 14}) {
        auto* body = rules->findChild<ClickLabel*>(QStringLiteral("rulesText%1").arg(index));
        ASSERT_NE(body, nullptr) << index;
        EXPECT_LE(body->heightForWidth(body->width()), body->height()) << index;
    }
    EXPECT_TRUE(rules->rect().contains(control(screens->rules(), "exitButton")->geometry()));
}

std::string fileUrl(const QString& path) {
    return QUrl::fromLocalFile(path).toString().toStdString();
}

// The addresses the desktop was asked to open.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    explicit OpenedUrls(const QString& scheme) : scheme_(scheme) {
        QDesktopServices::setUrlHandler(scheme_, this, "open");
    }
    ~OpenedUrls() override { QDesktopServices::unsetUrlHandler(scheme_); }

    std::vector<std::string> urls;

public slots:
    void open(const QUrl& url) { urls.push_back(url.toString().toStdString()); }

private:
    QString scheme_;
};

TEST_F(Screens, SetUpWithoutAWebAddressOpensTheAboutPageBesideTheGamesPictures) {
    if (!websiteAddress().isEmpty()) {
        GTEST_SKIP() << "this build names its web address";
    }
    OpenedUrls opened(QStringLiteral("file"));
    screens->setup().show();
    EXPECT_EQ(control<QLabel>(screens->setup(), "websiteButton")->text(), "About Zandoli?");
    click(screens->setup(), "websiteButton");
    click(screens->setup(), "playersHeading");
    // Run from the build folder, the pictures and the page are in the working folder.
    const QString here = QFileInfo(folder.path()).canonicalFilePath();
    EXPECT_EQ(opened.urls, std::vector<std::string>(2, fileUrl(here + "/about.html")));

    // Installed, the player's folder links to the installed pictures, and the
    // page is found beside them.
    QTemporaryDir installed;
    const QString data = QFileInfo(installed.path()).canonicalFilePath();
    ASSERT_TRUE(QDir(data).mkdir(QStringLiteral("Images")));
    ASSERT_TRUE(QDir(here + "/Images").removeRecursively());
    ASSERT_TRUE(QFile::link(data + "/Images", here + "/Images"));
    opened.urls.clear();
    click(screens->setup(), "websiteButton");
    EXPECT_EQ(opened.urls, std::vector<std::string>{fileUrl(data + "/about.html")});
}

}  // namespace
}  // namespace zandoli

#include "ScreensTest.moc"
