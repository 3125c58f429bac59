#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "Platform.h"
#include "Units.h"

namespace zandoli {

QPoint fitposition(QSize display, QSize screen) {
    // Worked in floating point and then truncated towards zero as a twip
    // position is, so odd sizes land on the same twip every time.
    const double top = display.height() / 2.0 - screen.height() / 2.0;
    const double left = display.width() / 2.0 - screen.width() / 2.0;
    return QPoint(static_cast<int>(left), static_cast<int>(top));
}

QSize displaytwips() {
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
QSize framesize(const QWidget* screen) {
    return screen->frameGeometry().size() - screen->size();
}

void placecentred(QWidget* screen) {
    const QSize outer = screen->frameGeometry().size();
    const QPoint at = fitposition(displaytwips(),
                                  QSize(units::twips(outer.width()), units::twips(outer.height())));
    // A window is moved by its frame's top-left corner.
    screen->move(units::px(at.x()), units::px(at.y()));
}

}  // namespace

void centreform(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    placecentred(screen);
}

void fitform(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    const QSize frame = framesize(screen);
    screen->setFixedSize(units::px(FIT_WIDTH_TWIPS) - frame.width(),
                         units::px(FIT_HEIGHT_TWIPS) - frame.height());
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    placecentred(screen);
    QGuiApplication::restoreOverrideCursor();
}

}  // namespace zandoli
