#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

#include "record/GameResults.h"

namespace zandoli::recordQueries {

// The rows a reading counts, as a common table `mine` of the event table's
// columns and `who`, the player a row counts for: a game's rows each for
// its colour, or one pupil's rows over a period, all for one.
struct Scope {
    QString with;  // "WITH mine AS (SELECT event.*, ... AS who FROM event ...)"
    QVariantList binds;
};

// The player a row's `who` counts for, or none to skip the row.
using PlayerOf = std::function<PlayerResults*(int who)>;

// The spins and the cards matched, wrong and missed by form.
void readCounts(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf);

// Wrong cards grouped by the rule that names them; cards passed by, by the
// value and form of the card, so that "three quarters as a tile" missed
// twice is one line. Each group's first row is its example; the most
// frequent first.
void readMistakes(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf);

}  // namespace zandoli::recordQueries
