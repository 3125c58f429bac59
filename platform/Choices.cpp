#include "platform/Platform.h"

namespace zandoli {

namespace {

const QString EXPLAIN = QStringLiteral("explainMistakes");

}  // namespace

bool explainMistakes() {
    // On until a player turns it off: explanations are what a child learns
    // most from.
    return userSettings().value(EXPLAIN, true).toBool();
}

void setExplainMistakes(bool on) {
    userSettings().setValue(EXPLAIN, on);
}

}  // namespace zandoli
