#include "platform/Screen.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QShortcut>

#include "platform/KeyboardFocus.h"
#include "platform/Platform.h"
#include "platform/Speech.h"

namespace zandoli {

namespace {

// The game's icon, for title bars and task bars: the sizes the build writes
// beside the program, or the installed icon from the desktop's icon theme.
// Qt decodes each file as it is added, so it is made once for the run, and
// without the 256-pixel file, whose decoding alone took a tenth of the
// start-up: a window's icon is never shown that large (a dock finds the
// large icon through the menu entry, in the icon theme).
const QIcon& gameIcon() {
    static const QIcon icon = [] {
        QIcon built;
        const QDir icons(QCoreApplication::applicationDirPath() + QStringLiteral("/icons"));
        for (int size : {16, 32, 48, 64, 128}) {
            const QString file = icons.filePath(QStringLiteral("zandoli-%1.png").arg(size));
            if (QFileInfo::exists(file)) {
                built.addFile(file, QSize(size, size));
            }
        }
        return built.isNull() ? QIcon::fromTheme(QStringLiteral("org.zandoli.Zandoli")) : built;
    }();
    return icon;
}

}  // namespace

Screen::Screen(const QString& name) : name_(name) {}

Screen::~Screen() {
    delete window_.data();
}

void Screen::ensureLoaded() {
    if (isLoaded()) {
        return;
    }
    build();
    onLoad();
}

void Screen::build() {
    // A screen reader and the keyboard find every window the same way.
    speech::installControlRoles();
    keyboard::install();
    QWidget* window = createWindow();
    window->setObjectName(name_);
    window->setWindowTitle(WINDOW_TITLE);
    window->setWindowIcon(gameIcon());
    window->installEventFilter(this);
    window_ = window;
}

void Screen::rebuild() {
    if (!isLoaded()) {
        return;
    }
    onRebuilding();
    QWidget* old = window_.data();
    const bool shown = old->isVisible();
    const QWidget* focused = old->focusWidget();
    const QString focusName = focused != nullptr ? focused->objectName() : QString();
    window_.clear();
    old->removeEventFilter(this);
    build();
    onRebuilt();
    if (shown) {
        window_->show();
        window_->raise();
        window_->activateWindow();
    }
    // The focus stays on the same control, so a keyboard player is where they were.
    if (QWidget* again = window_->findChild<QWidget*>(focusName);
        again != nullptr && !focusName.isEmpty()) {
        again->setFocus(Qt::OtherFocusReason);
    }
    // Hidden once the new window is up, so the desktop never shows between the two.
    old->hide();
    old->deleteLater();
}

QWidget* Screen::window() {
    ensureLoaded();
    return window_.data();
}

void Screen::show() {
    ensureLoaded();
    if (!isLoaded()) {
        return;  // the load steps unloaded the screen again
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    emit shown();
}

void Screen::unload() {
    if (!isLoaded()) {
        return;
    }
    onUnload();
    QWidget* window = window_.data();
    window_.clear();
    window->hide();
    // A screen is often unloaded from a click on one of its own controls, so
    // the window goes once that handler has returned; from here on the screen
    // counts as unloaded and the next show builds a new window.
    window->deleteLater();
    emit unloaded();
}

void Screen::bindFullScreenKey(QWidget* window) {
    auto* key = new QShortcut(window);
    key->setKeys(fullScreenKeys());
    connect(key, &QShortcut::activated, this, &Screen::fullScreenRequested);
}

bool Screen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close && watched == window_.data()) {
        // The close itself goes on, so closing the last window still ends
        // the program.
        unload();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zandoli

#include "moc_Screen.cpp"
