// The table in full screen on a 1920 x 1080 display (table.full-screen runs
// it with that display), and the close-ups decoded ahead of a spin at every
// scale. The table at the scales of smaller work areas is in tests/golden.
#include <QSignalSpy>

#include "look/TableArt.h"
#include "platform/Platform.h"
#include "platform/Units.h"
#include "tests/platform/WorkingFolder.h"
#include "tests/table/TableHarness.h"

namespace zandoli::testing {
namespace {

// A place of the design, in twips.
struct Design {
    const char* control;
    QRect twips;
};

// Cards 36 (a tile), 25 (1/4) and 4 (0.3) in the first three slots.
const Design PLACES[] = {
    {"spinButton", {9180, 9840, 5175, 795}},    {"exitButton", {13560, 10920, 1695, 495}},
    {"newGameButton", {120, 10920, 2055, 495}}, {"rulesButton", {11160, 10920, 2055, 495}},
    {"cardFrame0", {600, 2760, 1575, 2055}},    {"cardFrame6", {4440, 5160, 1575, 2055}},
    {"cardPicture0", {780, 2880, 1200, 1800}},  {"fractionBar1", {2880, 3720, 855, 105}},
    {"dial", {8760, 3600, 6000, 6000}},         {"closeup", {10560, 960, 2400, 2400}},
    {"notice", {2280, 11250, 8760, 240}},
};

// Each control lies at its design place times the scale, from the table's
// corner, to within a pixel on every edge.
void placedAtScale(Harness& rig, double scale, QPoint corner) {
    for (const Design& d : PLACES) {
        SCOPED_TRACE(d.control);
        const QRect seen = rig.w(QString::fromLatin1(d.control))->geometry().translated(-corner);
        const QRectF want(d.twips.x() * scale / 15, d.twips.y() * scale / 15,
                          d.twips.width() * scale / 15, d.twips.height() * scale / 15);
        EXPECT_NEAR(seen.x(), want.x(), 1);
        EXPECT_NEAR(seen.y(), want.y(), 1);
        EXPECT_NEAR(seen.width(), want.width(), 1);
        EXPECT_NEAR(seen.height(), want.height(), 1);
    }
}

struct AtScale : ::testing::Test {
    ~AtScale() override { units::setScale(1); }
};

// Every close-up is decoded as the table opens, and again at the new scale
// when it is rebuilt: a spin only swaps pictures, so one whose files have
// gone since still shows each position's close-up.
TEST_F(AtScale, TheCloseUpsAreDecodedBeforeTheFirstSpin) {
    const WorkingFolder folder;
    const auto spinWithoutFiles = [&](Harness& table) {
        ASSERT_TRUE(QDir(QStringLiteral("Images")).removeRecursively());
        table.random.queue(FixedRandom::forSpinLength(SHORTEST_SPIN));
        table.click(QStringLiteral("spinButton"));
        QStringList blank;
        for (int step = 0; step < SHORTEST_SPIN; ++step) {
            table.clock.step();
            if (table.w<QLabel>(QStringLiteral("closeup"))->pixmap().isNull()) {
                blank << table.w<PictureBox>(QStringLiteral("closeup"))->pictureName();
            }
        }
        EXPECT_EQ(blank.join(' ').toStdString(), "");
    };
    const auto writeCloseUps = [&] {
        for (int position = 0; position < SPIN_POSITIONS; ++position) {
            folder.writePicture(
                QString::fromStdString(look::closeupPicture(position)).replace('\\', '/'),
                QSize(160, 160));
        }
    };
    writeCloseUps();
    Harness table(2);
    table.startNewGame();
    spinWithoutFiles(table);
    writeCloseUps();
    table.click(QStringLiteral("newGameButton"));
    table.clock.advance(timerInterval(TimerId::DealDelay));
    units::setScale(1.5);
    table.table.rebuild();
    spinWithoutFiles(table);
}

// Under a 1920 x 1080 display: 1080 / 768 = 1.40625, the table in the middle
// of the screen, 240 pixels of the table's colour either side.
TEST_F(AtScale, FullScreenFillsTheScreenAndF11AndEscapeAskToLeave) {
    if (QGuiApplication::primaryScreen()->size() != QSize(1920, 1080)) {
        GTEST_SKIP() << "run with ZANDOLI_TEST_DISPLAY=1920x1080 (table.full-screen)";
    }
    setFullScreen(true);
    chooseScale(true);
    ASSERT_EQ(units::scale(), 1.40625);
    Harness table(4);
    table.restore({36, 25, 4, 5, 6, 7, 8});
    QWidget* window = table.table.window();
    EXPECT_EQ(window->geometry(), QRect(0, 0, 1920, 1080));
    EXPECT_TRUE(window->windowState().testFlag(Qt::WindowFullScreen));
    placedAtScale(table, 1.40625, QPoint(240, 0));
    // A press on the table itself, on the third card's frame just inside its
    // top edge, finds that card: 0.3, and the spin stops on 0.3.
    table.spinTo(12);
    table.clickAt(QPoint(240 + 4470 * 1.40625 / 15, 2800 * 1.40625 / 15));
    EXPECT_TRUE(table.w("cardFrame2")->isHidden());

    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    QSignalSpy asked(&table.table, &TableScreen::fullScreenRequested);
    QTest::keyClick(window, Qt::Key_F11);
    QTest::keyClick(window, Qt::Key_Escape);
    EXPECT_EQ(asked.count(), 2);
    setFullScreen(false);
}

}  // namespace
}  // namespace zandoli::testing
