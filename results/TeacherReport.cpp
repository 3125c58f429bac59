#include "results/TeacherReport.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

#include "language/Numbers.h"
#include "look/Colours.h"
#include "platform/ScreenLook.h"
#include "record/Exchange.h"
#include "results/ConfusionWords.h"
#include "results/MistakeView.h"
#include "results/ReportWords.h"
#include "results/ResultsChart.h"
#include "results/ResultsLegend.h"
#include "results/ResultsWords.h"

namespace zandoli {

namespace {

constexpr int MARGIN_MM = 15;
constexpr int SHOWN_WEEKS = 8;
constexpr int SHOWN_MISTAKES = 6;
constexpr int PANEL_PADDING = 12;
// The chart's, the legend's and a mistake's size on the results screen.
constexpr QSize CHART_SHOWN(420, 144);
constexpr QSize LEGEND_SHOWN(360, 32);
constexpr QSize MISTAKE_SHOWN(344, 44);
constexpr double MISTAKE_MAGNIFIED = 1.35;
// The faces of the results screen at scale 1, in pixels.
constexpr int CHART_PIXELS = 15;
constexpr int MISTAKE_PIXELS = 14;

QFont face(int pixels, bool bold) {
    QFont font(screenLook::ARIAL);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

int scaleTop(const PlayerResults& results) {
    int top = 1;
    for (const FormCounts& form : results.forms) {
        top = std::max({top, form.matched, form.wrong, form.missed});
    }
    return top;
}

// A widget of the results screen, drawn as it is there at `by` times its
// size at scale 1 (its faces `by` times theirs too); the size it took.
QSize drawWidget(QPainter& painter, QWidget& widget, QSize shown, double by, QPoint at) {
    const QSize size = (QSizeF(shown) * by).toSize();
    widget.resize(size);
    widget.render(&painter, at, QRegion(), QWidget::DrawChildren);
    return size;
}

QFont magnified(int pixels, double by) {
    return face(static_cast<int>(pixels * by), true);
}

// A text line or paragraph, and the height it took.
int drawText(QPainter& painter, const QRect& width, const QString& text, const QFont& font) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect used = painter.boundingRect(width, Qt::TextWordWrap, text);
    painter.drawText(used, Qt::TextWordWrap, text);
    return used.height();
}

// The pupil's name, the period and the totals at the top of the page;
// where they end.
int paintHeading(QPainter& painter, const QRect& page, const report::Pupil& pupil,
                 const report::Period& period) {
    const QRect line(page.left(), 0, page.width(), page.height());
    int y = page.top();
    y += drawText(painter, line.translated(0, y), reportWords::pupilPageHeading(pupil),
                  face(24, true));
    y += drawText(painter, line.translated(0, y + 4), reportWords::periodText(period, pupil.games),
                  face(14, false)) +
         4;
    if (const QString lessons = reportWords::lessonsText(pupil); !lessons.isEmpty()) {
        y += drawText(painter, line.translated(0, y + 4), lessons, face(14, false)) + 4;
    }
    QString totals = resultsWords::totalsText(pupil.results);
    totals.replace(QLatin1Char('\n'), QStringLiteral(", "));
    y += drawText(painter, line.translated(0, y + 4),
                  totals + QStringLiteral(", ") + resultsWords::spinsText(pupil.results.spins),
                  face(14, true)) +
         12;
    return y;
}

// The chart as the results screen draws it, on the table's colour, from `y`
// down; where it ends.
int paintChart(QPainter& painter, const QRect& page, int y, const PlayerResults& results) {
    const double chartBy = (page.width() - 2.0 * PANEL_PADDING) / CHART_SHOWN.width();
    const int legendHeight = static_cast<int>(LEGEND_SHOWN.height() * chartBy);
    const int chartHeight = static_cast<int>(CHART_SHOWN.height() * chartBy);
    const QRect panel(page.left(), y, page.width(), legendHeight + chartHeight + 3 * PANEL_PADDING);
    painter.fillRect(panel, look::TABLE_BACKGROUND.to<QColor>());
    ResultsLegend legend(nullptr);
    legend.setFont(magnified(CHART_PIXELS, chartBy));
    drawWidget(painter, legend, LEGEND_SHOWN, chartBy,
               panel.topLeft() + QPoint(PANEL_PADDING, PANEL_PADDING));
    ResultsChart chart(nullptr);
    chart.setFont(magnified(CHART_PIXELS, chartBy));
    chart.setResults(results, look::player(results.colour).colour.to<QColor>(), scaleTop(results));
    drawWidget(painter, chart, CHART_SHOWN, chartBy,
               panel.topLeft() + QPoint(PANEL_PADDING, 2 * PANEL_PADDING + legendHeight));
    return panel.bottom();
}

// The last weeks, a line each with the change from the week before, from
// `y` down; where they end.
int paintWeeks(QPainter& painter, const QRect& line, int y, const report::Pupil& pupil) {
    y += drawText(painter, line.translated(0, y),
                  QCoreApplication::translate("Report", "Week by week"), face(16, true)) +
         4;
    const auto first =
        pupil.weeks.size() > SHOWN_WEEKS ? pupil.weeks.end() - SHOWN_WEEKS : pupil.weeks.begin();
    for (auto week = first; week != pupil.weeks.end(); ++week) {
        const report::Week* before = week == pupil.weeks.begin() ? nullptr : &*(week - 1);
        y += drawText(painter, line.translated(0, y), reportWords::weekText(*week, before),
                      face(12, false)) +
             2;
    }
    return y;
}

// The mistakes one under the other, each the spinner's shape beside the
// card, as many as the page has room for below `y`.
void paintMistakes(QPainter& painter, const QRect& page, int y, const PlayerResults& results) {
    const QRect line(page.left(), 0, page.width(), page.height());
    y += drawText(painter, line.translated(0, y), QCoreApplication::translate("Report", "Mistakes"),
                  face(16, true)) +
         4;
    if (results.mistakes.empty()) {
        drawText(painter, line.translated(0, y),
                 QCoreApplication::translate("Results", "No mistakes"), face(12, false));
        return;
    }
    const QSize each = (QSizeF(MISTAKE_SHOWN) * MISTAKE_MAGNIFIED).toSize();
    const int room = (page.bottom() - y - PANEL_PADDING) / (each.height() + PANEL_PADDING);
    const int shown = std::min({SHOWN_MISTAKES, room, static_cast<int>(results.mistakes.size())});
    painter.fillRect(QRect(page.left(), y, page.width(),
                           shown * (each.height() + PANEL_PADDING) + PANEL_PADDING),
                     look::TABLE_BACKGROUND.to<QColor>());
    for (int i = 0; i < shown; ++i) {
        MistakeView view(nullptr);
        view.setTextFont(magnified(MISTAKE_PIXELS, MISTAKE_MAGNIFIED));
        view.setMistake(results.mistakes[static_cast<size_t>(i)], results.colour);
        drawWidget(painter, view, MISTAKE_SHOWN, MISTAKE_MAGNIFIED,
                   QPoint(page.left() + PANEL_PADDING,
                          y + PANEL_PADDING + i * (each.height() + PANEL_PADDING)));
    }
}

// The confusions, a line each, and those resolved in the period; where
// they end.
int paintConfusions(QPainter& painter, const QRect& line, int y, const report::Pupil& pupil) {
    if (pupil.confusions.empty()) {
        return y;
    }
    y += drawText(painter, line.translated(0, y),
                  QCoreApplication::translate("Report", "Confusions"), face(16, true)) +
         4;
    for (const Confusion& confusion : pupil.confusions) {
        y += drawText(painter, line.translated(0, y), confusionWords::sentence(confusion),
                      face(12, false)) +
             2;
    }
    return y;
}

}  // namespace

void paintPupilPage(QPainter& painter, const QRect& page, const report::Pupil& pupil,
                    const report::Period& period, const QString& above) {
    const QRect line(page.left(), 0, page.width(), page.height());
    const int summary = above.isEmpty() ? 0 : drawText(painter, page, above, face(14, true)) + 16;
    int y = paintHeading(painter, page.adjusted(0, summary, 0, 0), pupil, period);
    if (const QString resolved =
            confusionWords::resolvedBetween(pupil.confusions, period.fromMs, period.toMs);
        !resolved.isEmpty()) {
        y += drawText(painter, line.translated(0, y), resolved, face(14, true)) + 12;
    }
    y = paintChart(painter, page, y, pupil.results) + 16;
    y = paintWeeks(painter, line, y, pupil) + 14;
    y = paintConfusions(painter, line, y, pupil) + 14;
    paintMistakes(painter, page, y, pupil.results);
}

QPageLayout reportLayout() {
    return QPageLayout(QPageSize(reportPaper()), QPageLayout::Portrait,
                       QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                       QPageLayout::Millimeter);
}

QPageSize::PageSizeId reportPaper() {
    // The paper in the printer is the country's, not the language's: a
    // teacher in London reads English on A4.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                              : QPageSize::A4;
}

exchange::Outcome writeTeacherReport(const QString& record, const QString& file,
                                     const report::Period& period, const QString& pupil) {
    const auto read = report::readPupils(record, period, pupil);
    if (read.failed()) {
        return {.ok = false, .message = exchange::unreadable()};
    }
    const std::vector<report::Pupil>& pupils = read.value;
    if (pupils.empty()) {
        return {.ok = false,
                .message = pupil.isEmpty() ? QCoreApplication::translate(
                                                 "Report", "no game was recorded in this period")
                                           : QCoreApplication::translate(
                                                 "Report", "%1 played no game in this period")
                                                 .arg(pupil)};
    }
    return writeTeacherReport(pupils, file, period);
}

exchange::Outcome writeTeacherReport(const std::vector<report::Pupil>& pupils, const QString& file,
                                     const report::Period& period) {
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return {.ok = false,
                .message = QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    }
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(REPORT_DOTS_PER_INCH);
        pdf.setTitle(QCoreApplication::translate("Report", "Zandoli? report"));
        pdf.setCreator(QStringLiteral("Zandoli?"));
        pdf.setPageLayout(reportLayout());
        QPainter painter(&pdf);
        const QRect page(QPoint(0, 0),
                         pdf.pageLayout().paintRectPixels(REPORT_DOTS_PER_INCH).size());
        for (size_t i = 0; i < pupils.size(); ++i) {
            if (i > 0) {
                pdf.newPage();
            }
            paintPupilPage(painter, page, pupils[i], period,
                           i == 0 ? reportWords::classSummary(pupils, period) : QString());
        }
    }
    if (!out.commit()) {
        return {.ok = false,
                .message = QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    }
    const int count = static_cast<int>(pupils.size());
    return {
        .ok = true,
        .message =
            count == 1
                ? QCoreApplication::translate("Report", "wrote a page for 1 pupil to %1").arg(file)
                : QCoreApplication::translate("Report",
                                              "wrote a page for each of %1 "
                                              "pupils to %2")
                      .arg(numbers::count(count), file)};
}

}  // namespace zandoli
