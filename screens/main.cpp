#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QFileInfo>

#include "language/Language.h"
#include "platform/Platform.h"
#include "screens/ScreenRegistry.h"
#include "screens/Shutdown.h"
#include "screens/TitleScreen.h"

namespace {

// With no session bus named, the D-Bus library under Qt would start one for
// the X display (dbus-launch --autolaunch) the first time the accessibility
// bridge asks for it, and that daemon goes on running after the game has
// quit. A game must leave nothing behind, so autolaunching is switched off
// before Qt starts; the bridge then does without a bus, quietly. A user bus
// at $XDG_RUNTIME_DIR/bus is still found as the library would find it.
void neverLaunchABus() {
    if (qEnvironmentVariableIsSet("DBUS_SESSION_BUS_ADDRESS")) {
        return;
    }
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo::exists(QString::fromLocal8Bit(runtime) + "/bus")) {
        return;
    }
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
}

}  // namespace

int main(int argc, char** argv) {
    neverLaunchABus();
    zandoli::chooseWindowSystem();
    QApplication app(argc, argv);
    zandoli::language::use(zandoli::language::choose(QCoreApplication::arguments()));
    zandoli::installFontSubstitutions();

    zandoli::ScreenRegistry screens;
    QObject::connect(&screens, &zandoli::ScreenRegistry::programEnded, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    zandoli::keepRunningGame(screens);
    screens.title().show();
    const int code = QApplication::exec();

    // Windows unloaded on the way out are freed before the screens go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
