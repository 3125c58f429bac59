// Where the table's controls stand, what each card face shows and the
// colours that follow the player, read back from the widgets.
#include "platform/Platform.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor BLUE(0, 155, 255), YELLOW(255, 255, 0);

TEST(TableLook, SlotsFormTheGridWithCaptionsBarsAndPicturesInFrontOfEveryFrame) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    const QObjectList stack = h.table.window()->children();
    qsizetype frames = stack.indexOf(h.w("pack"));
    for (int i = 0; i < 12; ++i) {
        frames = std::max(frames, stack.indexOf(h.w("cardFrame", i)));
    }
    for (int i = 0; i < 12; ++i) {
        const int left = 600 + 1920 * (i % 4), top = 2760 + 2400 * (i / 4);
        EXPECT_EQ(h.w("cardFrame", i)->geometry(), pixels(left, top, 1575, 2055)) << i;
        EXPECT_EQ(h.w("fractionBar", i)->geometry(), pixels(left + 360, top + 960, 855, 105)) << i;
        EXPECT_EQ(h.w("cardPicture", i)->geometry(), pixels(left + 180, top + 120, 1200, 1800))
            << i;
        EXPECT_EQ(h.w("cardSecondLine", i)->pos(), pixels(left + 30, top + 1080, 0, 0).topLeft())
            << i;
        for (const char* front : {"cardCaption", "cardSecondLine", "fractionBar", "cardPicture"}) {
            EXPECT_GT(stack.indexOf(h.w(front, i)), frames) << front << i;
        }
    }
    EXPECT_EQ(h.w<ShapeWidget>("cardFrame", 0)->borderWidth(), 4);
    EXPECT_EQ(h.w<ShapeWidget>("fractionBar", 0)->borderWidth(), 1);
    EXPECT_EQ(h.w("pack")->geometry(), pixels(3720, 960, 1095, 1455));
}

TEST(TableLook, ControlsStandAtTheirPlacesWithTheirFonts) {
    Harness<TableScreen> h(2);
    h.startNewGame();
    QWidget* window = h.table.window();
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(37, 60, 136));
    const struct {
        const char* name;
        QRect rect;
        int fontPixels;
        QString text;
    } places[] = {
        {"incorrectChoiceMessage", pixels(2280, 10800, 8760, 360), 19,
         "YOU HAVE MADE AN INCORRECT CHOICE"},
        {"spinButton", pixels(9180, 9840, 5175, 795), 37, "Spin the Spinner"},
        {"exitButton", pixels(13560, 10920, 1695, 495), 24, "Exit"},
        {"newGameButton", pixels(120, 10920, 2055, 495), 24, "New Game"},
        {"nextPlayerButton", pixels(2520, 9840, 3615, 795), 37, "Next Player"},
        {"rulesButton", pixels(11160, 10920, 2055, 495), 24, "The Rules"},
        {"notice", pixels(2280, 11250, 8760, 240), 11, makersNotice()},
    };
    for (const auto& p : places) {
        EXPECT_EQ(h.w(p.name)->geometry(), p.rect) << p.name;
        EXPECT_EQ(h.w(p.name)->font().pixelSize(), p.fontPixels) << p.name;
        EXPECT_TRUE(h.w(p.name)->font().bold()) << p.name;
        EXPECT_EQ(h.text(p.name), p.text) << p.name;
    }
    EXPECT_EQ(h.w("titleText")->pos(), QPoint(604, 0));
    EXPECT_EQ(h.w("dial")->pos(), QPoint(584, 240));
    EXPECT_EQ(h.w("closeup")->pos(), QPoint(704, 64));
    // The turn caption grows to the right from a fixed left edge.
    h.table.view().setTurnCaption("MAGENTA HAS WON!!!");
    auto* caption = h.w<QLabel>("turnCaption");
    EXPECT_EQ(caption->pos(), QPoint(152, 0));
    EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_EQ(caption->font().pixelSize(), 48);
}

TEST(TableLook, EachKindOfCardShowsItsTextSizeTopSecondLineAndBar) {
    const struct {
        int16_t card;
        QString caption;
        int fontPixels;
        int top;  // twips below the frame's top
    } faces[] = {{0, "1", 96, 120},     {1, "1", 96, 120},    {4, "0.3", 48, 600},
                 {11, "0.25", 48, 600}, {22, "25%", 40, 600}, {24, "100%", 40, 600},
                 {13, "10%", 40, 600},  {32, "1", 48, 120},   {27, "3", 48, 120}};
    Harness<TableScreen> h(2);
    h.restore({0, 1, 4, 11, 22, 24, 13, 32, 27});
    for (int s = 0; s < 9; ++s) {
        const QRect frame = h.w("cardFrame", s)->geometry();
        EXPECT_EQ(h.text(QStringLiteral("cardCaption%1").arg(s)), faces[s].caption) << s;
        EXPECT_EQ(h.w("cardCaption", s)->font().pixelSize(), faces[s].fontPixels) << s;
        EXPECT_EQ(h.w("cardCaption", s)->pos(), frame.topLeft() + QPoint(2, faces[s].top / 15))
            << s;
        EXPECT_TRUE(h.w("cardCaption", s)->isVisible() && h.w("cardFrame", s)->isVisible()) << s;
        EXPECT_EQ(h.w("cardSecondLine", s)->isVisible(), s >= 7) << s;  // fractions only
        EXPECT_EQ(h.w("fractionBar", s)->isVisible(), s >= 7) << s;
        EXPECT_FALSE(h.w("cardPicture", s)->isVisible()) << s;
    }
    // 1 over 10: both numbers start at the same place inside the frame, not centred.
    EXPECT_EQ(h.text("cardSecondLine7"), "10");
    EXPECT_EQ(h.w("cardSecondLine", 7)->font().pixelSize(), 48);
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
    EXPECT_EQ(h.w<ShapeWidget>("cardFrame", 1)->backColour(), BLUE);
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
