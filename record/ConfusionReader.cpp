#include "record/ConfusionReader.h"

#include <QDateTime>
#include <QSqlQuery>
#include <QStringList>
#include <QVariant>
#include <utility>

#include "record/Columns.h"
#include "record/RecordStore.h"

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
                 .what = static_cast<Happening>(query.value(3).toInt())};
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

}  // namespace

sql::Reading<std::vector<PupilRow>> pupilRows(const QSqlDatabase& db, const QString& pupil) {
    using recordColumns::quoted;
    const QString slips =
        QStringLiteral("e.what IN (%1, %2)")
            .arg(quoted(happeningKey(Happening::Wrong)), quoted(happeningKey(Happening::Miss)));
    // The values the pupil ever mistook, by the index of wrong and missed
    // cards: only their turns can meet a confusion.
    const auto shown = sql::rows(
        db,
        QStringLiteral("SELECT DISTINCT e.spin_value FROM seat s CROSS JOIN event e WHERE s.name "
                       "= ? AND e.game = s.game AND e.colour = s.colour AND %1 AND e.spin_value "
                       "IS NOT NULL")
            .arg(slips),
        {pupil});
    if (shown.failed() || shown.value.empty()) {
        return {.error = shown.error};
    }
    QStringList values;
    for (const QVariantList& value : shown.value) {
        values << QString::number(value[0].toDouble(), 'g', 17);
    }
    // The seats first (few), then each seat's rows by the event index.
    const QString select =
        QStringLiteral(
            "SELECT e.game, e.turn, e.at_ms, %5, e.spin_value, e.card, %6, e.hand FROM "
            "seat s CROSS JOIN game g CROSS JOIN event e WHERE s.name = ? AND g.id = s.game AND "
            "e.game = s.game AND e.colour = s.colour AND (%1 OR (e.what IN (%2, %3) AND "
            "e.spin_value IN (%4))) ORDER BY g.started_ms, g.id, e.id")
            .arg(slips, quoted(happeningKey(Happening::Spin)),
                 quoted(happeningKey(Happening::Match)), values.join(QLatin1Char(',')),
                 happeningNumber(), mistakeNumber());
    QSqlQuery query(db);
    sql::Reading<std::vector<PupilRow>> read{.error = sql::exec(query, select, {pupil})};
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
    const auto rows = pupilRows(reading.db(), pupil);
    return {.value = rows.failed() ? std::vector<Confusion>{} : confusionsOf(rows.value, offsetMs),
            .error = rows.error};
}

int64_t localOffsetMs() {
    return QDateTime::currentDateTime().offsetFromUtc() * 1000LL;
}

}  // namespace zandoli::confusions
