// Presses on the table as a person makes them: strict card edges, the pack,
// the buttons' guard while dealing, and whole games clicked to a win.
#include <QSignalSpy>
#include <random>

#include "Cards.h"
#include "Spinner.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

// The golden deal gives Blue 0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20% and the tile of 0.1 on top.
TEST(TablePresses, HitOnlyStrictlyInsideAShowingCardOrThePack) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    h.spinto(8);  // 0.7: slot 0 matches
    // Frame 0 spans pixels 40..145 across and 184..321 down; its edges are outside.
    for (QPoint edge : {QPoint(40, 250), QPoint(145, 250), QPoint(41, 184), QPoint(41, 321)}) {
        h.clickat(edge);
    }
    EXPECT_EQ(h.state.handsize[0], 7);
    h.clickat(QPoint(41, 320));
    EXPECT_EQ(h.state.handsize[0], 6);
    EXPECT_EQ(spoken(h.w("Shape4_0")), "");  // the discarded card falls silent
    h.clickat(QPoint(41, 250));              // where the discarded card was
    EXPECT_EQ(h.state.handsize[0], 6);
    EXPECT_FALSE(h.w("Label1")->isVisible());

    h.click("Label3_2");
    h.spinto(9);  // Yellow's blue star; the pack card starts at pixel 248
    h.clickat(QPoint(248, 100));
    EXPECT_EQ(h.state.handsize[1], 7);
    h.clickat(QPoint(249, 100));
    h.clock.advance(400);
    EXPECT_EQ(h.w<PictureBox>("Image3_7")->picturename(), "images\\wsq2.jpg");
    EXPECT_TRUE(h.w("Image3_7")->isVisible());
}

TEST(TablePresses, NoButtonActsDuringTheDealDelay) {
    Harness<TableScreen> h(2);
    QSignalSpy exits(&h.table, &TableScreen::exitrequested);
    QSignalSpy rules(&h.table, &TableScreen::rulesrequested);
    h.table.show();
    h.clock.advance(600);
    for (const char* b : {"Label3_0", "Label3_1", "Label3_2", "Label3_3"}) {
        h.click(b);
    }
    EXPECT_EQ(exits.count() + rules.count(), 0);
    EXPECT_EQ(h.table.sounds, std::vector<std::string>{"wav\\shuffle4.wav"});
    h.clock.advance(600);  // the deal still ends on time, and the buttons act
    EXPECT_EQ(h.text("Label4_0"), "0.7");
    h.click("Label3_2");  // shown now, but disabled until a spin ends
    EXPECT_EQ(h.state.colour, 0);
    h.click("Label3_3");
    h.click("Label3_0");
    EXPECT_EQ(rules.count(), 1);
    ASSERT_EQ(exits.count(), 1);
    EXPECT_TRUE(exits.front().front().toBool());
}

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

TEST(WholeGame, ThreePlayersTakeTurnsInOrderUntilOneWinsAndIsAnnounced) {
    Heard heard;
    Harness<TableScreen> h(3);
    h.startnewgame();
    std::mt19937 rng(2024);
    const char* turns[] = {"Blue to Play", "Yellow to Play", "Magenta to Play"};
    for (int turn = 0; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        EXPECT_EQ(h.text("Label2"), turns[turn % 3]);
        playturn(h, rng);
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    EXPECT_FALSE(h.table.gamerunning());  // a won game is not saved
    EXPECT_EQ(spoken(h.w("Label2")).toStdString(), PLAYERS[h.state.colour].wincaption);
    EXPECT_EQ(heard.count("Label2", QAccessible::Alert), 1);
}

TEST(WholeGame, OnePlayerCountsSpinsBesideItsCaptionToTheWin) {
    Harness<OnePlayerTable> h(1);
    h.startnewgame();
    auto* caption = h.w<ClickLabel>("Label1");
    auto* count = h.w<ClickLabel>("Label6");
    EXPECT_EQ(caption->text(), "Number of Spins");
    EXPECT_EQ(caption->geometry(), pixels(1560, 9840, 4575, 855));
    EXPECT_EQ(caption->font().pixelSize(), 37);
    EXPECT_EQ(count->geometry(), pixels(6240, 9720, 1575, 915));
    EXPECT_EQ(count->frameShape(), QFrame::Box);
    EXPECT_EQ(count->textcolour(), QColor(0, 155, 255));
    h.spinto(8);          // 0.7
    h.click("Label4_1");  // 0.8: wrong, told below instead of in the caption
    EXPECT_TRUE(h.w("Label10")->isVisible());
    EXPECT_EQ(caption->text(), "Number of Spins");
    EXPECT_FALSE(h.w("Label3_2")->isVisible());
    h.clock.advance(3000);
    std::mt19937 rng(7);
    for (int turn = 0; turn < 500 && h.table.referee().gameover() == 0; ++turn) {
        playturn(h, rng);
    }
    ASSERT_EQ(h.table.referee().gameover(), 1);
    EXPECT_EQ(h.text("Label2"), QString("GAME WON IN %1 SPINS!").arg(h.state.spins));
    EXPECT_EQ(h.w("Label2")->font().pixelSize(), 43);
    EXPECT_EQ(count->text(), QString::number(h.state.spins));
}

}  // namespace
}  // namespace zandoli::testing
