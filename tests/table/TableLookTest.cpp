// What the table's widgets tell a player beyond the pictures tests/golden
// keeps: one place worked out by hand, the card parts in front of the frames,
// the texts the cards read, and the colours that follow the player in turn,
// which a single picture cannot show.
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor BLUE(0, 155, 255), YELLOW(255, 255, 0);

TEST(TableLook, TwipsBecomePixelsAndCardPartsStandInFrontOfEveryFrameAndThePack) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    // Spin the Spinner stands at 9180, 9840 twips, 5175 x 795: 15 twips a pixel.
    EXPECT_EQ(h.w("spinButton")->geometry(), QRect(612, 656, 345, 53));
    // Every caption, bar and picture lies in front of every card frame and the pack.
    const QObjectList stack = h.table.window()->children();
    qsizetype backmostPart = stack.size(), frontmostFrame = stack.indexOf(h.w("pack"));
    for (int i = 0; i < 12; ++i) {
        frontmostFrame = std::max(frontmostFrame, stack.indexOf(h.w("cardFrame", i)));
        for (const char* part : {"cardCaption", "cardSecondLine", "fractionBar", "cardPicture"}) {
            backmostPart = std::min(backmostPart, stack.indexOf(h.w(part, i)));
        }
    }
    EXPECT_GT(backmostPart, frontmostFrame);
    // The one text no picture shows: the wrong-card message waits hidden.
    EXPECT_EQ(h.text("incorrectChoiceMessage"), "YOU HAVE MADE AN INCORRECT CHOICE");
}

TEST(TableLook, EachKindOfCardShowsItsTextAndOnlyFractionsASecondLineAndBar) {
    const QString captions[] = {"1", "1", "0.3", "0.25", "25%", "100%", "10%", "1", "3"};
    Harness<TableScreen> h(2);
    h.restore({0, 1, 4, 11, 22, 24, 13, 32, 27});
    for (int s = 0; s < 9; ++s) {
        EXPECT_EQ(h.text(QStringLiteral("cardCaption%1").arg(s)), captions[s]) << s;
        EXPECT_TRUE(h.w("cardCaption", s)->isVisible() && h.w("cardFrame", s)->isVisible()) << s;
        EXPECT_EQ(h.w("cardSecondLine", s)->isVisible(), s >= 7) << s;  // fractions only
        EXPECT_EQ(h.w("fractionBar", s)->isVisible(), s >= 7) << s;
        EXPECT_FALSE(h.w("cardPicture", s)->isVisible()) << s;
    }
    // 1 over 10: both numbers start at the same place inside the frame, not centred.
    EXPECT_EQ(h.text("cardSecondLine7"), "10");
    EXPECT_EQ(h.w("cardSecondLine", 7)->x(), h.w("cardCaption", 7)->x());
    EXPECT_FALSE(h.w("cardFrame", 9)->isVisible());
}

TEST(TableLook, TileTurnsItsFrameBlackAndEveryControlTakesTheNextPlayersColour) {
    Harness<TableScreen> h(2);
    h.restore({47, 4});
    auto* frame = h.w<ShapeWidget>("cardFrame", 0);
    EXPECT_EQ(h.w<PictureBox>("cardPicture", 0)->pictureName(), "images\\wsq15.jpg");
    EXPECT_TRUE(h.w("cardPicture", 0)->isVisible());
    EXPECT_FALSE(h.w("cardCaption", 0)->isVisible());
    EXPECT_EQ(frame->backColour(), QColor(Qt::black));
    EXPECT_EQ(frame->borderColour(), BLUE);
    h.spinTo(14);  // 1: nothing matches
    h.click("nextPlayerButton");
    EXPECT_EQ(frame->backColour(), YELLOW);
    EXPECT_EQ(frame->borderColour(), QColor(Qt::black));
    EXPECT_EQ(h.w<ClickLabel>("turnCaption")->textColour(), YELLOW);
    EXPECT_EQ(h.w<ClickLabel>("titleText")->textColour(), YELLOW);
    EXPECT_EQ(h.w<ShapeWidget>("pack")->backColour(), YELLOW);
    for (const char* b :
         {"spinButton", "exitButton", "newGameButton", "nextPlayerButton", "rulesButton"}) {
        EXPECT_EQ(h.w<ButtonLabel>(b)->textColour(), YELLOW) << b;
    }
}

TEST(TableLook, CardTextsAreBlackOnYellowAndGreenAndWhiteOtherwise) {
    const QColor expected[] = {Qt::white, Qt::black, Qt::white, Qt::black};
    for (int colour = 0; colour < 4; ++colour) {
        Harness<TableScreen> h(4);
        h.restore({30}, colour);
        EXPECT_EQ(h.w<ClickLabel>("cardCaption", 0)->textColour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ClickLabel>("cardSecondLine", 0)->textColour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("fractionBar", 0)->backColour(), expected[colour]) << colour;
    }
}

}  // namespace
}  // namespace zandoli::testing
