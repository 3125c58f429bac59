#pragma once

#include <QPageSize>
#include <QString>

#include "record/Report.h"

namespace zandoli {

// The teacher's report as a PDF for printing: a page for each pupil of the
// period (or for the one named), in the game's language and notation, with
// the chart of the results screen, the week-by-week trend and the named
// mistakes drawn as the spinner's shape beside the card. Written beside
// `file` and renamed over it.
exchange::Outcome writeTeacherReport(const QString& record, const QString& file,
                                     const report::Period& period, const QString& pupil = {});

// A4, or Letter where the desktop's country measures in inches.
QPageSize::PageSizeId reportPaper();

}  // namespace zandoli
