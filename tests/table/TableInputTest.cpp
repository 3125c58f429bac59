// Presses on the table, card clicks and the buttons' guard.
#include <QSignalSpy>

#include "TableHarness.h"

namespace zandoli::testing {
namespace {

// The golden deal gives Blue 0.7, 0.8, 0.9, 0.25, 0.75, 10%, 20% and the tile of 0.1 on top.
TEST(TableInput, PressesHitOnlyStrictlyInsideAShowingCardOrThePack) {
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
    EXPECT_FALSE(h.w("Shape4_0")->isVisible());
    h.clickat(QPoint(41, 250));  // where the discarded card was
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

TEST(TableInput, WrongCardShowsTheMessageUntilTheHandOver) {
    Harness<TableScreen> h(2);
    h.startnewgame();
    h.spinto(8);
    h.click("Label4_1");  // 0.8
    EXPECT_TRUE(h.w("Label1")->isVisible());
    EXPECT_EQ(h.text("Label2"), "TURN OVER");
    EXPECT_FALSE(h.w("Label3_2")->isEnabled());
    h.clock.advance(3000);
    EXPECT_FALSE(h.w("Label1")->isVisible());
    EXPECT_EQ(h.text("Label4_0"), "30%");  // Yellow's hand
}

TEST(TableInput, NoButtonActsDuringTheDealDelay) {
    Harness<TableScreen> h(2);
    QSignalSpy exits(&h.table, &TableScreen::exitrequested);
    QSignalSpy rules(&h.table, &TableScreen::rulesrequested);
    h.table.show();
    h.clock.advance(600);
    for (const char* b : {"Label3_0", "Label3_1", "Label3_2", "Label3_3"}) {
        h.clickat(h.w(b)->geometry().center());
    }
    EXPECT_EQ(exits.count() + rules.count(), 0);
    EXPECT_EQ(h.table.sounds, std::vector<std::string>{"wav\\shuffle4.wav"});
    h.clock.advance(600);  // the deal still ends on time
    EXPECT_EQ(h.text("Label4_0"), "0.7");
    h.click("Label3_2");  // shown now, but disabled until a spin ends
    EXPECT_EQ(h.state.colour, 0);
    h.click("Label3_3");
    h.click("Label3_0");
    EXPECT_EQ(rules.count(), 1);
    ASSERT_EQ(exits.count(), 1);
    EXPECT_TRUE(exits.front().front().toBool());
}

}  // namespace
}  // namespace zandoli::testing
