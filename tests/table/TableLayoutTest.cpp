// Where the table's controls stand and how they stack, read back from the widgets.
#include "Platform.h"
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

TEST(TableLayout, SlotsFormTheGridWithTheirElementsAtFixedOffsets) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    for (int i = 0; i < 12; ++i) {
        const int left = 600 + 1920 * (i % 4), top = 2760 + 2400 * (i / 4);
        EXPECT_EQ(h.w("Shape4", i)->geometry(), pixels(left, top, 1575, 2055)) << i;
        EXPECT_EQ(h.w("Shape1", i)->geometry(), pixels(left + 360, top + 960, 855, 105)) << i;
        EXPECT_EQ(h.w("Image3", i)->geometry(), pixels(left + 180, top + 120, 1200, 1800)) << i;
        EXPECT_EQ(h.w("Label5", i)->pos(), pixels(left + 30, top + 1080, 0, 0).topLeft()) << i;
    }
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 0)->borderwidth(), 4);
    EXPECT_EQ(h.w<ShapeWidget>("Shape1", 0)->borderwidth(), 1);
    EXPECT_EQ(h.w("Shape4", 12)->geometry(), pixels(3720, 960, 1095, 1455));
    EXPECT_EQ(h.w<ShapeWidget>("Shape4", 12)->borderwidth(), 4);
}

TEST(TableLayout, EveryFrontElementLiesInFrontOfEveryFrame) {
    Harness<TableScreen> h(2);
    h.table.show();
    const QObjectList stack = h.table.window()->children();
    qsizetype previous = 0;
    for (int i = 0; i <= 12; ++i) {
        previous = std::max(previous, stack.indexOf(h.w("Shape4", i)));
    }
    for (int i = 0; i < 12; ++i) {
        for (const char* front : {"Label4", "Label5", "Shape1", "Image3"}) {
            EXPECT_GT(stack.indexOf(h.w(front, i)), previous) << front << i;
            previous = stack.indexOf(h.w(front, i));
        }
    }
}

TEST(TableLayout, ControlsStandAtTheirPlacesWithTheirFonts) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    QWidget* window = h.table.window();
    EXPECT_EQ(window->size(), QSize(1024, 768));
    EXPECT_TRUE(window->windowFlags() & Qt::FramelessWindowHint);
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
    EXPECT_EQ(h.w<ClickLabel>("notice")->textcolour(), QColor(255, 255, 0));
    EXPECT_EQ(h.w<ButtonLabel>("Label7")->backcolour(), QColor(0, 0, 0));
    EXPECT_EQ(h.w("Label9")->pos(), QPoint(604, 0));
    EXPECT_EQ(h.w("Label9")->font().family(), "Arial Rounded MT Bold");
    EXPECT_EQ(h.w("Label9")->font().pixelSize(), 43);
    EXPECT_EQ(h.w("Image1")->pos(), QPoint(584, 240));
    EXPECT_EQ(h.w("Image2")->pos(), QPoint(704, 64));
    // The turn caption grows to the right from a fixed left edge.
    h.table.setturncaption("MAGENTA HAS WON!!!");
    auto* caption = h.w<QLabel>("Label2");
    EXPECT_EQ(caption->pos(), QPoint(152, 0));
    EXPECT_GE(caption->width(), caption->fontMetrics().horizontalAdvance(caption->text()));
    EXPECT_EQ(caption->font().pixelSize(), 48);
}

}  // namespace
}  // namespace zandoli::testing
