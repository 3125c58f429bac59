// A win caption reads cleanly: while it shows, no other control of the table
// lies on it; the title, which it would run into, steps aside and comes back
// with the next game. Checked on the pixels of the real window.
#include <QImage>

#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

const QColor TABLE_BLUE(37, 60, 136);

// The table's visible controls whose rectangles meet the control's, by name.
std::string overlapping(QWidget* window, QWidget* control) {
    QStringList names;
    for (QWidget* other : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (other != control && other->isVisible() &&
            other->geometry().intersects(control->geometry())) {
            names << other->objectName();
        }
    }
    return names.join(QStringLiteral(", ")).toStdString();
}

// The pixels of `area` that are not the table's blue: the text drawn there.
QImage ink(const QImage& grab, QRect area) {
    QImage mask(area.size(), QImage::Format_Mono);
    mask.fill(0);
    for (int y = 0; y < area.height(); ++y) {
        for (int x = 0; x < area.width(); ++x) {
            if (grab.pixelColor(area.left() + x, area.top() + y) != TABLE_BLUE) {
                mask.setPixel(x, y, 1);
            }
        }
    }
    return mask;
}

int inkOutside(const QImage& grab, QRect area, QRect except) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += !except.contains(x, y) && grab.pixelColor(x, y) != TABLE_BLUE;
        }
    }
    return count;
}

template <class Table>
struct WinCheck {
    // Where the title stands before the win, drawn there whole.
    explicit WinCheck(Harness<Table>& harness) : h(harness) {
        titlePlace = h.w("titleText")->geometry();
        titleDrawn();
    }

    // The title shows at its place, and the table's pixels there are the
    // title's own: no other text lies on it.
    void titleDrawn() {
        QWidget* title = h.w("titleText");
        EXPECT_TRUE(title->isVisible());
        EXPECT_EQ(title->geometry(), titlePlace);
        const QImage own = title->grab().toImage();
        EXPECT_GT(inkOutside(own, title->rect(), QRect()), 100);
        EXPECT_EQ(ink(h.table.window()->grab().toImage(), titlePlace), ink(own, title->rect()));
    }

    // The caption shows the win, in both colours of its flash, and meets no
    // other text; where the title stood only the caption is drawn.
    void wonWith(const QString& caption) {
        QWidget* window = h.table.window();
        QWidget* shown = h.w("turnCaption");
        EXPECT_EQ(h.text("turnCaption"), caption);
        for (int flash = 0; flash < 2; ++flash) {
            EXPECT_TRUE(shown->isVisible());
            EXPECT_EQ(overlapping(window, shown), "") << caption.toStdString();
            EXPECT_FALSE(h.w("titleText")->isVisible()) << caption.toStdString();
            EXPECT_LE(shown->geometry().right(), window->width() - 1) << caption.toStdString();
            EXPECT_EQ(inkOutside(window->grab().toImage(), titlePlace, shown->geometry()), 0)
                << caption.toStdString();
            h.clock.advance(timerInterval(TimerId::WinFlash));
        }
    }

    // New Game brings the title back, and it stays through the deal.
    void newGameBringsTheTitleBack() {
        h.click("newGameButton");
        EXPECT_TRUE(h.w("titleText")->isVisible());
        h.clock.advance(timerInterval(TimerId::DealDelay));
        titleDrawn();
    }

    Harness<Table>& h;
    QRect titlePlace;
};

TEST(WinCaption, OnePlayerWinTakesTheRoomOfTheTitleUntilNewGame) {
    for (const auto& [spins, caption] :
         {std::pair{32, "GAME WON IN 33 SPINS!"}, std::pair{32766, "GAME WON IN 32767 SPINS!"}}) {
        // A saved game with the "1" card left: one more spin and a click win it.
        Harness<OnePlayerTable> h(1);
        h.state.spins = static_cast<int16_t>(spins);
        h.restore({24});
        WinCheck check(h);
        h.spinTo(14);                // the whole one
        h.clickAt(QPoint(41, 320));  // on the card's frame
        ASSERT_EQ(h.table.referee().gameOver(), 1) << caption;
        check.wonWith(QString::fromLatin1(caption));
        check.newGameBringsTheTitleBack();
    }
}

TEST(WinCaption, EveryColoursWinTakesTheRoomOfTheTitleUntilNewGame) {
    const char* captions[] = {"BLUE HAS WON!!!", "YELLOW HAS WON!!!", "MAGENTA HAS WON!!!",
                              "GREEN HAS WON!!!"};
    for (int colour = 0; colour < 4; ++colour) {
        Harness<TableScreen> h(4);
        h.restore({24}, colour);
        WinCheck check(h);
        h.spinTo(14);
        h.clickAt(QPoint(41, 320));
        ASSERT_EQ(h.table.referee().gameOver(), 1) << captions[colour];
        check.wonWith(QString::fromLatin1(captions[colour]));
        check.newGameBringsTheTitleBack();
    }
}

}  // namespace
}  // namespace zandoli::testing
