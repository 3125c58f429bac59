// Presses on the table as a person makes them: strict card edges, the pack,
// every part of a card, the buttons' guard while dealing; the win as the
// screen tells it, and the one-player table's spin count.
#include <QSignalSpy>

#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

// The golden deal gives Blue 0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20% and the tile of 0.1 on top.
TEST(TablePresses, HitOnlyStrictlyInsideAShowingCardOrThePack) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    h.spinTo(8);  // 0.7: slot 0 matches
    // Frame 0 spans pixels 40..145 across and 184..321 down; its edges are outside.
    for (QPoint edge : {QPoint(40, 250), QPoint(145, 250), QPoint(41, 184), QPoint(41, 321)}) {
        h.clickAt(edge);
    }
    EXPECT_EQ(h.state.handSize[0], 7);
    h.clickAt(QPoint(41, 320));
    EXPECT_EQ(h.state.handSize[0], 6);
    EXPECT_EQ(spoken(h.w("cardFrame0")), "");  // the discarded card falls silent
    h.clickAt(QPoint(41, 250));                // where the discarded card was
    EXPECT_EQ(h.state.handSize[0], 6);
    EXPECT_FALSE(h.w("incorrectChoiceMessage")->isVisible());

    h.click("nextPlayerButton");
    h.spinTo(9);  // Yellow's blue star; the pack card starts at pixel 248
    h.clickAt(QPoint(248, 100));
    EXPECT_EQ(h.state.handSize[1], 7);
    h.clickAt(QPoint(249, 100));
    h.clock.advance(400);
    EXPECT_EQ(h.w<PictureBox>("cardPicture7")->pictureName(), "images\\wsq2.jpg");
    EXPECT_TRUE(h.w("cardPicture7")->isVisible());
}

TEST(TablePresses, NoButtonActsDuringTheDealDelay) {
    Harness<TableScreen> h(2);
    QSignalSpy exits(&h.table, &TableScreen::exitRequested);
    QSignalSpy rules(&h.table, &TableScreen::rulesRequested);
    h.table.show();
    h.clock.advance(600);
    for (const char* b : {"exitButton", "newGameButton", "nextPlayerButton", "rulesButton"}) {
        h.click(b);
    }
    EXPECT_EQ(exits.count() + rules.count(), 0);
    EXPECT_EQ(h.sounds.started, QStringList{"wav/shuffle4.wav"});
    h.clock.advance(600);  // the deal still ends on time, and the buttons act
    EXPECT_EQ(h.text("cardCaption0"), "0.7");
    h.click("nextPlayerButton");  // shown now, but disabled until a spin ends
    EXPECT_EQ(h.state.colour, 0);
    h.click("rulesButton");
    h.click("exitButton");
    EXPECT_EQ(rules.count(), 1);
    ASSERT_EQ(exits.count(), 1);
    EXPECT_TRUE(exits.front().front().toBool());
}

// Every part of a card takes a click: the caption of a decimal or a
// percentage, the frame around it, the second line of a fraction and the
// picture of a tile. Blue holds 0.25 as each (cards 11, 22, 25 and 46), then
// 100% and 0.3.
TEST(TablePresses, EveryPartOfACardTakesTheClick) {
    Harness<TableScreen> h(2);
    h.restore({11, 22, 25, 46, 24, 4});
    h.spinTo(10);  // 0.25
    for (const char* part : {"cardCaption0", "cardFrame1", "cardSecondLine2", "cardPicture3"}) {
        h.clickAt(h.w(part)->geometry().topLeft() + QPoint(1, 1));
    }
    EXPECT_EQ(h.state.handSize[0], 2);
    // Nothing of the four cards stays; 100% and 0.3 show a frame and a caption.
    for (int s = 0; s < 6; ++s) {
        for (const std::string part :
             {"cardFrame", "cardCaption", "cardSecondLine", "fractionBar", "cardPicture"}) {
            const bool shows = s >= 4 && (part == "cardFrame" || part == "cardCaption");
            EXPECT_EQ(h.w(part.c_str(), s)->isVisible(), shows) << part << s;
        }
    }
}

TEST(TableWin, IsAnnouncedOnceAndEndsTheGameUnsaved) {
    Heard heard;
    Harness<TableScreen> h(3);
    h.restore({24}, 1);  // Yellow's last card: 100%
    EXPECT_TRUE(h.table.gameRunning());
    h.spinTo(14);
    h.clickAt(QPoint(41, 320));
    EXPECT_FALSE(h.table.gameRunning());  // a won game is not saved
    EXPECT_EQ(spoken(h.w("turnCaption")), "YELLOW HAS WON!!!");
    EXPECT_EQ(heard.count("turnCaption", QAccessible::Alert), 1);
}

TEST(OnePlayerTable, CountsSpinsBesideItsCaptionAndShowsTheWrongCardBelow) {
    Harness<OnePlayerTable> h(1);
    h.startNewGame();
    EXPECT_EQ(h.text("spinsCaption") + " " + h.text("spinCount"), "Number of Spins ");
    h.spinTo(8);              // 0.7
    h.click("cardCaption1");  // 0.8: wrong, and the spins caption stays
    EXPECT_TRUE(h.w("incorrectChoiceMessage")->isVisible());
    EXPECT_EQ(h.text("spinsCaption") + " " + h.text("spinCount"), "Number of Spins 1");
    EXPECT_FALSE(h.w("nextPlayerButton")->isVisible());
    h.clock.advance(3000);
    h.spinTo(0);
    EXPECT_EQ(h.text("spinCount"), "2");
}

}  // namespace
}  // namespace zandoli::testing
