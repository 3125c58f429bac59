// Presses on the table as a person makes them: strict card edges, the pack,
// the buttons' guard while dealing, and whole games clicked to a win.
#include <QSignalSpy>
#include <random>

#include "engine/Cards.h"
#include "engine/Spinner.h"
#include "tests/support/ScriptedPlayer.h"
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

// A careful player at the screen: spins of any length, the pack clicked where
// it lies, and every card clicked by its caption, second line, picture or
// frame in turn.
template <class Table>
class ClickingPlayer : public CarefulPlayer {
public:
    ClickingPlayer(Harness<Table>& h, std::mt19937& rng)
        : CarefulPlayer(h.table.referee(), h.state, h.clock), h_(h), rng_(rng) {}

protected:
    void pressSpin() override {
        h_.random.queue(FixedRandom::forSpinLength(17 + static_cast<int>(rng_() % 32)));
        h_.click("spinButton");
    }
    void clickCard(int slot) override {
        const int16_t card = h_.state.hand[h_.state.colour][slot];
        const char* part = kindOf(card) == CardKind::Tile       ? "cardPicture"
                           : kindOf(card) == CardKind::Fraction ? "cardSecondLine"
                           : rng_() % 2 == 0                    ? "cardCaption"
                                                                : "cardFrame";
        h_.clickAt(h_.w(part, slot)->geometry().topLeft() + QPoint(1, 1));
    }
    void clickPack() override { h_.clickAt(QPoint(284, 112)); }
    void pressNextPlayer() override { h_.click("nextPlayerButton"); }

private:
    Harness<Table>& h_;
    std::mt19937& rng_;
};

TEST(WholeGame, ThreePlayersTakeTurnsInOrderUntilOneWinsAndIsAnnounced) {
    Heard heard;
    Harness<TableScreen> h(3);
    h.startNewGame();
    std::mt19937 rng(2024);
    ClickingPlayer player(h, rng);
    const char* turns[] = {"Blue to Play", "Yellow to Play", "Magenta to Play"};
    const char* wins[] = {"BLUE HAS WON!!!", "YELLOW HAS WON!!!", "MAGENTA HAS WON!!!"};
    for (int turn = 0; turn < 500 && h.table.referee().gameOver() == 0; ++turn) {
        EXPECT_EQ(h.text("turnCaption"), turns[turn % 3]);
        player.playTurn();
    }
    ASSERT_EQ(h.table.referee().gameOver(), 1);
    EXPECT_FALSE(h.table.gameRunning());  // a won game is not saved
    EXPECT_EQ(spoken(h.w("turnCaption")), wins[h.state.colour]);
    EXPECT_EQ(heard.count("turnCaption", QAccessible::Alert), 1);
}

TEST(WholeGame, OnePlayerCountsSpinsToTheWin) {
    Harness<OnePlayerTable> h(1);
    h.startNewGame();
    h.spinTo(8);              // 0.7
    h.click("cardCaption1");  // 0.8: wrong, told below instead of in the caption
    EXPECT_TRUE(h.w("incorrectChoiceMessage")->isVisible());
    EXPECT_EQ(h.text("spinsCaption") + " " + h.text("spinCount"), "Number of Spins 1");
    EXPECT_FALSE(h.w("nextPlayerButton")->isVisible());
    h.clock.advance(3000);
    std::mt19937 rng(7);
    ClickingPlayer player(h, rng);
    for (int turn = 0; turn < 500 && h.table.referee().gameOver() == 0; ++turn) {
        player.playTurn();
    }
    ASSERT_EQ(h.table.referee().gameOver(), 1);
    EXPECT_EQ(h.text("turnCaption"), QString("GAME WON IN %1 SPINS!").arg(h.state.spins));
    EXPECT_EQ(h.text("spinCount"), QString::number(h.state.spins));
}

}  // namespace
}  // namespace zandoli::testing
