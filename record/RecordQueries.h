#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>
#include <functional>

#include "record/GameResults.h"

namespace zandoli::recordQueries {

// The rows a reading counts, as a common table `mine` with the event
// table's id, at_ms, what, card_form, card_value and mistake, and `who`, the
// player a row counts for: a game's rows each for its colour, or one
// pupil's rows over a period, all for one.
struct Scope {
    QString with;  // "WITH mine AS (SELECT ..., ... AS who FROM event ...)"
    QVariantList binds;
};

// The player a row's `who` counts for, or none to skip the row.
using PlayerOf = std::function<PlayerResults*(int who)>;
// A week's matched, wrong and missed cards of every player read: the week
// as weeks since Monday 29 December 1969, in the zone `offsetMs` from UTC.
using PerWeek = std::function<void(int64_t week, const FormCounts& cards)>;

// In one pass over the rows: each player's spins, the cards matched, wrong
// and missed by form, and the mistakes, wrong cards grouped by the rule that
// names them and cards passed by by the value and form of the card (so that
// "three quarters as a tile" missed twice is one line), each group with its
// first row as its example, the most frequent first.
void readResults(QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                 const PerWeek& perWeek = {}, int64_t offsetMs = 0);

}  // namespace zandoli::recordQueries
