#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QFileInfo>
#include <QStringList>
#include <cstdio>

#include "language/Language.h"
#include "platform/Choices.h"
#include "platform/Platform.h"
#include "screens/CommandLine.h"
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

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }
    return arguments;
}

}  // namespace

int main(int argc, char** argv) {
    namespace commandLine = zandoli::commandLine;
    // Read before Qt starts, so that help and a line that cannot be read
    // need no display.
    const commandLine::Reading reading = commandLine::read(argumentsOf(argc, argv));
    if (!reading.request) {
        std::fprintf(stderr, "zandoli: %s\n\n%s", qPrintable(reading.error),
                     qPrintable(commandLine::usage()));
        return 2;
    }
    const commandLine::Request& request = *reading.request;
    if (request.help) {
        std::printf("%s", qPrintable(commandLine::usage()));
        return 0;
    }
    neverLaunchABus();
    // An export or an import opens no window, so it needs no display.
    if (request.runsWithoutWindow()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        zandoli::chooseWindowSystem();
    }
    QApplication app(argc, argv);
    zandoli::choices::setKiosk(request.kiosk);
    // The administrator's language, when there is one, is the pupils'.
    const QString locked = zandoli::choices::lockedLanguage();
    zandoli::language::use(zandoli::language::choose(locked.isEmpty() ? request.language : locked));
    zandoli::installFontSubstitutions();
    if (request.runsWithoutWindow()) {
        return commandLine::runWithoutWindow(request);
    }
    if (request.lessonAsked && !commandLine::chooseLesson(request.lesson)) {
        return 1;
    }
    // Every window is built at the scale this gives, so it comes first.
    zandoli::chooseScale(zandoli::chooseFullScreen(request.fullScreen));

    zandoli::ScreenRegistry screens;
    QObject::connect(&screens, &zandoli::ScreenRegistry::programEnded, &app,
                     &QCoreApplication::quit, Qt::QueuedConnection);
    zandoli::keepRunningGame(screens);
    if (request.practice.isEmpty()) {
        screens.title().show();
    } else {
        screens.startPractice(request.practice.trimmed());
    }
    const int code = QApplication::exec();

    // Windows unloaded on the way out are freed before the screens go.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
