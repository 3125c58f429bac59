// Playing by keyboard: the reading order of Tab, the keys of the table, the
// focus mark, and the focus following the game with what it tells a screen
// reader.
#include <gtest/gtest.h>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include "platform/KeyboardFocus.h"
#include "platform/Speech.h"
#include "table/TableScreen.h"
#include "tests/support/FixedRandom.h"
#include "tests/support/VirtualScheduler.h"

namespace zandoli::testing {
namespace {

std::string focusName() {
    QWidget* focus = QApplication::focusWidget();
    return focus == nullptr ? "<none>" : focus->objectName().toStdString();
}

// The description of the focused control, which must be the one named.
std::string description(const char* name) {
    const std::string focus = focusName();
    return focus == name ? QApplication::focusWidget()->accessibleDescription().toStdString()
                         : "<focus on " + focus + ">";
}

// A two-player table dealt by the golden deal (Blue holds slots 0 to 6), on
// a virtual clock, its window active as a player's would be.
struct Table : ::testing::Test {
    Table() {
        state.numPlayers = 2;
        table.show();
        window()->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(window()));
        clock.advance(timerInterval(TimerId::DealDelay));
        settle();
    }
    ~Table() override { table.unload(); }
    QWidget* window() { return table.window(); }
    // The view settles once a step is over, and the mark follows the focus
    // once that has moved.
    void settle() {
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }
    void key(int key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : window(),
                        static_cast<Qt::Key>(key), modifiers);
        settle();
    }
    // Spins by keyboard so that the pointer stops on `position`.
    void spinTo(int position) {
        random.queue(FixedRandom::forSpinLength(spinLengthTo(table.referee().spinPos(), position)));
        key(Qt::Key_S);
        while (table.referee().spinning()) {
            clock.step();
        }
        settle();
    }

    GameState state;
    VirtualScheduler clock;
    FixedRandom random;
    TableScreen table{state, clock, random};
};

TEST_F(Table, TabGoesInReadingOrderPastHiddenAndDisabledControls) {
    ASSERT_EQ(focusName(), "spinButton");
    // Next Player is disabled until the spin stops; slots 7 to 11 are empty.
    const char* forward[] = {"newGameButton", "rulesButton", "exitButton", "pack",
                             "cardFrame0",    "cardFrame1",  "cardFrame2", "cardFrame3",
                             "cardFrame4",    "cardFrame5",  "cardFrame6", "spinButton"};
    for (const char* name : forward) {
        key(Qt::Key_Tab);
        EXPECT_EQ(focusName(), name);
    }
    key(Qt::Key_Backtab);
    EXPECT_EQ(focusName(), "cardFrame6");
    // The arrows move among the cards as they lie: four to a row.
    const std::pair<int, const char*> arrows[] = {
        {Qt::Key_Up, "cardFrame2"},   {Qt::Key_Left, "cardFrame1"},  {Qt::Key_Down, "cardFrame5"},
        {Qt::Key_Down, "cardFrame5"}, {Qt::Key_Right, "cardFrame6"}, {Qt::Key_Right, "cardFrame6"}};
    for (const auto& [arrow, name] : arrows) {
        key(arrow);
        EXPECT_EQ(focusName(), name) << arrow;
    }
}

TEST_F(Table, FocusFollowsTheGameAndReadsWhatHappened) {
    EXPECT_EQ(description("spinButton"), "Blue to Play");
    spinTo(6);  // a half: Blue holds 0.7, 0.8, 0.9, 0.25, 0.75, 10% and 20%
    EXPECT_EQ(description("cardFrame0"), "spinner: half shaded");
    key(Qt::Key_Space);  // a wrong card
    EXPECT_EQ(description("incorrectChoiceMessage"), "TURN OVER");
    clock.advance(timerInterval(TimerId::HandOver));
    settle();
    EXPECT_EQ(description("spinButton"), "Yellow to Play");
    spinTo(9);  // the star on blue
    EXPECT_EQ(description("pack"), "spinner: star on blue: take a card from the pack");
    const int before = state.handSize[1];
    key(Qt::Key_Return);
    EXPECT_EQ(state.handSize[1], before + 1);
    // The card's own description comes back once the focus has left it.
    clock.advance(timerInterval(TimerId::DrawDelay) + timerInterval(TimerId::HandOver));
    settle();
    EXPECT_EQ(focusName(), "spinButton");
    EXPECT_EQ(window()->findChild<QWidget*>("pack")->accessibleDescription().toStdString(),
              "press it when the spinner shows the star on blue. Key: P");
}

TEST_F(Table, ShortcutsPressTheirButtonsAndTheMarkShowsOnlyForTheKeyboard) {
    QWidget* spin = window()->findChild<QWidget*>("spinButton");
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(keyboard::shownMark(), nullptr);
    spinTo(8);  // 0.7, by S
    ASSERT_NE(keyboard::shownMark(), nullptr);
    EXPECT_EQ(keyboard::shownMark()->geometry(),
              window()->findChild<QWidget*>("cardFrame0")->geometry().adjusted(-6, -6, 6, 6));
    key(Qt::Key_N);  // Next Player
    EXPECT_EQ(state.colour, 1);
    EXPECT_EQ(QApplication::focusWidget(), spin);
    QSignalSpy rules(&table, &TableScreen::rulesRequested);
    key(Qt::Key_F1);
    EXPECT_EQ(rules.count(), 1);
    key(Qt::Key_F2);  // New Game
    EXPECT_TRUE(table.referee().dealing());
    QTest::mouseClick(window(), Qt::LeftButton, {}, QPoint(5, 5));
    settle();
    EXPECT_EQ(keyboard::shownMark(), nullptr);
}

}  // namespace
}  // namespace zandoli::testing
