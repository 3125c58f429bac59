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
    keepChoice(SETTING, on);
}

QList<QKeySequence> fullScreenKeys() {
    QList<QKeySequence> keys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!keys.contains(QKeySequence(Qt::Key_F11))) {
        keys.prepend(QKeySequence(Qt::Key_F11));
    }
    return keys;
}

bool chooseFullScreen(std::optional<bool> asked) {
    if (asked) {
        setFullScreen(*asked);
    } else {
        filling() = userSettings().value(SETTING, false).toBool();
    }
    return fullScreen();
}

}  // namespace zandoli
