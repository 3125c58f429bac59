// Whole games played by clicking the table as a person would, to the win.
#include <random>

#include "Cards.h"
#include "Spinner.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

template <class Table>
class Player {
public:
    explicit Player(Harness<Table>& h) : h_(h) {}

    // Clicks a card the way the table offers: its caption, second line,
    // picture, or the frame around them.
    void clickcard(int s) {
        const int16_t card = h_.state.hand[h_.state.colour][s];
        const QRect frame = h_.w("Shape4_" + QString::number(s))->geometry();
        const char* part = kindof(card) == CardKind::Tile       ? "Image3_"
                           : kindof(card) == CardKind::Fraction ? "Label5_"
                                                                : "Label4_";
        if (++clicks_ % 3 == 0) {
            h_.clickat(QPoint(frame.left() + 1, frame.center().y()));
        } else {
            h_.click(part + QString::number(s));
        }
    }

    // Spins, then does what the result asks; returns once the turn is settled.
    void playturn() {
        const bool one = h_.state.numplayers == 1;
        h_.spinfor(17 + static_cast<int>(rng_() % 32));
        const double result = h_.table.referee().result();
        if (valuesmatch(result, BLUE_STAR)) {
            h_.clickat(QPoint(284, 112));  // the pack card
            h_.clock.advance(one ? 400 : 3400);
            return;
        }
        for (int s = 0; s < 12 && h_.table.referee().gameover() == 0; ++s) {
            if (!h_.table.referee().slotshowing(s)) {
                continue;
            }
            const bool red = valuesmatch(result, RED_STAR);
            if (red || cardmatches(h_.state.hand[h_.state.colour][s], result)) {
                clickcard(s);
                if (red) {
                    if (!one) {
                        h_.clock.advance(3000);
                    }
                    return;
                }
            }
        }
        if (!one && h_.table.referee().gameover() == 0) {
            h_.click("Label3_2");
        }
    }

private:
    Harness<Table>& h_;
    std::mt19937 rng_{2024};
    int clicks_ = 0;
};

TEST(WholeGame, ThreePlayersTakeTurnsInOrderUntilOneWins) {
    Harness<TableScreen> h(3);
    h.startnewgame();
    Player<TableScreen> player(h);
    const char* turns[] = {"Blue to Play", "Yellow to Play", "Magenta to Play"};
    int turn = 0;
    for (; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        EXPECT_EQ(h.w<ClickLabel>("Label2")->text(), turns[turn % 3]);
        player.playturn();
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    const PlayerLook& winner = PLAYERS[h.state.colour];
    EXPECT_EQ(h.state.handsize[h.state.colour], 0);
    auto* caption = h.w<ClickLabel>("Label2");
    EXPECT_EQ(caption->text().toStdString(), winner.wincaption);
    EXPECT_EQ(h.table.sounds.back(), "wav\\fanf3.wav");
    h.clock.advance(250);
    EXPECT_EQ(caption->textcolour(), QColor(Qt::black));
    h.clock.advance(250);
    EXPECT_EQ(caption->textcolour(), look::qcolour(winner.playercolour));
}

TEST(WholeGame, OnePlayerWinsAndIsToldTheSpins) {
    Harness<OnePlayerTable> h(1);
    h.startnewgame();
    Player<OnePlayerTable> player(h);
    for (int turn = 0; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        player.playturn();
        EXPECT_FALSE(h.w("Label3_2")->isVisible());
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    auto* caption = h.w<ClickLabel>("Label2");
    EXPECT_EQ(caption->text(), QString("GAME WON IN %1 SPINS!").arg(h.state.spins));
    EXPECT_EQ(caption->font().pixelSize(), 43);
    EXPECT_EQ(h.w<ClickLabel>("Label6")->text(), QString::number(h.state.spins));
    h.click("Label3_1");  // New Game empties the count and restores the caption size
    EXPECT_TRUE(h.w<ClickLabel>("Label6")->text().isEmpty());
    h.clock.advance(1200);
    EXPECT_EQ(caption->text(), "Blue to Play");
    EXPECT_EQ(caption->font().pixelSize(), 48);
}

}  // namespace
}  // namespace zandoli::testing
