#include "record/Report.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QSaveFile>
#include <QSqlQuery>
#include <QStringList>
#include <QTimeZone>
#include <QVariant>
#include <algorithm>

#include "engine/Lesson.h"
#include "record/Columns.h"
#include "record/ConfusionReader.h"
#include "record/RecordQueries.h"
#include "record/RecordStore.h"

namespace zandoli::report {

namespace {

constexpr int TERM_WEEKS = 12;

// The record read and never written; a missing one is not made.
const QString READ_ONLY = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000");

// A game of the period's lesson, when it names one: a game of the standard
// lesson keeps no lesson name, and goes by the standard lesson's.
const QString LESSON_IS = QStringLiteral("(? IS NULL OR COALESCE(g.lesson_name, ?) = ?)");

// The period's binds for LESSON_IS.
QVariantList lessonBinds(const Period& period) {
    const QVariant lesson = period.lesson.isEmpty() ? QVariant() : QVariant(period.lesson);
    return {lesson, QString::fromStdString(everyValueLesson().name), lesson};
}

// The seats of the period that made a choice (that have a tally), each with
// its pupil: a name, or for a seat without one its colour (c). A seat first,
// then its game and tally by their keys.
const QString SEATED =
    QStringLiteral(
        "WITH seated AS (SELECT s.game, s.colour, s.name, CASE WHEN s.name IS NULL THEN s.colour "
        "ELSE -1 END AS c, g.lesson_name AS lesson FROM seat s CROSS JOIN game g CROSS JOIN tally "
        "t WHERE g.id = s.game AND "
        "t.game = s.game AND t.colour = s.colour AND g.started_ms >= ? AND g.started_ms < ? AND ") +
    LESSON_IS + QStringLiteral(" AND (? IS NULL OR s.name = ?))");
// The report's order of pupils: names, alphabetically, then colours.
const QString PUPIL_ORDER = QStringLiteral("name IS NULL, name, c");

// How a spreadsheet's field is written from its column.
enum class Field { Text, Plain, Number, Moment, Colour };
struct CsvColumn {
    const char* header;
    QString column;
    Field field;
};

// The spreadsheet's columns, in order: a game, its pupil and the choice,
// as the README lists them.
const std::vector<CsvColumn>& csvColumns() {
    using recordColumns::Event;
    const auto choice = [](Event column) {
        return QStringLiteral("e.") + QString::fromUtf8(recordColumns::EVENT[at(column)]);
    };
    static const std::vector<CsvColumn> columns = {
        {"game", QStringLiteral("g.uid"), Field::Text},
        {"started", QStringLiteral("g.started_ms"), Field::Moment},
        {"pupil", QStringLiteral("s.name"), Field::Text},
        {"colour", choice(Event::Colour), Field::Colour},
        {"turn", choice(Event::Turn), Field::Plain},
        {"time", choice(Event::AtMs), Field::Moment},
        {"what", choice(Event::What), Field::Text},
        {"spin_value", choice(Event::SpinValue), Field::Number},
        {"star", choice(Event::Star), Field::Text},
        {"card", choice(Event::Card), Field::Plain},
        {"card_value", choice(Event::CardValue), Field::Number},
        {"card_form", choice(Event::CardForm), Field::Text},
        {"mistake", choice(Event::Mistake), Field::Text},
    };
    return columns;
}

// Text as a spreadsheet reads it, and never as a formula: text that starts
// as one would is kept as text by a leading apostrophe.
QString text(QString text) {
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

QString field(const QVariant& value, Field how) {
    static const char* const COLOURS[] = {"blue", "yellow", "magenta", "green"};
    switch (how) {
        case Field::Text:
            return text(value.toString());
        case Field::Number:
            // Always with a point: see the README's columns.
            return value.isNull() ? QString() : QString::number(value.toDouble(), 'g', 6);
        case Field::Moment:
            return moment(value.toLongLong());
        case Field::Colour:
            return QLatin1String(COLOURS[std::clamp(value.toInt(), 0, 3)]);
        case Field::Plain:
            break;
    }
    return value.toString();
}

// The choices of the period, each a line of the spreadsheet: how many.
sql::Reading<int> writeChoices(const QSqlDatabase& db, const Period& period, QIODevice& out) {
    QStringList headers, columns;
    for (const CsvColumn& column : csvColumns()) {
        headers << QString::fromUtf8(column.header);
        columns << column.column;
    }
    out.write(headers.join(QLatin1Char(',')).toUtf8() + "\r\n");
    QSqlQuery rows(db);
    sql::Reading<int> written{
        .error = sql::exec(
            rows,
            QStringLiteral("SELECT %1 FROM game g JOIN event e ON e.game = g.id LEFT JOIN seat s "
                           "ON s.game = e.game AND s.colour = e.colour WHERE g.started_ms >= ? "
                           "AND g.started_ms < ? AND %2 ORDER BY g.started_ms, g.id, e.id")
                .arg(columns.join(QStringLiteral(", ")), LESSON_IS),
            QVariantList{static_cast<qint64>(period.fromMs), static_cast<qint64>(period.toMs)} +
                lessonBinds(period))};
    while (!written.failed() && rows.next()) {
        QStringList fields;
        for (size_t i = 0; i < csvColumns().size(); ++i) {
            fields << field(rows.value(static_cast<int>(i)), csvColumns()[i].field);
        }
        out.write(fields.join(QLatin1Char(',')).toUtf8() + "\r\n");
        ++written.value;
    }
    if (!written.failed()) {
        written.error = rows.lastError();
    }
    return written;
}

// The pupils of the period, in the report's order, each with their games.
sql::Reading<std::vector<Pupil>> findPupils(const QSqlDatabase& db, const QVariantList& binds) {
    const auto found = sql::rows(db,
                                 SEATED +
                                     QStringLiteral(" SELECT name, c, COUNT(DISTINCT game) FROM "
                                                    "seated GROUP BY name, c ORDER BY ") +
                                     PUPIL_ORDER,
                                 binds);
    sql::Reading<std::vector<Pupil>> pupils{.error = found.error};
    for (const QVariantList& row : found.value) {
        Pupil& pupil = pupils.value.emplace_back();
        pupil.results.name = row[0].toString().toStdString();
        pupil.results.colour = std::max(0, row[1].toInt());
        pupil.games = row[2].toInt();
    }
    return pupils;
}

// The lessons of each pupil's games, most played first.
QSqlError readLessons(const QSqlDatabase& db, const QVariantList& binds,
                      std::vector<Pupil>& pupils) {
    const auto found =
        sql::rows(db,
                  SEATED + QStringLiteral(" SELECT name, c, lesson, COUNT(DISTINCT game) FROM "
                                          "seated GROUP BY name, c, lesson ORDER BY 4 DESC, 3"),
                  binds);
    for (const QVariantList& row : found.value) {
        const std::string name = row[0].toString().toStdString();
        const int colour = std::max(0, row[1].toInt());
        for (Pupil& pupil : pupils) {
            if (pupil.results.name == name && (!name.empty() || pupil.results.colour == colour)) {
                pupil.lessons.emplace_back(row[2].toString().toStdString(), row[3].toInt());
            }
        }
    }
    return found.error;
}

// Every pupil's results in one reading, each seat counted for its pupil's
// place in the report's order.
QSqlError readResults(const QSqlDatabase& db, const QVariantList& binds,
                      std::vector<Pupil>& pupils) {
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
    // Days are the school's: in this zone, as it stands now.
    const int64_t offsetMs = QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
    return recordQueries::readResults(db, scope, results, perWeek, offsetMs);
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

sql::Reading<std::vector<Pupil>> readPupils(const QString& record, const Period& period,
                                            const QString& only) {
    sql::Connection reading("report");
    const QSqlError error = RecordStore::openToRead(reading, record, READ_ONLY);
    if (error.isValid() || !reading.isOpen()) {
        return {.error = error};
    }
    const QVariant name = only.isEmpty() ? QVariant() : QVariant(only);
    const QVariantList binds =
        QVariantList{static_cast<qint64>(period.fromMs), static_cast<qint64>(period.toMs)} +
        lessonBinds(period) + QVariantList{name, name};
    auto pupils = findPupils(reading.db(), binds);
    if (!pupils.failed() && !pupils.value.empty()) {
        pupils.error = readResults(reading.db(), binds, pupils.value);
    }
    if (!pupils.failed() && !pupils.value.empty()) {
        pupils.error = readLessons(reading.db(), binds, pupils.value);
    }
    for (Pupil& pupil : pupils.value) {
        const std::string& named = pupil.results.name;
        if (pupils.failed() || named.empty()) {
            continue;
        }
        auto read = confusions::pupilConfusions(reading.db(), record, QString::fromStdString(named),
                                                confusions::localOffsetMs());
        pupil.confusions = std::move(read.value);
        pupils.error = read.error;
    }
    return pupils;
}

exchange::Outcome exportChoices(const QString& record, const QString& file, const Period& period) {
    const sql::Connection reading("report", record, READ_ONLY);
    if (!reading.isOpen()) {
        return {.ok = false,
                .message = QFileInfo::exists(record)
                               ? exchange::unreadable()
                               : QCoreApplication::translate(
                                     "Exchange", "no game has been recorded on this computer yet")};
    }
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly)) {
        return {.ok = false,
                .message = QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    }
    const sql::Reading<int> choices = writeChoices(reading.db(), period, out);
    if (choices.failed() || !out.commit()) {
        return {
            .ok = false,
            .message = choices.failed()
                           ? exchange::unreadable()
                           : QCoreApplication::translate("Exchange", "cannot write %1").arg(file)};
    }
    return {.ok = true,
            .message = choices.value == 1
                           ? QCoreApplication::translate("Exchange", "wrote 1 row to %1").arg(file)
                           : QCoreApplication::translate("Exchange", "wrote %1 rows to %2")
                                 .arg(QString::number(choices.value), file)};
}

}  // namespace zandoli::report
