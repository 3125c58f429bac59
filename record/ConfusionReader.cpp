#include "record/ConfusionReader.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <span>
#include <utility>

#include "record/Columns.h"
#include "record/RecordStore.h"
#include "record/SavedFold.h"

namespace zandoli::confusions {

namespace {

const QString READING = QStringLiteral("QSQLITE_OPEN_READONLY;QSQLITE_BUSY_TIMEOUT=2000");

// A column of words as numbers: "CASE e.what WHEN 'spin' THEN 0 ... END",
// each word's number given by `numberOf`, so that no row's word is read as
// text (a word this version does not know is NULL).
template <typename Words, typename NumberOf>
QString numbered(const QString& column, const Words& words, NumberOf numberOf) {
    QString cases = QStringLiteral("CASE ") + column;
    for (size_t i = 0; i < words.size(); ++i) {
        const auto [word, number] = numberOf(i);
        cases += QStringLiteral(" WHEN %1 THEN %2")
                     .arg(recordColumns::quoted(word), QString::number(number));
    }
    return cases + QStringLiteral(" END");
}

// What happened, as its number in HAPPENING_KEYS.
QString happeningNumber() {
    return numbered(QStringLiteral("e.what"), HAPPENING_KEYS,
                    [](size_t i) { return std::pair(HAPPENING_KEYS[i], static_cast<int>(i)); });
}

// The mistake's rule, as its number.
QString mistakeNumber() {
    return numbered(QStringLiteral("e.mistake"), MISTAKE_NAMES, [](size_t i) {
        return std::pair(MISTAKE_NAMES[i].key, static_cast<int>(MISTAKE_NAMES[i].rule));
    });
}

// A row of the pupil's reading, or none for a row this version cannot name.
std::optional<PupilRow> rowOf(const QSqlQuery& query) {
    if (query.value(3).isNull()) {
        return std::nullopt;
    }
    PupilRow row{.game = query.value(0).toLongLong(),
                 .turn = query.value(1).toInt(),
                 .atMs = query.value(2).toLongLong(),
                 .what = static_cast<Happening>(query.value(3).toInt()),
                 .startedMs = query.value(8).toLongLong(),
                 .id = query.value(9).toLongLong()};
    if (!query.value(4).isNull()) {
        row.spinValue = query.value(4).toDouble();
    }
    if (row.what == Happening::Spin) {
        const QString hand = query.value(7).toString();
        for (const QStringView card :
             QStringView(hand).tokenize(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            row.hand.push_back(static_cast<int16_t>(card.toInt()));
        }
        return row;
    }
    if (!query.value(5).isNull()) {
        row.card = static_cast<int16_t>(query.value(5).toInt());
    }
    if (row.what != Happening::Match && !query.value(6).isNull()) {
        row.mistake = static_cast<MistakeRule>(query.value(6).toInt());
    }
    return row;
}

// The pupil's rows from `cut` on, of the values `shown` and of those the
// rows from `cut` on mistook, which are added to `shown`.
sql::Reading<std::vector<PupilRow>> rowsFrom(const QSqlDatabase& db, const QString& pupil,
                                             const Cut& cut, std::vector<double>& shown) {
    using recordColumns::quoted;
    const QString slips =
        QStringLiteral("e.what IN (%1, %2)")
            .arg(quoted(happeningKey(Happening::Wrong)), quoted(happeningKey(Happening::Miss)));
    // The games from the cut on: tested on the game before its rows are read
    // (the first test), then on each row.
    const QString fromCut = QStringLiteral(
        "(g.started_ms, g.id) >= (?, ?) AND (g.started_ms, g.id, e.id) >= (?, ?, ?)");
    const QVariantList binds{pupil, cut.startedMs, cut.game, cut.startedMs, cut.game, cut.id};
    // The values the pupil mistook, by the index of wrong and missed cards:
    // only their turns can meet a confusion.
    const auto mistook = sql::rows(
        db,
        QStringLiteral("SELECT DISTINCT e.spin_value FROM seat s CROSS JOIN game g CROSS JOIN "
                       "event e WHERE s.name = ? AND g.id = s.game AND e.game = s.game AND "
                       "e.colour = s.colour AND %1 AND e.spin_value IS NOT NULL AND %2")
            .arg(slips, fromCut),
        binds);
    if (mistook.failed()) {
        return {.error = mistook.error};
    }
    for (const QVariantList& value : mistook.value) {
        shown.push_back(value[0].toDouble());
    }
    std::sort(shown.begin(), shown.end());
    shown.erase(std::unique(shown.begin(), shown.end()), shown.end());
    if (shown.empty()) {
        return {};
    }
    QStringList values;
    for (const double value : shown) {
        values << QString::number(value, 'g', 17);
    }
    // The seats first (few), then each seat's rows by the event index.
    const QString select =
        QStringLiteral(
            "SELECT e.game, e.turn, e.at_ms, %5, e.spin_value, e.card, %6, e.hand, g.started_ms, "
            "e.id FROM seat s CROSS JOIN game g CROSS JOIN event e WHERE s.name = ? AND g.id = "
            "s.game AND e.game = s.game AND e.colour = s.colour AND (%1 OR (e.what IN (%2, %3) "
            "AND e.spin_value IN (%4))) AND %7 ORDER BY g.started_ms, g.id, e.id")
            .arg(slips, quoted(happeningKey(Happening::Spin)),
                 quoted(happeningKey(Happening::Match)), values.join(QLatin1Char(',')),
                 happeningNumber(), mistakeNumber(), fromCut);
    QSqlQuery query(db);
    sql::Reading<std::vector<PupilRow>> read{.error = sql::exec(query, select, binds)};
    while (!read.failed() && query.next()) {
        if (auto row = rowOf(query)) {
            read.value.push_back(std::move(*row));
        }
    }
    if (!read.failed()) {
        read.error = query.lastError();
    }
    return read;
}

// The index of the last row that begins a day, other than the first row;
// 0 when the rows are of one day.
size_t lastDayStart(const ConfusionFold& fold, std::span<const PupilRow> rows) {
    for (size_t i = rows.size(); i > 1; --i) {
        if (fold.dayOf(rows[i - 1]) != fold.dayOf(rows[i - 2])) {
            return i - 1;
        }
    }
    return 0;
}

// The statements between its making and its end read the record as it
// stood at the first of them (a savepoint: it may sit in a caller's
// transaction).
class OneReading {
public:
    explicit OneReading(const QSqlDatabase& db) : db_(db) {
        sql::exec(db_, QStringLiteral("SAVEPOINT confusions"));
    }
    ~OneReading() { sql::exec(db_, QStringLiteral("RELEASE confusions")); }
    OneReading(const OneReading&) = delete;
    OneReading& operator=(const OneReading&) = delete;

private:
    const QSqlDatabase& db_;
};

}  // namespace

sql::Reading<std::vector<Confusion>> pupilConfusions(const QSqlDatabase& db, const QString& record,
                                                     const QString& pupil, int64_t offsetMs) {
    const OneReading reading(db);
    const auto lastEvent = sql::value(db, QStringLiteral("SELECT ifnull(max(id), 0) FROM event"));
    if (lastEvent.failed()) {
        return {.error = lastEvent.error};
    }
    const QString path = savedFoldPath(record, pupil, offsetMs);
    auto saved = readSavedFold(path, offsetMs);
    if (saved) {
        const SavedFold& then = saved->first;
        const auto now = recordBefore(db, pupil, then.cut, then.lastEvent);
        if (now.failed() || now.value.uid != then.uid || now.value.seats != then.seats ||
            now.value.seatGames != then.seatGames) {
            saved.reset();
        }
    }
    ConfusionFold fold = saved ? std::move(saved->second) : ConfusionFold(offsetMs);
    std::vector<double> shown = saved ? saved->first.shown : std::vector<double>{};
    const auto rows = rowsFrom(db, pupil, saved ? saved->first.cut : Cut{}, shown);
    if (rows.failed()) {
        return {.error = rows.error};
    }
    // The fold is saved again at the start of the last day read: that day
    // may have more rows to come.
    const size_t cut = lastDayStart(fold, rows.value);
    for (size_t i = 0; i < rows.value.size(); ++i) {
        if (i == cut && cut > 0) {
            fold.endDay();
            const PupilRow& first = rows.value[i];
            const auto before = recordBefore(db, pupil, {first.startedMs, first.game, first.id},
                                             lastEvent.value.toLongLong());
            if (!before.failed()) {
                SavedFold next = before.value;
                next.shown = shown;
                writeSavedFold(path, next, fold);
            }
        }
        fold.add(rows.value[i]);
    }
    return {.value = fold.result()};
}

sql::Reading<std::vector<Confusion>> readConfusions(const QString& record, const QString& pupil,
                                                    int64_t offsetMs) {
    if (pupil.isEmpty()) {
        return {};
    }
    sql::Connection reading("confusions");
    const QSqlError error = RecordStore::openToRead(reading, record, READING);
    if (error.isValid() || !reading.isOpen()) {
        return {.error = error};
    }
    return pupilConfusions(reading.db(), record, pupil, offsetMs);
}

int64_t localOffsetMs() {
    return QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
}

}  // namespace zandoli::confusions
