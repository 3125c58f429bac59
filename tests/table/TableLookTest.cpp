// Where the table's controls stand, what each card face shows and the
// colours that follow the player, read back from the widgets.
#include "Platform.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor BLUE(0, 155, 255), YELLOW(255, 255, 0);

TEST(TableLook, SlotsFormTheGridWithTheirPartsInFrontOfEveryFrame) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    const QObjectList stack = h.table.window()->children();
    qsizetype frames = 0;
    for (int i = 0; i <= 12; ++i) {
        frames = std::max(frames, stack.indexOf(h.w("Shape4", i)));
    }
    for (int i = 0; i < 12; ++i) {
        const int left = 600 + 1920 * (i % 4), top = 2760 + 2400 * (i / 4);
        EXPECT_EQ(h.w("Shape4", i)->geometry(), pixels(left, top, 1575, 2055)) << i;
        EXPECT_EQ(h.w("Shape1", i)->geometry(), pixels(left + 360, top + 960, 855, 105)) << i;
        EXPECT_EQ(h.w("Image3", i)->geometry(), pixels(left + 180, top + 120, 1200, 1800)) << i;
        EXPECT_EQ(h.w("Label5", i)->pos(), pixels(left + 30, top + 1080, 0, 0).topLeft()) << i;
        for (const char* front : {"Label4", "Label5", "Shape1", "Image3"}) {
            EXPECT_GT(stack.indexOf(h.w(front, i)), frames) << front << i;
        }
    }
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 0)->borderwidth(), 4);
    EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->borderwidth(), 1);
    EXPECT_EQ(h.w("Shape4", 12)->geometry(), pixels(3720, 960, 1095, 1455));
}

TEST(TableLook, ControlsStandAtTheirPlacesWithTheirFonts) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    QWidget* window = h.table.window();
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_EQ(window->palette().color(QPalette::Window), QColor(37, 60, 136));
    const struct {
        const char* name;
        QRect rect;
        int fontpixels;
        QString text;
    } places[] = {
        {"Label1", pixels(2280, 10800, 8760, 360), 19, "YOU HAVE MADE AN INCORRECT CHOICE"},
        {"Label7", pixels(9180, 9840, 5175, 795), 37, "Spin the Spinner"},
        {"Label3_0", pixels(13560, 10920, 1695, 495), 24, "Exit"},
        {"Label3_1", pixels(120, 10920, 2055, 495), 24, "New Game"},
        {"Label3_2", pixels(2520, 9840, 3615, 795), 37, "Next Player"},
        {"Label3_3", pixels(11160, 10920, 2055, 495), 24, "The Rules"},
        {"notice", pixels(2280, 11250, 8760, 240), 11, makersnotice()},
    };
    for (const auto& p : places) {
        EXPECT_EQ(h.w(p.name)->geometry(), p.rect) << p.name;
        EXPECT_EQ(h.w(p.name)->font().pixelSize(), p.fontpixels) << p.name;
        EXPECT_TRUE(h.w(p.name)->font().bold()) << p.name;
        EXPECT_EQ(h.text(p.name), p.text) << p.name;
    }
    EXPECT_EQ(h.w("Label9")->pos(), QPoint(604, 0));
    EXPECT_EQ(h.w("Image1")->pos(), QPoint(584, 240));
    EXPECT_EQ(h.w("Image2")->pos(), QPoint(704, 64));
    // The turn caption grows to the right from a fixed left edge.
    h.table.setturncaption("MAGENTA HAS WON!!!");
    auto* caption = h.w<QLabel>("Label2");
    EXPECT_EQ(caption->pos(), QPoint(152, 0));
    EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_EQ(caption->font().pixelSize(), 48);
}

TEST(TableLook, EachKindOfCardShowsItsTextSizeTopAndParts) {
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
    EXPECT_FALSE(h.w("Shape4", 9)->isVisible());
}

TEST(TableLook, TileTurnsItsFrameBlackAndEveryControlTakesTheNextPlayersColour) {
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
    EXPECT_EQ(frame->backcolour(), YELLOW);
    EXPECT_EQ(frame->bordercolour(), QColor(Qt::black));
    EXPECT_EQ(h.w<ClickLabel>("Label2")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ClickLabel>("Label9")->textcolour(), YELLOW);
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 12)->backcolour(), YELLOW);
    for (const char* b : {"Label7", "Label3_0", "Label3_1", "Label3_2", "Label3_3"}) {
        EXPECT_EQ(h.w<ButtonLabel>(b)->textcolour(), YELLOW) << b;
    }
}

TEST(TableLook, CardTextsAreBlackOnYellowAndGreenAndWhiteOtherwise) {
    const QColor expected[] = {Qt::white, Qt::black, Qt::white, Qt::black};
    for (int colour = 0; colour < 4; ++colour) {
        Harness<TableScreen> h(4);
        h.restore({30}, colour);
        EXPECT_EQ(h.w<ClickLabel>("Label4", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ClickLabel>("Label5", 0)->textcolour(), expected[colour]) << colour;
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->backcolour(), expected[colour]) << colour;
    }
}

}  // namespace
}  // namespace zandoli::testing
