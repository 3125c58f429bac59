#include "results/ReportWords.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QStringList>

#include "engine/Lesson.h"
#include "language/Language.h"
#include "language/Numbers.h"
#include "platform/Choices.h"
#include "record/Exchange.h"
#include "results/ConfusionWords.h"
#include "results/ResultsWords.h"

namespace zandoli::reportWords {

namespace {

QString day(const QDate& date) {
    return language::locale().toString(date, QCoreApplication::translate("Report", "d MMMM yyyy"));
}

// A change from one week to the next, signed: "+2", "−1", "±0".
QString change(int now, int before) {
    const int by = now - before;
    return by > 0   ? QStringLiteral("+") + numbers::count(by)
           : by < 0 ? QStringLiteral("\u2212") + numbers::count(-by)
                    : QStringLiteral("\u00b10");
}

}  // namespace

QString periodText(const report::Period& period, int games) {
    const QString count = exchange::games(games);
    if (period.fromMs <= 0) {
        return QCoreApplication::translate("Report", "All games recorded: %1").arg(count);
    }
    return QCoreApplication::translate("Report", "Games since %1: %2")
        .arg(day(QDateTime::fromMSecsSinceEpoch(period.fromMs).date()), count);
}

QString lessonsText(const report::Pupil& pupil) {
    if (pupil.lessons.empty() ||
        (pupil.lessons.size() == 1 && pupil.lessons.front().first.empty())) {
        return {};
    }
    QStringList lessons;
    for (const auto& [name, games] : pupil.lessons) {
        const QString shown =
            name.empty() ? choices::lessonName(everyValueLesson()) : QString::fromStdString(name);
        lessons
            << QCoreApplication::translate("Report", "%1 (%2)").arg(shown, exchange::games(games));
    }
    return QCoreApplication::translate("Report", "Lessons: %1")
        .arg(lessons.join(QStringLiteral(", ")));
}

QString weekText(const report::Week& week, const report::Week* before) {
    const QDate monday = QDate::fromString(QString::fromStdString(week.monday), Qt::ISODate);
    QString text =
        QCoreApplication::translate("Report", "Week of %1: %2 matched, %3 wrong, %4 missed")
            .arg(day(monday), numbers::count(week.all.matched), numbers::count(week.all.wrong),
                 numbers::count(week.all.missed));
    if (before != nullptr) {
        text +=
            QLatin1Char(' ') + QCoreApplication::translate(
                                   "Report", "(%1 matched, %2 wrong, %3 missed on the week before)")
                                   .arg(change(week.all.matched, before->all.matched),
                                        change(week.all.wrong, before->all.wrong),
                                        change(week.all.missed, before->all.missed));
    }
    return text;
}

QString classSummary(const std::vector<report::Pupil>& pupils, const report::Period& period) {
    QStringList lines;
    for (const report::Pupil& pupil : pupils) {
        const QString resolved =
            confusionWords::resolvedBetween(pupil.confusions, period.fromMs, period.toMs);
        if (pupils.size() > 1 && !resolved.isEmpty()) {
            lines << QCoreApplication::translate("Report", "%1: %2")
                         .arg(resultsWords::playerName(pupil.results), resolved);
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString pupilPageText(const report::Pupil& pupil, const report::Period& period) {
    const PlayerResults& results = pupil.results;
    QStringList lines{periodText(period, pupil.games)};
    if (const QString lessons = lessonsText(pupil); !lessons.isEmpty()) {
        lines << lessons;
    }
    if (const QString resolved =
            confusionWords::resolvedBetween(pupil.confusions, period.fromMs, period.toMs);
        !resolved.isEmpty()) {
        lines << resolved;
    }
    lines << resultsWords::chartText(results);
    for (auto week = pupil.weeks.begin(); week != pupil.weeks.end(); ++week) {
        lines << weekText(*week, week == pupil.weeks.begin() ? nullptr : &*(week - 1));
    }
    for (const Confusion& confusion : pupil.confusions) {
        lines << confusionWords::sentence(confusion);
    }
    if (results.mistakes.empty()) {
        lines << QCoreApplication::translate("Results", "No mistakes");
    }
    for (const MistakeExample& mistake : results.mistakes) {
        lines << resultsWords::mistakeText(mistake);
    }
    return lines.join(QLatin1Char('\n'));
}

QString pupilPageHeading(const report::Pupil& pupil) {
    return QCoreApplication::translate("Report", "Zandoli? — what %1 learned")
        .arg(resultsWords::playerName(pupil.results));
}

}  // namespace zandoli::reportWords
