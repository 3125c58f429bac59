// The results screen on a record holding the planted game: the way between
// games and forgetting (what it reads out is in screens.txt), names given at
// the set-up, and full screen over it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QTemporaryDir>
#include <QTest>

#include <QCheckBox>
#include <QLineEdit>

#include "platform/Platform.h"
#include "platform/Units.h"
#include "record/RecordStore.h"
#include "screens/NamesDialog.h"
#include "screens/ReportScreen.h"
#include "screens/ResultsScreen.h"
#include "screens/RulesScreen.h"
#include "screens/ScreenRegistry.h"
#include "screens/SetupScreen.h"
#include "table/TableScreen.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/record/PlantedGame.h"
#include "tests/record/RecordFile.h"

namespace zandoli::testing {
namespace {

// The screen with its confirmation answered by the test.
class AnsweredResults : public ResultsScreen {
public:
    using ResultsScreen::ResultsScreen;
    bool answer = false;
    int asked = 0;

protected:
    bool confirmForget() override {
        ++asked;
        return answer;
    }
};

struct ResultsScreenTest : ::testing::Test {
    ResultsScreenTest() { QFile::link(ZANDOLI_RUN_DIR "/Images", folder.path() + "/Images"); }
    // As a screen reader reads it: a label without a name of its own by its text.
    std::string read(const char* name) {
        QWidget* control = results.window()->findChild<QWidget*>(QString::fromLatin1(name));
        return !control->isVisibleTo(results.window())
                   ? "hidden"
                   : QAccessible::queryAccessibleInterface(control)
                         ->text(QAccessible::Name)
                         .toStdString();
    }
    std::string text(const char* name) {
        auto* label = results.window()->findChild<ClickLabel*>(QString::fromLatin1(name));
        return label == nullptr ? "none" : label->text().toStdString();
    }
    bool enabled(const char* name) {
        return results.window()->findChild<QWidget*>(QString::fromLatin1(name))->isEnabled();
    }

    DataHome home;
    WorkingFolder folder;
    ScreenRegistry screens;
    AnsweredResults results{screens};
};

TEST_F(ResultsScreenTest, TheGamesBeforeAndAfterAreOnePressAwayAndForgettingAsksFirst) {
    {
        RecordStore store;
        plantGame(store);
        store.gameStarted({.atMs = PLANTED_START_MS + 800000, .players = 1, .onePlayer = true});
        store.recorded({.atMs = PLANTED_START_MS + 801000, .position = 6});
    }
    results.showLatest();
    EXPECT_EQ(text("gameLine"),
              "Tuesday 8 December 2026, 09:43 · under a minute · 1 spin · "
              "not finished");
    EXPECT_EQ(text("noMistakes0"), "No mistakes");
    EXPECT_EQ(read("chart1"), "hidden");
    EXPECT_TRUE(enabled("previousButton"));
    EXPECT_FALSE(enabled("nextButton"));
    results.window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(results.window()));
    QTest::keyClick(results.window(), Qt::Key_PageUp);
    EXPECT_EQ(text("playerName1"), "Ana");
    EXPECT_FALSE(enabled("previousButton"));
    EXPECT_TRUE(enabled("nextButton"));
    // The teacher's report of the same record, a page a pupil, is the print key away.
    QTest::keySequence(results.window(), QKeySequence::Print);
    EXPECT_EQ(screens.report().shownPages(), 2);
    screens.report().unload();

    auto* forget = results.window()->findChild<QWidget*>(QStringLiteral("forgetButton"));
    QTest::mouseClick(forget, Qt::LeftButton);
    EXPECT_EQ(results.asked, 1);
    EXPECT_EQ(text("playerName1"), "Ana");
    results.answer = true;
    QTest::mouseClick(forget, Qt::LeftButton);
    EXPECT_EQ(text("noResults"), "No game has been recorded yet.");
    EXPECT_EQ(read("noResults"), "No game has been recorded yet.");
    EXPECT_EQ(read("chart0"), "hidden");
    results.showLatest();
    EXPECT_FALSE(results.shownGame());
}

// Names given at the set-up screen are kept tidy for this user, a Cancel
// keeps none, and the next game's record holds them.
TEST_F(ResultsScreenTest, NamesGivenAtTheSetUpGoIntoTheRecordOfTheNextGame) {
    SetupScreen& setup = screens.setup();
    const auto dialog = [&setup] {
        // The one closed before is gone first.
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        setup.namesPressed();
        auto* shown = setup.window()->findChild<NamesDialog*>();
        EXPECT_NE(shown, nullptr);
        return shown;
    };
    const auto edit = [](NamesDialog* names, int seat) {
        return names->findChild<QLineEdit*>(QStringLiteral("name%1").arg(seat));
    };
    NamesDialog* names = dialog();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(edit(names, 0)->placeholderText().toStdString(), "Blue");
    EXPECT_EQ(edit(names, 3)->accessibleName().toStdString(), "Green player's name");
    edit(names, 0)->setText(QStringLiteral("  Ana\tMaria  "));
    edit(names, 2)->setText(QString(50, QChar(u'\u00e9')));
    edit(names, 3)->setText(QStringLiteral("Zo\u00eb\n=1+1"));
    QTest::mouseClick(names->findChild<QWidget*>(QStringLiteral("namesOk")), Qt::LeftButton);
    const QStringList kept{"Ana Maria", "", QString(40, QChar(u'\u00e9')), "Zo\u00eb =1+1"};
    EXPECT_EQ(playerNames(4).join('|').toStdString(), kept.join('|').toStdString());

    names = dialog();
    ASSERT_NE(names, nullptr);
    EXPECT_EQ(edit(names, 0)->text().toStdString(), "Ana Maria");
    edit(names, 1)->setText(QStringLiteral("Ben"));
    QTest::mouseClick(names->findChild<QWidget*>(QStringLiteral("namesCancel")), Qt::LeftButton);
    EXPECT_EQ(playerNames(4).join('|').toStdString(), kept.join('|').toStdString());

    setup.playersPressed(3);
    EXPECT_EQ(readRows(RecordStore::userPath(), "SELECT colour, name FROM seat ORDER BY colour"),
              (std::vector<std::string>{"0 | Ana Maria", "1 | -",
                                        "2 | " + QString(40, QChar(u'\u00e9')).toStdString()}));
    screens.table().unload();
    setPlayerNames({"", "", "", ""});
}

// Full screen switched from the rules over the set-up screen: on a 1280 x
// 1024 display the design is drawn 1.25 times as large (1280 / 1024), the
// set-up screen's 372 x 438 too, its Play Sound as the player left it.
TEST_F(ResultsScreenTest, FullScreenDrawsTheSetUpUnderTheRulesAtTheNewScaleToo) {
    if (QGuiApplication::primaryScreen()->size() != QSize(1280, 1024)) {
        GTEST_SKIP() << "for a 1280 x 1024 display";
    }
    SetupScreen& setup = screens.setup();
    setup.show();
    auto* sound = setup.window()->findChild<QCheckBox*>(QStringLiteral("playSoundBox"));
    QTest::mouseClick(sound, Qt::LeftButton, {}, QPoint(8, sound->height() / 2));
    ASSERT_FALSE(sound->isChecked());
    setup.rulesPressed();
    EXPECT_EQ(setup.window()->size(), QSize(372, 438));
    screens.switchFullScreen();
    EXPECT_EQ(units::scale(), 1.25);
    EXPECT_EQ(setup.window()->size(), QSize(465, 548));
    EXPECT_TRUE(setup.window()->isVisible());
    EXPECT_FALSE(
        setup.window()->findChild<QCheckBox*>(QStringLiteral("playSoundBox"))->isChecked());
    EXPECT_EQ(screens.rules().window()->geometry(), QRect(0, 0, 1280, 1024));
    screens.switchFullScreen();
    EXPECT_EQ(units::scale(), 1.0);
    EXPECT_EQ(setup.window()->size(), QSize(372, 438));
    screens.rules().unload();
    setup.unload();
}

}  // namespace
}  // namespace zandoli::testing
