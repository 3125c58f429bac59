#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <functional>

#include "record/GameResults.h"

namespace zandoli::recordQueries {

// The games a reading counts, as a common table `mine` with the game,
// the colour and `who`, the player that colour's choices count for: each
// colour of one game for itself, or one pupil's seats over a period, all
// for one. Only colours that have a tally (that made a choice) count.
struct Scope {
    QString with;  // "WITH mine AS (SELECT game, colour, ... AS who FROM ...)"
    QVariantList binds;
};

// The player a row's `who` counts for, or none to skip the row.
using PlayerOf = std::function<PlayerResults*(int who)>;
// A week's matched, wrong and missed cards of a player, a game's all in the
// week it began: the week as weeks since Monday 29 December 1969, in the
// zone `offsetMs` from UTC; each player's weeks in order.
using PerWeek = std::function<void(int who, int64_t week, const FormCounts& cards)>;

// Each player's spins and the cards matched, wrong and missed by form, from
// the tallies; and from the rows of wrong and missed cards the mistakes:
// wrong cards grouped by the rule that names them and cards passed by by
// the value and form of the card (so that "three quarters as a tile" missed
// twice is one line), each group with its first row as its example, the
// most frequent first. The error of the first query that failed, or none.
QSqlError readResults(const QSqlDatabase& db, const Scope& scope, const PlayerOf& playerOf,
                      const PerWeek& perWeek = {}, int64_t offsetMs = 0);

}  // namespace zandoli::recordQueries
