#include "platform/Platform.h"

namespace zandoli {

namespace {

const QString SETTING = QStringLiteral("fullscreen");

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
    userSettings().setValue(SETTING, on);
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
    filling() = userSettings().value(SETTING, false).toBool();
    return fullScreen();
}

}  // namespace zandoli
