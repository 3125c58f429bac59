#include "screens/Backdrop.h"

#include <QGuiApplication>
#include <QScreen>

#include "platform/ScreenControls.h"
#include "platform/ScreenLook.h"

namespace zandoli {

Backdrop::Backdrop() : Screen(QStringLiteral("backdrop")) {
    // Shown means shown beneath: whoever shows the backdrop shows the screen
    // that belongs on top of it afterwards.
    connect(this, &Screen::shown, this, [this] { window()->lower(); });
}

QWidget* Backdrop::createWindow() {
    QWidget* form = screenControls::makeWindow(QString(), screenLook::BACKDROP);
    // The window manager is asked to keep it below; without one, lower() on
    // every show and every click keeps it there. No title bar: it is the
    // desktop's place it takes, the whole screen, not a window's. It never
    // takes the focus either: a window manager raises an undecorated window
    // the size of the screen to the top, as full screen, once it is focused.
    form->setWindowFlags(Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnBottomHint |
                         Qt::WindowDoesNotAcceptFocus);
    form->setAttribute(Qt::WA_ShowWithoutActivating);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form->setGeometry(screen->geometry());
    }
    return form;
}

bool Backdrop::eventFilter(QObject* watched, QEvent* event) {
    if (isLoaded() && watched == window() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::WindowActivate)) {
        window()->lower();
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace zandoli

#include "moc_Backdrop.cpp"
