#include <QSettings>

#include "platform/Platform.h"

namespace zandoli {

namespace {

const QString SETTING = QStringLiteral("fullscreen");

// The same file as the language's choice ($XDG_CONFIG_HOME/zandoli/zandoli.ini).
QSettings settings() {
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("zandoli"),
                     QStringLiteral("zandoli"));
}

bool& filling() {
    static bool on = false;
    return on;
}

}  // namespace

bool fullScreen() {
    return filling();
}

void setFullScreen(bool on) {
    filling() = on;
    settings().setValue(SETTING, on);
}

bool chooseFullScreen(const QStringList& arguments) {
    // The last of the two options on the line wins, as with most programs.
    for (qsizetype i = arguments.size() - 1; i > 0; --i) {
        if (arguments[i] == QLatin1String("--fullscreen") ||
            arguments[i] == QLatin1String("--windowed")) {
            setFullScreen(arguments[i] == QLatin1String("--fullscreen"));
            return fullScreen();
        }
    }
    filling() = settings().value(SETTING, false).toBool();
    return fullScreen();
}

}  // namespace zandoli
