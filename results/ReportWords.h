#pragma once

#include <QString>
#include <vector>

#include "record/Report.h"

// The teacher's report in words: the lines of a pupil's page that the PDF
// prints beside its pictures and a screen reader reads on the report screen.
namespace zandoli::reportWords {

// "Games since 7 December 2026: 2 games", or "All games recorded: ...".
QString periodText(const report::Period& period, int games);
// The lessons the pupil's games were played under, with their games; empty
// when every game was the standard one, which needs no word.
QString lessonsText(const report::Pupil& pupil);
// "Week of 7 December 2026: 3 matched, ...", and its change from `before`.
QString weekText(const report::Week& week, const report::Week* before);

// What the first page of a report of several pupils says above the first:
// the confusions each pupil resolved in the period ("Resolved in this
// period: Ana: 0.7 (tile) for 0.3. Bo: ..."); empty for one pupil, whose
// page says it, and when none was resolved.
QString classSummary(const std::vector<report::Pupil>& pupils, const report::Period& period);
// The page's heading, "Zandoli? — what Ana learned", and the rest of it in
// words, a line for each thing it shows, as a screen reader reads it.
QString pupilPageHeading(const report::Pupil& pupil);
QString pupilPageText(const report::Pupil& pupil, const report::Period& period);

}  // namespace zandoli::reportWords
