// What the one-player table shows differently: its spin count and its message.
#include "TableHarness.h"

namespace zandoli::testing {
namespace {

TEST(OnePlayerTable, CountsSpinsBesideItsCaptionAndKeepsNextPlayerAway) {
    Harness<OnePlayerTable> h(1);
    h.startnewgame();
    auto* caption = h.w<ClickLabel>("Label1");
    auto* count = h.w<ClickLabel>("Label6");
    EXPECT_EQ(caption->text(), "Number of Spins");
    EXPECT_EQ(caption->geometry(), pixels(1560, 9840, 4575, 855));
    EXPECT_EQ(caption->font().pixelSize(), 37);
    EXPECT_TRUE(caption->alignment() & Qt::AlignLeft);
    EXPECT_EQ(count->geometry(), pixels(6240, 9720, 1575, 915));
    EXPECT_EQ(count->font().pixelSize(), 48);
    EXPECT_EQ(count->frameShape(), QFrame::Box);
    EXPECT_EQ(caption->textcolour(), QColor(0, 155, 255));  // Blue's, from the start
    EXPECT_EQ(count->textcolour(), QColor(0, 155, 255));
    EXPECT_EQ(h.w("Label10")->geometry(), pixels(2400, 10800, 8760, 360));
    EXPECT_EQ(h.w("Label3_2")->geometry(), pixels(2520, 10560, 3615, 795));
    EXPECT_TRUE(count->text().isEmpty());
    h.spinto(8);  // 0.7
    EXPECT_EQ(count->text(), "1");
    h.click("Label4_1");  // 0.8: wrong
    EXPECT_TRUE(h.w("Label10")->isVisible());
    EXPECT_EQ(caption->text(), "Number of Spins");
    EXPECT_FALSE(h.w("Label3_2")->isVisible());
}

}  // namespace
}  // namespace zandoli::testing
