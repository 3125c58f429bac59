#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "platform/Platform.h"
#include "platform/Units.h"

namespace zandoli {

QPoint fitPosition(QSize display, QSize screen) {
    // Worked in floating point and then truncated towards zero as a twip
    // position is, so odd sizes land on the same twip every time.
    const double top = display.height() / 2.0 - screen.height() / 2.0;
    const double left = display.width() / 2.0 - screen.width() / 2.0;
    return QPoint(static_cast<int>(left), static_cast<int>(top));
}

QSize displayTwips() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return QSize();
    }
    const QSize pixels = screen->size();
    return QSize(units::twips(pixels.width()), units::twips(pixels.height()));
}

namespace {

// The window frame around the client area; nothing before the window has
// been shown once, and nothing for a frameless window.
QSize frameSize(const QWidget* screen) {
    return screen->frameGeometry().size() - screen->size();
}

void placeCentred(QWidget* screen) {
    const QSize outer = screen->frameGeometry().size();
    const QPoint at = fitPosition(displayTwips(),
                                  QSize(units::twips(outer.width()), units::twips(outer.height())));
    // A window is moved by its frame's top-left corner.
    screen->move(units::px(at.x()), units::px(at.y()));
}

}  // namespace

void centreWindow(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    placeCentred(screen);
}

void fitWindow(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    const QSize frame = frameSize(screen);
    screen->setFixedSize(units::px(FIT_WIDTH_TWIPS) - frame.width(),
                         units::px(FIT_HEIGHT_TWIPS) - frame.height());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    placeCentred(screen);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace zandoli
