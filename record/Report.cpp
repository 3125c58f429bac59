#include "record/Report.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>
#include <atomic>

#include "record/Connection.h"
#include "record/RecordQueries.h"
#include "record/RecordStore.h"

namespace zandoli::report {

namespace {

constexpr int TERM_WEEKS = 12;

// The record read and never written; a missing one is not made.
const QString READ_ONLY = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000");

QSqlQuery run(const QSqlDatabase& db, const QString& sql, const QVariantList& binds) {
    QSqlQuery query(db);
    query.prepare(sql);
    for (const QVariant& value : binds) {
        query.addBindValue(value);
    }
    query.exec();
    return query;
}

// The seats of the period that made a choice (that have a tally), each with
// its pupil: a name, or for a seat without one its colour (c). A seat first,
// then its game and tally by their keys.
const QString SEATED = QStringLiteral(
    "WITH seated AS (SELECT s.game, s.colour, s.name, CASE WHEN s.name IS NULL THEN s.colour ELSE "
    "-1 END AS c FROM seat s CROSS JOIN game g CROSS JOIN tally t WHERE g.id = s.game AND t.game "
    "= s.game AND t.colour = s.colour AND g.started_ms >= ? AND g.started_ms < ? AND (? IS NULL "
    "OR s.name = ?))");
// The report's order of pupils: names, alphabetically, then colours.
const QString PUPIL_ORDER = QStringLiteral("name IS NULL, name, c");

// A field as a spreadsheet reads it, and never as a formula: text that
// starts as one would is kept as text by a leading apostrophe.
QString field(QString text) {
    if (!text.isEmpty() && QStringLiteral("=+-@\t\r").contains(text.front())) {
        text.prepend(QLatin1Char('\''));
    }
    if (text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'))) {
        text.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        text = QLatin1Char('"') + text + QLatin1Char('"');
    }
    return text;
}

// A moment in local time with its offset from UTC: 2026-12-08T09:30:00+01:00.
QString moment(qint64 ms) {
    const QDateTime local = QDateTime::fromMSecsSinceEpoch(ms);
    return local.toOffsetFromUtc(local.offsetFromUtc()).toString(Qt::ISODate);
}

}  // namespace

Period periodOf(PeriodKind kind, int64_t nowMs) {
    const QDateTime now = QDateTime::fromMSecsSinceEpoch(nowMs);
    const QDate today = now.date();
    const QDate monday = today.addDays(1 - today.dayOfWeek());
    switch (kind) {
        case PeriodKind::Today:
            return {today.startOfDay().toMSecsSinceEpoch(), INT64_MAX};
        case PeriodKind::Week:
            return {monday.startOfDay().toMSecsSinceEpoch(), INT64_MAX};
        case PeriodKind::Term:
            return {monday.addDays(-7 * (TERM_WEEKS - 1)).startOfDay().toMSecsSinceEpoch(),
                    INT64_MAX};
        case PeriodKind::All:
            break;
    }
    return {};
}

std::optional<PeriodKind> periodNamed(const QString& name) {
    const std::pair<const char*, PeriodKind> names[] = {{"today", PeriodKind::Today},
                                                        {"week", PeriodKind::Week},
                                                        {"term", PeriodKind::Term},
                                                        {"all", PeriodKind::All}};
    for (const auto& [word, kind] : names) {
        if (name == QLatin1String(word)) {
            return kind;
        }
    }
    return std::nullopt;
}

std::vector<Pupil> readPupils(const QString& record, const Period& period, const QString& only) {
    std::vector<Pupil> pupils;
    if (!RecordStore::upToDate(record)) {
        return pupils;
    }
    const Connection reading("report", record, READ_ONLY);
    if (!reading.opened()) {
        return pupils;
    }
    QSqlDatabase db = reading.db();
    // Days are the school's: in this zone, as it stands now.
    const int64_t offsetMs = QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
    const QVariant name = only.isEmpty() ? QVariant() : QVariant(only);
    const QVariantList binds{static_cast<qint64>(period.fromMs), static_cast<qint64>(period.toMs),
                             name, name};
    QSqlQuery found = run(db,
                          SEATED +
                              QStringLiteral(" SELECT name, c, COUNT(DISTINCT game) FROM "
                                             "seated GROUP BY name, c ORDER BY ") +
                              PUPIL_ORDER,
                          binds);
    while (found.next()) {
        Pupil& pupil = pupils.emplace_back();
        pupil.results.name = found.value(0).toString().toStdString();
        pupil.results.colour = std::max(0, found.value(1).toInt());
        pupil.games = found.value(2).toInt();
    }
    // Every pupil in one reading, each seat counted for its pupil's place
    // in that order.
    const recordQueries::Scope scope{
        SEATED + QStringLiteral(", mine AS (SELECT game, colour, dense_rank() OVER (ORDER BY %1) "
                                "- 1 AS who FROM seated)")
                     .arg(PUPIL_ORDER),
        binds};
    const auto pupilOf = [&pupils](int who) -> Pupil* {
        return who >= 0 && who < static_cast<int>(pupils.size()) ? &pupils[static_cast<size_t>(who)]
                                                                 : nullptr;
    };
    const auto results = [&pupilOf](int who) -> PlayerResults* {
        Pupil* pupil = pupilOf(who);
        return pupil != nullptr ? &pupil->results : nullptr;
    };
    const auto perWeek = [&pupilOf](int who, int64_t week, const FormCounts& cards) {
        if (Pupil* pupil = pupilOf(who)) {
            const QDate monday = QDate(1969, 12, 29).addDays(7 * week);
            pupil->weeks.push_back(
                {.monday = monday.toString(Qt::ISODate).toStdString(), .all = cards});
        }
    };
    if (!pupils.empty()) {
        recordQueries::readResults(db, scope, results, perWeek, offsetMs);
    }
    return pupils;
}

exchange::Outcome exportChoices(const QString& record, const QString& file, const Period& period) {
    const auto failed = [&file] {
        return exchange::Outcome{
            .ok = false,
            .message = QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    };
    const Connection reading("report", record, READ_ONLY);
    if (!reading.opened()) {
        return {.ok = false,
                .message = QCoreApplication::translate(
                    "Exchange", "no game has been recorded on this computer yet")};
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return failed();
    }
    out.write(
        "game,started,pupil,colour,turn,time,what,spin_value,star,card,card_value,"
        "card_form,mistake\r\n");
    QSqlQuery rows = run(
        reading.db(),
        QStringLiteral("SELECT g.uid, g.started_ms, s.name, e.colour, e.turn, e.at_ms, e.what, "
                       "e.spin_value, e.star, e.card, e.card_value, e.card_form, e.mistake FROM "
                       "game g JOIN event e ON e.game = g.id LEFT JOIN seat s ON s.game = e.game "
                       "AND s.colour = e.colour WHERE g.started_ms >= ? AND g.started_ms < ? "
                       "ORDER BY g.started_ms, g.id, e.id"),
        {static_cast<qint64>(period.fromMs), static_cast<qint64>(period.toMs)});
    static const char* const COLOURS[] = {"blue", "yellow", "magenta", "green"};
    int choices = 0;
    while (rows.next()) {
        const auto number = [&rows](int column) {
            // Always with a point: see the README's columns.
            return rows.value(column).isNull()
                       ? QString()
                       : QString::number(rows.value(column).toDouble(), 'g', 6);
        };
        const int colour = std::clamp(rows.value(3).toInt(), 0, 3);
        const QStringList columns{
            field(rows.value(0).toString()),
            moment(rows.value(1).toLongLong()),
            field(rows.value(2).toString()),
            QLatin1String(COLOURS[colour]),
            rows.value(4).toString(),
            moment(rows.value(5).toLongLong()),
            field(rows.value(6).toString()),
            number(7),
            field(rows.value(8).toString()),
            rows.value(9).toString(),
            number(10),
            field(rows.value(11).toString()),
            field(rows.value(12).toString()),
        };
        out.write(columns.join(QLatin1Char(',')).toUtf8() + "\r\n");
        ++choices;
    }
    if (!rows.isActive() || !out.commit()) {
        return failed();
    }
    return {.ok = true,
            .message = choices == 1
                           ? QCoreApplication::translate("Exchange", "wrote 1 row to %1").arg(file)
                           : QCoreApplication::translate("Exchange", "wrote %1 rows to %2")
                                 .arg(QString::number(choices), file)};
}

}  // namespace zandoli::report
