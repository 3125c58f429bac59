#include "record/ImportChecks.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QStringList>
#include <QVariant>
#include <algorithm>
#include <array>
#include <vector>

#include "engine/GameState.h"
#include "engine/Spinner.h"
#include "record/Columns.h"
#include "record/Records.h"
#include "record/Schema.h"
#include "record/Sql.h"

namespace zandoli::exchange {

namespace {

using namespace recordColumns;

// The tables, columns and indexes of a record, as the schema makes them.
sql::Reading<QStringList> shapeOf(const QSqlDatabase& db) {
    const auto objects = sql::rows(
        db, QStringLiteral("SELECT type, name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' "
                           "ORDER BY type, name"));
    sql::Reading<QStringList> shape{.error = objects.error};
    for (const QVariantList& object : objects.value) {
        shape.value << object[0].toString() + QLatin1Char(' ') + object[1].toString();
        if (object[0].toString() != QLatin1String("table") || shape.failed()) {
            continue;
        }
        const auto columns = sql::rows(
            db, QStringLiteral("SELECT name, type, \"notnull\" FROM pragma_table_info(?)"),
            {object[1]});
        for (const QVariantList& column : columns.value) {
            shape.value << QStringLiteral("  %1 %2 %3")
                               .arg(column[0].toString(), column[1].toString(),
                                    column[2].toString());
        }
        shape.error = columns.error;
    }
    return shape;
}

// What an import must have, and nothing else: a record of this version.
const QStringList& recordShape() {
    static const QStringList shape = [] {
        sql::Connection fresh("shape", QStringLiteral(":memory:"));
        QSqlDatabase db = fresh.db();
        recordSchema::migrate(db, 0);
        return shapeOf(db).value;
    }();
    return shape;
}

// Each check counts the rows that break it; every count must be 0.
struct Check {
    QString sql;
    const char* broken;
};
const std::vector<Check>& checks() {
    const QString lastColour = QString::number(PLAYING_COLOURS - 1);
    static const std::vector<Check> all = {
        {QStringLiteral(
             "SELECT count(*) FROM game WHERE typeof(uid) <> 'text' OR length(uid) NOT BETWEEN 1 "
             "AND 64 OR typeof(started_ms) <> 'integer' OR players NOT BETWEEN 1 AND %1 OR "
             "one_player NOT IN (0, 1) OR restored NOT IN (0, 1) OR (ended_ms IS NOT NULL AND "
             "typeof(ended_ms) <> 'integer') OR (ending IS NOT NULL AND ending NOT IN (%2)) OR "
             "(winner IS NOT NULL AND winner NOT BETWEEN 0 AND %3) OR (spins IS NOT NULL AND "
             "typeof(spins) <> 'integer') OR practice NOT IN (0, 1)")
             .arg(QString::number(PLAYING_COLOURS), quoted(std::array{WON, SAVED}), lastColour),
         QT_TRANSLATE_NOOP("Exchange", "a game")},
        {QStringLiteral("SELECT count(*) FROM seat WHERE colour NOT BETWEEN 0 AND %1 OR (name IS "
                        "NOT NULL AND typeof(name) <> 'text') OR game NOT IN (SELECT id FROM game)")
             .arg(lastColour),
         QT_TRANSLATE_NOOP("Exchange", "a player")},
        {QStringLiteral(
             "SELECT count(*) FROM event WHERE game NOT IN (SELECT id FROM game) OR typeof(turn) "
             "<> 'integer' OR typeof(at_ms) <> 'integer' OR colour NOT BETWEEN 0 AND %1 OR what "
             "NOT IN (%2) OR position NOT BETWEEN 0 AND %3 OR (spin_value IS NOT NULL AND "
             "spin_value NOT BETWEEN 0 AND 1) OR (star IS NOT NULL AND star NOT IN (%4)) OR (card "
             "IS NOT NULL AND card NOT BETWEEN 0 AND %5) OR (card_value IS NOT NULL AND "
             "card_value NOT BETWEEN 0 AND 1) OR (card_form IS NOT NULL AND card_form NOT IN "
             "(%6)) OR (mistake IS NOT NULL AND mistake NOT IN (%7)) OR (hand IS NOT NULL AND "
             "(typeof(hand) <> 'text' OR length(hand) > 64 OR hand GLOB '*[^0-9 ]*'))")
             .arg(lastColour, quoted(HAPPENING_KEYS), QString::number(SPIN_POSITIONS - 1),
                  quoted(std::array{RED, BLUE}), QString::number(PACK_SIZE - 1), formKeys(),
                  mistakeKeys()),
         QT_TRANSLATE_NOOP("Exchange", "a choice")},
    };
    return all;
}

// A name is text: UTF-8 as it is written, one line without control
// characters, no longer than a player can give.
bool textName(const QByteArray& bytes) {
    const QString name = QString::fromUtf8(bytes);
    if (name.toUtf8() != bytes || name.size() > 2 * MAX_NAME_LENGTH) {
        return false;
    }
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) {
            return false;
        }
    }
    return true;
}

// Why the file's version cannot be merged, or nothing; an older one is
// brought up to date. Nothing of the file runs here: a record has no
// triggers or views, and its shape is checked before any of its rows are
// read.
QString versionRefusal(QSqlDatabase& db, const QString& file) {
    // The file says it is an SQLite database: one that cannot be read as
    // one is damaged.
    const QString damaged = QCoreApplication::translate("Exchange", "%1 is damaged").arg(file);
    const sql::Reading<int> version = recordSchema::versionOf(db);
    if (version.failed() ||
        sql::value(db, QStringLiteral("SELECT count(*) FROM sqlite_master")).failed()) {
        return damaged;
    }
    const int number = version.value;
    if (number > recordSchema::latestVersion()) {
        return QCoreApplication::translate(
                   "Exchange",
                   "%1 was written by a newer version of Zandoli?; update this one first")
            .arg(file);
    }
    if (number < 1) {
        return notARecord(file);
    }
    const auto integrity = sql::value(db, QStringLiteral("PRAGMA integrity_check(1)"));
    if (integrity.failed() || integrity.value.toString() != QLatin1String("ok")) {
        return damaged;
    }
    const auto running = sql::value(
        db,
        QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type NOT IN ('table', 'index')"));
    if (running.failed() || running.value.toInt() != 0 ||
        recordSchema::migrate(db, number).isValid()) {
        return notARecord(file);
    }
    return {};
}

}  // namespace

QString notARecord(const QString& file) {
    return QCoreApplication::translate("Exchange", "%1 is not a Zandoli? record").arg(file);
}

QString refusal(QSqlDatabase& db, const QString& file) {
    if (const QString why = versionRefusal(db, file); !why.isEmpty()) {
        return why;
    }
    const auto shape = shapeOf(db);
    if (shape.failed() || shape.value != recordShape()) {
        return notARecord(file);
    }
    for (const Check& check : checks()) {
        const auto broken = sql::value(db, check.sql);
        if (broken.failed() || broken.value.toLongLong() != 0) {
            return QCoreApplication::translate("Exchange", "%1 holds %2 this version cannot read")
                .arg(file, QCoreApplication::translate("Exchange", check.broken));
        }
    }
    const auto names =
        sql::rows(db, QStringLiteral("SELECT CAST(name AS BLOB) FROM seat WHERE name IS NOT NULL"));
    const auto notText = [](const QVariantList& name) { return !textName(name[0].toByteArray()); };
    if (names.failed() || std::any_of(names.value.begin(), names.value.end(), notText)) {
        return QCoreApplication::translate("Exchange", "%1 holds a name that is not text")
            .arg(file);
    }
    return {};
}

}  // namespace zandoli::exchange
