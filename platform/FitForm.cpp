#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QtGlobal>
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

QRect availableArea() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen == nullptr ? QRect() : screen->availableGeometry();
}

double fitScale(QSize area, bool fill) {
    if (area.isEmpty()) {
        return 1.0;
    }
    // The table's size at scale 1, 1024 x 768 pixels.
    const double fits = std::min(area.width() * double(units::TWIPS_PER_PIXEL) / FIT_WIDTH_TWIPS,
                                 area.height() * double(units::TWIPS_PER_PIXEL) / FIT_HEIGHT_TWIPS);
    return fill ? fits : std::min(1.0, fits);
}

void chooseScale(bool fill) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    units::setScale(
        fitScale(fill ? screen->geometry().size() : screen->availableGeometry().size(), fill));
}

bool preferX11(const Environment& environment) {
    if (!environment.qtPlatform.isEmpty() || environment.display.isEmpty()) {
        return false;
    }
    return !environment.waylandDisplay.isEmpty() || environment.sessionType == "wayland";
}

void chooseWindowSystem() {
    const Environment environment{qgetenv("QT_QPA_PLATFORM"), qgetenv("DISPLAY"),
                                  qgetenv("WAYLAND_DISPLAY"), qgetenv("XDG_SESSION_TYPE")};
    if (preferX11(environment)) {
        qputenv("QT_QPA_PLATFORM", "xcb");
    }
}

namespace {

// The frame the window manager put around the last window it framed. The
// game's framed windows all look alike, so a new one is placed as if it had
// this frame already, and needs no second move once it is shown. No frame
// until a window manager has framed one of them.
QMargins lastFrame;

// A window's frame as the window manager has drawn it, or nothing while
// it has not framed the window (not shown yet, or no window manager).
bool drawnFrame(const QWidget* screen, QMargins& frame) {
    const QRect outer = screen->frameGeometry();
    const QRect inner = screen->geometry();
    if (!screen->isVisible() || outer == inner) {
        return false;
    }
    frame = QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                     outer.right() - inner.right(), outer.bottom() - inner.bottom());
    return true;
}

enum class Placement { Centre, Fit };

// Places a window by its outer size, frame included, and places it again
// once the window manager has drawn a frame other than the one it was placed
// with (the first framed window of the run, or another window manager's).
class FramePlacer : public QObject {
    Q_OBJECT

public:
    explicit FramePlacer(QWidget* screen) : QObject(screen), screen_(screen) {
        screen->installEventFilter(this);
    }

    void place(Placement placement) {
        placement_ = placement;
        frame_ = QMargins();
        if (!drawnFrame(screen_, frame_) &&
            !screen_->windowFlags().testFlag(Qt::FramelessWindowHint)) {
            frame_ = lastFrame;
        }
        if (placement_ == Placement::Fit) {
            screen_->setFixedSize(units::px(FIT_WIDTH_TWIPS) - frame_.left() - frame_.right(),
                                  units::px(FIT_HEIGHT_TWIPS) - frame_.top() - frame_.bottom());
        }
        // Centred in the work area, clear of the desktop's panels. Worked
        // in twips at 15 to the pixel, as a place on the display always was.
        const QRect area = availableArea();
        const QSize outer = screen_->size().grownBy(frame_);
        const QPoint at =
            fitPosition(QSize(units::twips(area.width()), units::twips(area.height())),
                        QSize(units::twips(outer.width()), units::twips(outer.height())));
        // A window is moved by its frame's top-left corner.
        screen_->move(area.topLeft() +
                      QPoint(at.x() / units::TWIPS_PER_PIXEL, at.y() / units::TWIPS_PER_PIXEL));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        QMargins frame;
        if (watched == screen_ &&
            (type == QEvent::Move || type == QEvent::Resize || type == QEvent::Show) &&
            drawnFrame(screen_, frame) && frame != frame_) {
            lastFrame = frame;
            // Not from inside the window's own move: the new place is asked
            // for once this event is done with.
            QMetaObject::invokeMethod(
                this, [this] { place(placement_); }, Qt::QueuedConnection);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* screen_;
    Placement placement_ = Placement::Centre;
    QMargins frame_;
};

void placeByFrame(QWidget* screen, Placement placement) {
    auto* placer = screen->findChild<FramePlacer*>(QString(), Qt::FindDirectChildrenOnly);
    if (placer == nullptr) {
        placer = new FramePlacer(screen);
    }
    placer->place(placement);
}

}  // namespace

void centreWindow(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    placeByFrame(screen, Placement::Centre);
}

void fitWindow(QWidget* screen) {
    if (screen == nullptr) {
        return;
    }
    if (fullScreen()) {
        fillScreen(screen);
        return;
    }
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    placeByFrame(screen, Placement::Fit);
    QGuiApplication::restoreOverrideCursor();
}

namespace {
const char* const STAGE = "zandoliStage";
}  // namespace

QPoint stageOrigin(const QWidget* window) {
    return window == nullptr ? QPoint() : window->property(STAGE).toPoint();
}

void fillScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (window == nullptr || screen == nullptr) {
        return;
    }
    const QRect whole = screen->geometry();
    const QPoint origin((whole.width() - units::px(FIT_WIDTH_TWIPS)) / 2,
                        (whole.height() - units::px(FIT_HEIGHT_TWIPS)) / 2);
    // The controls were built at their places on the design; they move with
    // it to the middle of the screen, and the window's own colour fills the
    // margin round it.
    const QPoint shift = origin - stageOrigin(window);
    for (QWidget* control : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!control->isWindow()) {
            control->move(control->pos() + shift);
        }
    }
    window->setProperty(STAGE, origin);
    window->setMinimumSize(0, 0);
    window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    window->setGeometry(whole);
    window->setWindowState(window->windowState() | Qt::WindowFullScreen);
}

}  // namespace zandoli

#include "FitForm.moc"
