#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QWidget>

#include "Platform.h"
#include "Units.h"

namespace zandoli {
namespace {

const QSize FITTED(FIT_WIDTH_TWIPS, FIT_HEIGHT_TWIPS);

TEST(FitPosition, CentresTheTableSizeOnDisplaysOfEverySize) {
    // A display exactly the table's size.
    EXPECT_EQ(fitposition(QSize(15360, 11520), FITTED), QPoint(0, 0));
    // 800 x 600 pixels: the screen overhangs every edge alike.
    EXPECT_EQ(fitposition(QSize(12000, 9000), FITTED), QPoint(-1680, -1260));
    // 1280 x 1024 and 1920 x 1080 pixels.
    EXPECT_EQ(fitposition(QSize(19200, 15360), FITTED), QPoint(1920, 1920));
    EXPECT_EQ(fitposition(QSize(28800, 16200), FITTED), QPoint(6720, 2340));
    // A small screen on a large display (the title screen).
    EXPECT_EQ(fitposition(QSize(19200, 15360), QSize(5580, 6570)), QPoint(6810, 4395));
    // Halved in floating point: -7.5 twips, truncated towards zero.
    EXPECT_EQ(fitposition(QSize(15345, 11505), FITTED), QPoint(-7, -7));
}

TEST(FitForm, GivesTheTableSizeAndCentresOnTheDisplay) {
    QWidget screen(nullptr, Qt::FramelessWindowHint);
    screen.setFixedSize(372, 438);
    fitform(&screen);
    EXPECT_EQ(screen.size(), QSize(1024, 768));
    const QSize display = displaytwips();
    const QPoint expected = fitposition(display, FITTED);
    EXPECT_EQ(screen.pos(), QPoint(units::px(expected.x()), units::px(expected.y())));
    // The hourglass is gone again once fitform returns.
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace zandoli
