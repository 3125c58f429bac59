#pragma once

#include <QPageLayout>
#include <QPageSize>
#include <QString>

#include "record/Report.h"

class QPainter;
class QRect;

namespace zandoli {

// The teacher's report as a PDF for printing: a page for each pupil of the
// period (or for the one named), in the game's language and notation, with
// the chart of the results screen, the week-by-week trend and the named
// mistakes drawn as the spinner's shape beside the card. Written beside
// `file` and renamed over it.
exchange::Outcome writeTeacherReport(const QString& record, const QString& file,
                                     const report::Period& period, const QString& pupil = {});

// The same of pupils already read.
exchange::Outcome writeTeacherReport(const std::vector<report::Pupil>& pupils, const QString& file,
                                     const report::Period& period);

// The report's pages are laid out in pixels of 1/96 inch, as they print.
inline constexpr int REPORT_DOTS_PER_INCH = 96;

// A pupil's page, in pixels of 1/96 inch: `page` is the paper within its
// margins; `above`, on the report's first page, is drawn over it. The PDF
// prints it; the report screen shows it.
void paintPupilPage(QPainter& painter, const QRect& page, const report::Pupil& pupil,
                    const report::Period& period, const QString& above = {});
// The report's paper and margins.
QPageLayout reportLayout();
// A4, or Letter where the desktop's country measures in inches.
QPageSize::PageSizeId reportPaper();

}  // namespace zandoli
