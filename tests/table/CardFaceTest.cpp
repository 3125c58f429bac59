// The faces of every kind of card, and the colours that follow the player.
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor BLUE(0, 155, 255), YELLOW(255, 255, 0);

struct Face {
    int16_t card;
    const char* caption;
    int fontpixels;
    int captiontop;  // twips below the frame's top
};

TEST(CardFaces, EachKindShowsItsTextSizeAndTop) {
    const Face faces[] = {{0, "1", 96, 120},     {1, "1", 96, 120},    {4, "0.3", 48, 600},
                          {11, "0.25", 48, 600}, {22, "25%", 40, 600}, {24, "100%", 40, 600},
                          {13, "10%", 40, 600},  {32, "1", 48, 120},   {27, "3", 48, 120}};
    Harness<TableScreen> h(2);
    std::vector<int16_t> cards;
    for (const Face& f : faces) {
        cards.push_back(f.card);
    }
    sethand(h.state, cards);
    h.restore();
    for (int s = 0; s < static_cast<int>(cards.size()); ++s) {
        const Face& f = faces[s];
        SCOPED_TRACE(f.card);
        const QRect frame = h.w<QWidget>("Shape4", s)->geometry();
        auto* caption = h.w<ClickLabel>("Label4", s);
        EXPECT_EQ(caption->text(), f.caption);
        EXPECT_EQ(caption->font().pixelSize(), f.fontpixels);
        EXPECT_EQ(caption->pos(), frame.topLeft() + QPoint(2, f.captiontop / 15));
        EXPECT_TRUE(caption->isVisible() && h.w<QWidget>("Shape4", s)->isVisible());
        const bool fraction = f.card >= 25;
        EXPECT_EQ(h.w<QWidget>("Label5", s)->isVisible(), fraction);
        EXPECT_EQ(h.w<QWidget>("Shape1", s)->isVisible(), fraction);
        EXPECT_FALSE(h.w<QWidget>("Image3", s)->isVisible());
    }
    // 1 over 10: both numbers start at the same place inside the frame, not centred.
    auto* denominator = h.w<ClickLabel>("Label5", 7);
    EXPECT_EQ(denominator->text(), "10");
    EXPECT_EQ(denominator->font().pixelSize(), 48);
    EXPECT_EQ(denominator->x(), h.w<QWidget>("Label4", 7)->x());
    EXPECT_EQ(h.w<ClickLabel>("Label5", 8)->text(), "4");
    for (int s = static_cast<int>(cards.size()); s < 12; ++s) {
        EXPECT_FALSE(h.w<QWidget>("Shape4", s)->isVisible()) << s;
    }
}

TEST(CardFaces, TileTurnsItsFrameBlackUntilTheNextTurn) {
    Harness<TableScreen> h(2);
    sethand(h.state, {47, 4});
    h.restore();
    auto* frame = h.w<ShapeWidget>("Shape4", 0);
    EXPECT_EQ(h.w<PictureBox>("Image3", 0)->picturename(), "images\\wsq15.jpg");
    EXPECT_TRUE(h.w<QWidget>("Image3", 0)->isVisible());
    EXPECT_FALSE(h.w<QWidget>("Label4", 0)->isVisible());
    EXPECT_EQ(frame->backcolour(), QColor(0, 0, 0));
    EXPECT_EQ(frame->bordercolour(), BLUE);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 1)->backcolour(), BLUE);
    h.spinto(14);  // 1: matches nothing in hand, so hand over
    h.click("Label3_2");
    EXPECT_EQ(h.w<ClickLabel>("Label2")->text(), "Yellow to Play");
    EXPECT_EQ(frame->backcolour(), YELLOW);
    EXPECT_EQ(frame->bordercolour(), QColor(0, 0, 0));
}

TEST(CardFaces, CardTextsAreBlackOnYellowAndGreenAndWhiteOtherwise) {
    const QColor expected[] = {Qt::white, Qt::black, Qt::white, Qt::black};
    for (int colour = 0; colour < 4; ++colour) {
        Harness<TableScreen> h(4);
        sethand(h.state, {30}, colour);
        h.restore();
        EXPECT_EQ(h.w<ClickLabel>("Label4", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ClickLabel>("Label5", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->backcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->bordercolour(), expected[colour]) << colour;
    }
}

TEST(CardFaces, EveryControlTakesYellowOnAYellowTurn) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    h.spinto(1);  // a red star: Next Player is enabled at once
    h.click("Label3_2");
    EXPECT_EQ(h.w<ClickLabel>("Label2")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ClickLabel>("Label9")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 12)->backcolour(), YELLOW);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 0)->backcolour(), YELLOW);
    for (const char* b : {"Label7", "Label3_0", "Label3_1", "Label3_2", "Label3_3"}) {
        EXPECT_EQ(h.w<ButtonLabel>(b)->textcolour(), YELLOW) << b;
    }
}

}  // namespace
}  // namespace zandoli::testing
