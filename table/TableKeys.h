#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

// The table's shortcut keys, each named once: the screen binds them, the
// descriptions and tooltips show them.
namespace zandoli::tableKeys {

inline const QKeySequence SPIN(Qt::Key_S);
inline const QKeySequence NEXT_PLAYER(Qt::Key_N);
inline const QKeySequence TAKE_CARD(Qt::Key_P);
inline const QKeySequence NEW_GAME(Qt::Key_F2);
inline const QKeySequence RULES(Qt::Key_F1);
inline const QKeySequence RESULTS(Qt::Key_R);

// A key as a player reads it: "S", "F2".
inline QString shown(const QKeySequence& key) {
    return key.toString(QKeySequence::NativeText);
}

}  // namespace zandoli::tableKeys
