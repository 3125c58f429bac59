// Whole games played by clicking the table as a person would, to the win.
#include <random>

#include "Cards.h"
#include "Spinner.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

// Spins, then does what the result asks: the pack on a blue star, any one
// card on a red star, every matching card on a shape (by its caption, second
// line, picture or frame in turn), then hands over.
template <class Table>
void playturn(Harness<Table>& h, std::mt19937& rng) {
    const bool one = h.state.numplayers == 1;
    h.spinfor(17 + static_cast<int>(rng() % 32));
    const double result = h.table.referee().result();
    if (valuesmatch(result, BLUE_STAR)) {
        h.clickat(QPoint(284, 112));
        h.clock.advance(one ? 400 : 3400);
        return;
    }
    const bool red = valuesmatch(result, RED_STAR);
    for (int s = 0; s < 12 && h.table.referee().gameover() == 0; ++s) {
        const int16_t card = h.state.hand[h.state.colour][s];
        if (h.table.referee().slotshowing(s) && (red || cardmatches(card, result))) {
            const char* part = kindof(card) == CardKind::Tile       ? "Image3"
                               : kindof(card) == CardKind::Fraction ? "Label5"
                               : rng() % 2 == 0                     ? "Label4"
                                                                    : "Shape4";
            h.clickat(h.w(part, s)->geometry().topLeft() + QPoint(1, 1));
            if (red) {
                break;
            }
        }
    }
    if (!one && h.table.referee().gameover() == 0) {
        red ? h.clock.advance(3000) : h.click("Label3_2");
    }
}

TEST(WholeGame, ThreePlayersTakeTurnsInOrderUntilOneWins) {
    Harness<TableScreen> h(3);
    h.table.show();
    EXPECT_FALSE(h.table.gamerunning());  // still being dealt: nothing to keep
    h.clock.advance(1200);
    EXPECT_TRUE(h.table.gamerunning());
    std::mt19937 rng(2024);
    const char* turns[] = {"Blue to Play", "Yellow to Play", "Magenta to Play"};
    for (int turn = 0; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        EXPECT_EQ(h.text("Label2"), turns[turn % 3]);
        playturn(h, rng);
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    EXPECT_FALSE(h.table.gamerunning());  // a won game is not saved
    const PlayerLook& winner = PLAYERS[h.state.colour];
    EXPECT_EQ(h.state.handsize[h.state.colour], 0);
    EXPECT_EQ(h.text("Label2").toStdString(), winner.wincaption);
    h.clock.advance(250);
    EXPECT_EQ(h.w<ClickLabel>("Label2")->textcolour(), QColor(Qt::black));
    h.clock.advance(250);
    EXPECT_EQ(h.w<ClickLabel>("Label2")->textcolour(), look::qcolour(winner.playercolour));
}

TEST(WholeGame, OnePlayerWinsAndIsToldTheSpins) {
    Harness<OnePlayerTable> h(1);
    h.startnewgame();
    std::mt19937 rng(7);
    for (int turn = 0; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        playturn(h, rng);
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    EXPECT_EQ(h.text("Label2"), QString("GAME WON IN %1 SPINS!").arg(h.state.spins));
    EXPECT_EQ(h.w("Label2")->font().pixelSize(), 43);
    EXPECT_EQ(h.text("Label6"), QString::number(h.state.spins));
    h.click("Label3_1");  // New Game empties the count and restores the caption's size
    EXPECT_TRUE(h.text("Label6").isEmpty());
    h.clock.advance(1200);
    EXPECT_EQ(h.text("Label2"), "Blue to Play");
    EXPECT_EQ(h.w("Label2")->font().pixelSize(), 48);
}

}  // namespace
}  // namespace zandoli::testing
