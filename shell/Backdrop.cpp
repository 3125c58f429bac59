#include "Backdrop.h"

#include <QGuiApplication>
#include <QScreen>

#include "ShellControls.h"
#include "ShellLook.h"

namespace zandoli {

Backdrop::Backdrop() : Screen(QStringLiteral("Grey")) {
    // Shown means shown beneath: whoever shows the backdrop shows the screen
    // that belongs on top of it afterwards.
    connect(this, &Screen::shown, this, [this] { window()->lower(); });
}

QWidget* Backdrop::createwindow() {
    QWidget* form =
        shellcontrols::makewindow(QString(), shelllook::BACKDROP, shelllook::BACKDROP_CAPTION);
    // The window manager is asked to keep it below; without one, lower() on
    // every show and every click keeps it there.
    form->setWindowFlag(Qt::WindowStaysOnBottomHint);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        form->setGeometry(screen->availableGeometry());
    }
    form->setWindowState(Qt::WindowMaximized);
    return form;
}

bool Backdrop::eventFilter(QObject* watched, QEvent* event) {
    if (isloaded() && watched == window() &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::WindowActivate)) {
        window()->lower();
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace zandoli
