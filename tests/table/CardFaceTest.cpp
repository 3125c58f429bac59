// The faces of every kind of card, and the colours that follow the player.
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor BLUE(0, 155, 255), YELLOW(255, 255, 0);

TEST(CardFaces, EachKindShowsItsTextSizeAndTop) {
    const struct {
        int16_t card;
        QString caption;
        int fontpixels;
        int top;  // twips below the frame's top
    } faces[] = {{0, "1", 96, 120},     {1, "1", 96, 120},    {4, "0.3", 48, 600},
                 {11, "0.25", 48, 600}, {22, "25%", 40, 600}, {24, "100%", 40, 600},
                 {13, "10%", 40, 600},  {32, "1", 48, 120},   {27, "3", 48, 120}};
    Harness<TableScreen> h(2);
    h.restore({0, 1, 4, 11, 22, 24, 13, 32, 27});
    for (int s = 0; s < 9; ++s) {
        const QRect frame = h.w("Shape4", s)->geometry();
        EXPECT_EQ(h.text(QStringLiteral("Label4_%1").arg(s)), faces[s].caption) << s;
        EXPECT_EQ(h.w("Label4", s)->font().pixelSize(), faces[s].fontpixels) << s;
        EXPECT_EQ(h.w("Label4", s)->pos(), frame.topLeft() + QPoint(2, faces[s].top / 15)) << s;
        EXPECT_TRUE(h.w("Label4", s)->isVisible() && h.w("Shape4", s)->isVisible()) << s;
        EXPECT_EQ(h.w("Label5", s)->isVisible(), s >= 7) << s;  // fractions only
        EXPECT_EQ(h.w("Shape1", s)->isVisible(), s >= 7) << s;
        EXPECT_FALSE(h.w("Image3", s)->isVisible()) << s;
    }
    // 1 over 10: both numbers start at the same place inside the frame, not centred.
    EXPECT_EQ(h.text("Label5_7"), "10");
    EXPECT_EQ(h.w("Label5", 7)->font().pixelSize(), 48);
    EXPECT_EQ(h.w("Label5", 7)->x(), h.w("Label4", 7)->x());
    EXPECT_EQ(h.text("Label5_8"), "4");
    EXPECT_FALSE(h.w("Shape4", 9)->isVisible());
}

TEST(CardFaces, TileTurnsItsFrameBlackUntilTheNextTurn) {
    Harness<TableScreen> h(2);
    h.restore({47, 4});
    auto* frame = h.w<ShapeWidget>("Shape4", 0);
    EXPECT_EQ(h.w<PictureBox>("Image3", 0)->picturename(), "images\\wsq15.jpg");
    EXPECT_TRUE(h.w("Image3", 0)->isVisible());
    EXPECT_FALSE(h.w("Label4", 0)->isVisible());
    EXPECT_EQ(frame->backcolour(), QColor(Qt::black));
    EXPECT_EQ(frame->bordercolour(), BLUE);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 1)->backcolour(), BLUE);
    h.spinto(14);  // 1: nothing matches
    h.click("Label3_2");
    EXPECT_EQ(h.text("Label2"), "Yellow to Play");
    EXPECT_EQ(frame->backcolour(), YELLOW);
    EXPECT_EQ(frame->bordercolour(), QColor(Qt::black));
}

TEST(CardFaces, CardTextsAreBlackOnYellowAndGreenAndWhiteOtherwise) {
    const QColor expected[] = {Qt::white, Qt::black, Qt::white, Qt::black};
    for (int colour = 0; colour < 4; ++colour) {
        Harness<TableScreen> h(4);
        h.restore({30}, colour);
        EXPECT_EQ(h.w<ClickLabel>("Label4", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ClickLabel>("Label5", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->backcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->bordercolour(), expected[colour]) << colour;
    }
}

TEST(CardFaces, EveryControlTakesYellowOnAYellowTurn) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    h.spinto(1);  // a red star enables Next Player at once
    h.click("Label3_2");
    EXPECT_EQ(h.w<ClickLabel>("Label2")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ClickLabel>("Label9")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 12)->backcolour(), YELLOW);
    for (const char* b : {"Label7", "Label3_0", "Label3_1", "Label3_2", "Label3_3"}) {
        EXPECT_EQ(h.w<ButtonLabel>(b)->textcolour(), YELLOW) << b;
    }
}

}  // namespace
}  // namespace zandoli::testing
