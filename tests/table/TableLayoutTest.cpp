// Where the table's controls stand and how they stack, read back from the widgets.
#include "Platform.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

TEST(TableLayout, SlotsFormTheGridWithTheirElementsAtFixedOffsets) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        const int left = 600 + 1920 * (i % 4), top = 2760 + 2400 * (i / 4);
        EXPECT_EQ(h.w<ShapeWidget>("Shape4", i)->geometry(), pixels(left, top, 1575, 2055));
        EXPECT_EQ(h.w<ShapeWidget>("Shape4", i)->borderwidth(), 4);
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", i)->geometry(),
                  pixels(left + 360, top + 960, 855, 105));
        EXPECT_EQ(h.w<ShapeWidget>("Shape1", i)->borderwidth(), 1);
        EXPECT_EQ(h.w<PictureBox>("Image3", i)->geometry(),
                  pixels(left + 180, top + 120, 1200, 1800));
        EXPECT_EQ(h.w<ClickLabel>("Label5", i)->pos(),
                  pixels(left + 30, top + 1080, 0, 0).topLeft());
    }
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 12)->geometry(), pixels(3720, 960, 1095, 1455));
}

TEST(TableLayout, EveryFrontElementLiesInFrontOfEveryFrame) {
    Harness<TableScreen> h(2);
    h.table.show();  // the stacking is set at load
    const QObjectList stack = h.table.window()->children();
    auto depth = [&](const char* name, int i) { return stack.indexOf(h.w<QWidget>(name, i)); };
    int lastframe = 0;
    for (int i = 0; i <= 12; ++i) {
        lastframe = std::max(lastframe, static_cast<int>(depth("Shape4", i)));
    }
    int previous = lastframe;
    for (int i = 0; i < 12; ++i) {
        for (const char* front : {"Label4", "Label5", "Shape1", "Image3"}) {
            EXPECT_GT(depth(front, i), previous) << front << i;
            previous = static_cast<int>(depth(front, i));
        }
    }
}

TEST(TableLayout, ControlsStandAtTheirPlacesWithTheirFonts) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    EXPECT_EQ(h.table.window()->size(), QSize(1024, 768));
    EXPECT_TRUE(h.table.window()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(h.table.window()->palette().color(QPalette::Window), QColor(37, 60, 136));
    struct Place {
        const char* name;
        QRect rect;
        int fontpixels;
        const char* text;
    };
    const Place places[] = {
        {"Label1", pixels(2280, 10800, 8760, 360), 19, "YOU HAVE MADE AN INCORRECT CHOICE"},
        {"Label7", pixels(9180, 9840, 5175, 795), 37, "Spin the Spinner"},
        {"Label3_0", pixels(13560, 10920, 1695, 495), 24, "Exit"},
        {"Label3_1", pixels(120, 10920, 2055, 495), 24, "New Game"},
        {"Label3_2", pixels(2520, 9840, 3615, 795), 37, "Next Player"},
        {"Label3_3", pixels(11160, 10920, 2055, 495), 24, "The Rules"},
        {"notice", pixels(2280, 11250, 8760, 240), 11, nullptr},
    };
    for (const Place& p : places) {
        auto* label = h.w<QLabel>(p.name);
        EXPECT_EQ(label->geometry(), p.rect) << p.name;
        EXPECT_EQ(label->font().pixelSize(), p.fontpixels) << p.name;
        EXPECT_TRUE(label->font().bold()) << p.name;
        EXPECT_EQ(label->text(), p.text ? QString(p.text) : makersnotice()) << p.name;
    }
    EXPECT_EQ(h.w<ClickLabel>("notice")->textcolour(), QColor(255, 255, 0));
    EXPECT_EQ(h.w<ButtonLabel>("Label7")->backcolour(), QColor(0, 0, 0));
    auto* title = h.w<ClickLabel>("Label9");
    EXPECT_EQ(title->pos(), QPoint(604, 0));
    EXPECT_EQ(title->font().family(), "Arial Rounded MT Bold");
    EXPECT_EQ(title->font().pixelSize(), 43);
    EXPECT_EQ(h.w("Image1")->pos(), QPoint(584, 240));
    EXPECT_EQ(h.w("Image2")->pos(), QPoint(704, 64));
}

TEST(TableLayout, TurnCaptionGrowsRightFromItsFixedLeftEdge) {
    Harness<TableScreen> h(4);
    h.startnewgame();
    auto* caption = h.w<ClickLabel>("Label2");
    const int blue = caption->width();
    h.table.setturncaption("MAGENTA HAS WON!!!");
    EXPECT_EQ(caption->pos(), QPoint(152, 0));
    EXPECT_GT(caption->width(), blue);
    EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_EQ(caption->font().pixelSize(), 48);
}

}  // namespace
}  // namespace zandoli::testing
