#include "screens/TeacherReport.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <algorithm>

#include "language/Language.h"
#include "language/Numbers.h"
#include "look/Colours.h"
#include "screens/MistakeView.h"
#include "screens/ResultsChart.h"
#include "screens/ResultsLegend.h"
#include "screens/ResultsWords.h"
#include "screens/ScreenLook.h"

namespace zandoli {

namespace {

// The page is laid out in pixels of 1/96 inch.
constexpr int DOTS_PER_INCH = 96;
constexpr int MARGIN_MM = 15;
constexpr int SHOWN_WEEKS = 12;
constexpr int SHOWN_MISTAKES = 6;
constexpr int PANEL_PADDING = 12;

QString translated(const char* text) {
    return QCoreApplication::translate("Report", text);
}

QFont face(int pixels, bool bold) {
    QFont font(screenLook::ARIAL);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString day(const QDate& date) {
    return language::locale().toString(date, translated("d MMMM yyyy"));
}

QString periodText(const report::Period& period, int games) {
    const QString count =
        games == 1 ? translated("1 game") : translated("%1 games").arg(numbers::count(games));
    if (period.fromMs <= 0) {
        return translated("All games recorded: %1").arg(count);
    }
    return translated("Games since %1: %2")
        .arg(day(QDateTime::fromMSecsSinceEpoch(period.fromMs).date()), count);
}

// A change from one week to the next, signed: "+2", "−1", "±0".
QString change(int now, int before) {
    const int by = now - before;
    return by > 0   ? QStringLiteral("+") + numbers::count(by)
           : by < 0 ? QStringLiteral("\u2212") + numbers::count(-by)
                    : QStringLiteral("\u00b10");
}

QString weekText(const report::Week& week, const report::Week* before) {
    const QDate monday = QDate::fromString(QString::fromStdString(week.monday), Qt::ISODate);
    QString text = translated("Week of %1: %2 matched, %3 wrong, %4 missed")
                       .arg(day(monday), numbers::count(week.all.matched),
                            numbers::count(week.all.wrong), numbers::count(week.all.missed));
    if (before != nullptr) {
        text +=
            QLatin1Char(' ') + translated("(%1 matched, %2 wrong, %3 missed on the week before)")
                                   .arg(change(week.all.matched, before->all.matched),
                                        change(week.all.wrong, before->all.wrong),
                                        change(week.all.missed, before->all.missed));
    }
    return text;
}

int scaleTop(const PlayerResults& results) {
    int top = 1;
    for (const FormCounts& form : results.forms) {
        top = std::max({top, form.matched, form.wrong, form.missed});
    }
    return top;
}

// Draws a widget of the results screen at `place`, on the page.
void drawWidget(QPainter& painter, QWidget& widget, const QRect& place) {
    widget.resize(place.size());
    widget.render(&painter, place.topLeft(), QRegion(), QWidget::DrawChildren);
}

// A text line or paragraph, and the height it took.
int drawText(QPainter& painter, const QRect& width, const QString& text, const QFont& font) {
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QRect used = painter.boundingRect(width, Qt::TextWordWrap, text);
    painter.drawText(used, Qt::TextWordWrap, text);
    return used.height();
}

void drawPupil(QPainter& painter, const QRect& page, const report::Pupil& pupil,
               const report::Period& period) {
    const PlayerResults& results = pupil.results;
    const look::Player& player = look::player(results.colour);
    int y = page.top();
    const QRect line(page.left(), 0, page.width(), page.height());
    y += drawText(painter, line.translated(0, y),
                  translated("Zandoli? — what %1 learned").arg(resultsWords::playerName(results)),
                  face(24, true));
    y += drawText(painter, line.translated(0, y + 4), periodText(period, pupil.games),
                  face(14, false)) +
         4;
    QString totals = resultsWords::totalsText(results);
    totals.replace(QLatin1Char('\n'), QStringLiteral(", "));
    y += drawText(painter, line.translated(0, y + 4),
                  totals + QStringLiteral(", ") + resultsWords::spinsText(results.spins),
                  face(14, true)) +
         12;

    // The chart as the results screen draws it, on the table's colour.
    const QRect panel(page.left(), y, page.width(), 250);
    painter.fillRect(panel, look::TABLE_BACKGROUND.to<QColor>());
    ResultsChart chart(nullptr);
    chart.setFont(face(13, true));
    chart.setResults(results, player.colour.to<QColor>(), scaleTop(results));
    drawWidget(painter, chart,
               panel.adjusted(PANEL_PADDING, PANEL_PADDING + 30, -PANEL_PADDING, -PANEL_PADDING));
    ResultsLegend legend(nullptr);
    legend.setFont(face(13, true));
    drawWidget(painter, legend,
               QRect(panel.left() + PANEL_PADDING, panel.top() + 6, panel.width() / 2, 26));
    y = panel.bottom() + 16;

    y += drawText(painter, line.translated(0, y), translated("Week by week"), face(16, true)) + 4;
    const auto first =
        pupil.weeks.size() > SHOWN_WEEKS ? pupil.weeks.end() - SHOWN_WEEKS : pupil.weeks.begin();
    for (auto week = first; week != pupil.weeks.end(); ++week) {
        const report::Week* before = week == pupil.weeks.begin() ? nullptr : &*(week - 1);
        y += drawText(painter, line.translated(0, y), weekText(*week, before), face(12, false)) + 2;
    }
    y += 14;

    y += drawText(painter, line.translated(0, y), translated("Mistakes"), face(16, true)) + 4;
    if (results.mistakes.empty()) {
        drawText(painter, line.translated(0, y),
                 QCoreApplication::translate("Results", "No mistakes"), face(12, false));
        return;
    }
    // Two columns of examples, each the spinner's shape beside the card.
    const int shown = std::min<int>(SHOWN_MISTAKES, static_cast<int>(results.mistakes.size()));
    const int rows = (shown + 1) / 2;
    const int height = std::min(130, (page.bottom() - y) / std::max(1, rows));
    painter.fillRect(QRect(page.left(), y, page.width(), rows * height),
                     look::TABLE_BACKGROUND.to<QColor>());
    for (int i = 0; i < shown; ++i) {
        MistakeView view(nullptr);
        view.setTextFont(face(13, true));
        view.setMistake(results.mistakes[static_cast<size_t>(i)], results.colour);
        const QRect place(page.left() + (i % 2) * page.width() / 2, y + (i / 2) * height,
                          page.width() / 2, height);
        drawWidget(painter, view, place.adjusted(6, 6, -6, -6));
    }
}

}  // namespace

QPageSize::PageSizeId reportPaper() {
    return language::locale().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize::Letter
                                                                               : QPageSize::A4;
}

exchange::Outcome writeTeacherReport(const QString& record, const QString& file,
                                     const report::Period& period, const QString& pupil) {
    const std::vector<report::Pupil> pupils = report::readPupils(record, period, pupil);
    if (pupils.empty()) {
        return {.ok = false,
                .message = pupil.isEmpty() ? QCoreApplication::translate(
                                                 "Report", "no game was recorded in this period")
                                           : QCoreApplication::translate(
                                                 "Report", "%1 played no game in this period")
                                                 .arg(pupil)};
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return {.ok = false,
                .message = QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    }
    {
        QPdfWriter pdf(&out);
        pdf.setResolution(DOTS_PER_INCH);
        pdf.setTitle(translated("Zandoli? report"));
        pdf.setCreator(QStringLiteral("Zandoli?"));
        pdf.setPageLayout(QPageLayout(QPageSize(reportPaper()), QPageLayout::Portrait,
                                      QMarginsF(MARGIN_MM, MARGIN_MM, MARGIN_MM, MARGIN_MM),
                                      QPageLayout::Millimeter));
        QPainter painter(&pdf);
        const QRect page(QPoint(0, 0), pdf.pageLayout().paintRectPixels(DOTS_PER_INCH).size());
        for (size_t i = 0; i < pupils.size(); ++i) {
            if (i > 0) {
                pdf.newPage();
            }
            drawPupil(painter, page, pupils[i], period);
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
