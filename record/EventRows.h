#pragma once

#include <QString>
#include <QVariant>
#include <QVariantList>

#include "record/Records.h"

namespace zandoli::eventRows {

// `value` when `present`, else NULL.
QVariant orNull(bool present, const QVariant& value);
// The row of the event table that says what `entry` says of game `game`.
QVariantList eventRow(qint64 game, const RecordEntry& entry);
// The statement that adds what the row adds to its colour's tally, bound to
// the game and the colour.
QString tallyStatement(const RecordEntry& entry);

}  // namespace zandoli::eventRows
