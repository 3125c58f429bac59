#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "language/Language.h"
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

// Answered before Qt starts, so it needs no display.
bool askedForHelp(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            const QString languages = zandoli::language::available().join(QStringLiteral(", "));
            std::printf(
                "Usage: zandoli [--language CODE] [--fullscreen | --windowed]\n"
                "       zandoli --export FILE [--period today|week|term|all] [--pupil NAME]\n"
                "       zandoli --import FILE.zandoli\n"
                "A card game that teaches that 0.5, 50%%, 1/2 and a half-shaded tile are the\n"
                "same number.\n\n"
                "  --language CODE  speak this language (%s); remembered\n"
                "  --fullscreen     fill the whole screen, for a projector or whiteboard;\n"
                "                   remembered (F11 in the game switches, and remembers too)\n"
                "  --windowed       play in windows fitted to the screen; remembered\n"
                "  --export FILE    write what the games recorded here say, without a window:\n"
                "                   FILE.pdf the teacher's report, a page a pupil;\n"
                "                   FILE.csv every choice, a row each, for a spreadsheet;\n"
                "                   FILE.zandoli the whole record, for --import elsewhere\n"
                "  --period P       the games of today, this week, this term (the last 12\n"
                "                   weeks) or all (the default), for .pdf and .csv\n"
                "  --pupil NAME     the report of one pupil only\n"
                "  --import FILE    merge another computer's FILE.zandoli into this record\n"
                "  -h, --help       show this help\n",
                qPrintable(languages));
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (askedForHelp(argc, argv)) {
        return 0;
    }
    neverLaunchABus();
    // An export or an import opens no window, so it needs no display.
    const bool command = zandoli::commandLine::asksForCommand(argc, argv);
    if (command) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    } else {
        zandoli::chooseWindowSystem();
    }
    QApplication app(argc, argv);
    zandoli::language::use(zandoli::language::choose(QCoreApplication::arguments()));
    zandoli::installFontSubstitutions();
    if (command) {
        return zandoli::commandLine::run(QCoreApplication::arguments());
    }
    // Every window is built at the scale this gives, so it comes first.
    zandoli::chooseScale(zandoli::chooseFullScreen(QCoreApplication::arguments()));

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
