#pragma once

#include <QString>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "record/Confusions.h"
#include "record/Exchange.h"
#include "record/GameResults.h"
#include "record/Sql.h"

namespace zandoli::report {

// The games a report covers: those started in [fromMs, toMs), milliseconds
// since 1970, UTC.
struct Period {
    int64_t fromMs = 0;
    int64_t toMs = INT64_MAX;
    // Only the games of the teacher's lesson of this name; empty: every game.
    QString lesson{};
};

enum class PeriodKind { Today, Week, Term, All };

// The period of that kind that holds `nowMs`, in local time: today from
// midnight, this week from Monday, this term as the last twelve weeks
// (schools' terms differ too much to name their dates), or everything.
Period periodOf(PeriodKind kind, int64_t nowMs);
// "today", "week", "term", "all".
std::optional<PeriodKind> periodNamed(const QString& name);

// One week of a pupil's choices: the Monday it starts on ("2026-12-07").
struct Week {
    std::string monday;
    FormCounts all;
};

// What the record says of one pupil over a period. A pupil is a name: the
// same name on any machine or seat is the same child. Players who gave no
// name are one pupil per colour.
struct Pupil {
    PlayerResults results;  // name and colour, and every game's cards together
    int games = 0;
    // The lessons those games were played under, each with its games, most
    // played first; the standard lesson's name is empty.
    std::vector<std::pair<std::string, int>> lessons;
    std::vector<Week> weeks;
    // A named pupil's confusions over the whole record, as they stand now.
    std::vector<Confusion> confusions;
};

// Every pupil who played in the period, named ones first in the order of
// their names; or the one named `only`. No record is no pupil; a record
// that cannot be read is a failed reading.
sql::Reading<std::vector<Pupil>> readPupils(const QString& record, const Period& period,
                                            const QString& only = {});

// The choices of the period as CSV, one row a choice, for a spreadsheet;
// written beside `file` and renamed over it, or not at all when the record
// cannot be read.
exchange::Outcome exportChoices(const QString& record, const QString& file, const Period& period);

}  // namespace zandoli::report
