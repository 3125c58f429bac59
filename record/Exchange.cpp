#include "record/Exchange.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <atomic>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "record/Connection.h"
#include "record/RecordStore.h"
#include "record/Records.h"
#include "record/Schema.h"

namespace zandoli::exchange {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("Exchange", text);
}

}  // namespace

// English has no plural rule of its own in the translations: its one is here.
QString games(int count) {
    return count == 1 ? QCoreApplication::translate("Exchange", "1 game")
                      : QCoreApplication::translate("Exchange", "%n games", nullptr, count);
}

namespace {

Outcome failed(const QString& message) {
    return {.ok = false, .message = message};
}

// The tables, columns and indexes of a record of this version, as the
// schema makes them: what an import must have, and nothing else.
QStringList shapeOf(const Connection& db) {
    QStringList shape;
    const auto objects = db.rows(QStringLiteral(
        "SELECT type, name, tbl_name FROM sqlite_master WHERE name NOT LIKE 'sqlite_%' ORDER BY "
        "type, name"));
    if (!objects) {
        return {QStringLiteral("(unreadable)")};
    }
    for (const QVariantList& object : *objects) {
        shape << object[0].toString() + QLatin1Char(' ') + object[1].toString();
        if (object[0].toString() != QLatin1String("table")) {
            continue;
        }
        // A table name comes from the file: quoted as SQL quotes a name.
        QString table = object[1].toString();
        table.replace(QLatin1Char('"'), QStringLiteral("\"\""));
        const auto columns = db.rows(QStringLiteral("PRAGMA table_info(\"%1\")").arg(table));
        for (const QVariantList& column : columns.value_or(std::vector<QVariantList>{})) {
            shape << QStringLiteral("  %1 %2 %3")
                         .arg(column[1].toString(), column[2].toString(), column[3].toString());
        }
    }
    return shape;
}

const QStringList& recordShape() {
    static const QStringList shape = [] {
        Connection fresh("shape", QStringLiteral(":memory:"));
        QSqlDatabase db = fresh.db();
        recordSchema::migrate(db, 0);
        return shapeOf(fresh);
    }();
    return shape;
}

// Each check counts the rows that break it; every count must be 0.
struct Check {
    const char* sql;
    const char* broken;
};
const Check CHECKS[] = {
    {"SELECT count(*) FROM game WHERE typeof(uid) <> 'text' OR length(uid) NOT BETWEEN 1 AND 64 "
     "OR typeof(started_ms) <> 'integer' OR players NOT BETWEEN 1 AND 4 OR one_player NOT IN "
     "(0, 1) OR restored NOT IN (0, 1) OR (ended_ms IS NOT NULL AND typeof(ended_ms) <> "
     "'integer') OR (ending IS NOT NULL AND ending NOT IN ('won', 'saved')) OR (winner IS NOT "
     "NULL AND winner NOT BETWEEN 0 AND 3) OR (spins IS NOT NULL AND typeof(spins) <> 'integer')",
     QT_TRANSLATE_NOOP("Exchange", "a game")},
    {"SELECT count(*) FROM seat WHERE colour NOT BETWEEN 0 AND 3 OR (name IS NOT NULL AND "
     "typeof(name) <> 'text') OR game NOT IN (SELECT id FROM game)",
     QT_TRANSLATE_NOOP("Exchange", "a player")},
    {"SELECT count(*) FROM event WHERE game NOT IN (SELECT id FROM game) OR typeof(turn) <> "
     "'integer' OR typeof(at_ms) <> 'integer' OR colour NOT BETWEEN 0 AND 3 OR what NOT IN "
     "('spin', 'match', 'wrong', 'miss', 'red star', 'blue star') OR position NOT BETWEEN 0 AND "
     "15 OR (spin_value IS NOT NULL AND spin_value NOT BETWEEN 0 AND 1) OR (star IS NOT NULL AND "
     "star NOT IN ('red', 'blue')) OR (card IS NOT NULL AND card NOT BETWEEN 0 AND 47) OR "
     "(card_value IS NOT NULL AND card_value NOT BETWEEN 0 AND 1) OR (card_form IS NOT NULL AND "
     "card_form NOT IN ('whole', 'decimal', 'percent', 'fraction', 'tile')) OR (mistake IS NOT "
     "NULL AND mistake NOT IN ('unshaded-part', 'fraction-digits', 'tenth-away', "
     "'percent-decimal', 'other', 'missed'))",
     QT_TRANSLATE_NOOP("Exchange", "a choice")},
};

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

// Why the record in `incoming` cannot be merged, or nothing.
QString refusal(Connection& incoming, const QString& file) {
    const QString notARecord =
        QCoreApplication::translate("Exchange", "%1 is not a Zandoli? record").arg(file);
    // The file says it is an SQLite database: one that cannot be read as
    // one is damaged.
    const QString damaged = QCoreApplication::translate("Exchange", "%1 is damaged").arg(file);
    const auto version = incoming.rows(QStringLiteral("PRAGMA user_version"));
    const auto objects = incoming.rows(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    if (!version || version->size() != 1 || !objects) {
        return damaged;
    }
    const int number = version->front()[0].toInt();
    if (number > recordSchema::latestVersion()) {
        return QCoreApplication::translate(
                   "Exchange",
                   "%1 was written by a newer version of Zandoli?; update this one first")
            .arg(file);
    }
    if (number < 1) {
        return notARecord;
    }
    const auto integrity = incoming.rows(QStringLiteral("PRAGMA integrity_check(1)"));
    if (!integrity || integrity->size() != 1 ||
        integrity->front()[0].toString() != QLatin1String("ok")) {
        return damaged;
    }
    // Nothing of the file runs here: a record has no triggers or views, and
    // its shape is checked before any of its rows are read.
    const auto running = incoming.rows(
        QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type NOT IN ('table', 'index')"));
    if (!running || running->front()[0].toInt() != 0) {
        return notARecord;
    }
    if (number < recordSchema::latestVersion()) {
        QSqlDatabase db = incoming.db();
        if (recordSchema::migrate(db, number).isValid()) {
            return notARecord;
        }
    }
    if (shapeOf(incoming) != recordShape()) {
        return notARecord;
    }
    for (const Check& check : CHECKS) {
        const auto broken = incoming.rows(QString::fromUtf8(check.sql));
        if (!broken || broken->size() != 1 || broken->front()[0].toLongLong() != 0) {
            return QCoreApplication::translate("Exchange", "%1 holds %2 this version cannot read")
                .arg(file, tr(check.broken));
        }
    }
    const auto names =
        incoming.rows(QStringLiteral("SELECT CAST(name AS BLOB) FROM seat WHERE name IS NOT NULL"));
    for (const QVariantList& name : names.value_or(std::vector<QVariantList>{})) {
        if (!textName(name[0].toByteArray())) {
            return QCoreApplication::translate("Exchange", "%1 holds a name that is not text")
                .arg(file);
        }
    }
    return {};
}

}  // namespace

Outcome exportRecord(const QString& record, const QString& file) {
    if (!QFileInfo::exists(record)) {
        return failed(QCoreApplication::translate(
            "Exchange", "no game has been recorded on this computer yet"));
    }
    const QFileInfo target(file);
    const QString beside =
        target.absolutePath() + QStringLiteral("/.") + target.fileName() + QStringLiteral(".part");
    QFile::remove(beside);
    {
        Connection source("export", record, QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
        QString into = beside;
        into.replace(QLatin1Char('\''), QStringLiteral("''"));
        if (!source.opened() || !source.run(QStringLiteral("VACUUM INTO '%1'").arg(into))) {
            QFile::remove(beside);
            return failed(QCoreApplication::translate("Exchange", "cannot write %1").arg(file));
        }
    }
    {
        // One file, whole in itself: no log beside it on the other machine.
        Connection copy("exported", beside);
        const auto counted = copy.rows(QStringLiteral("SELECT count(*) FROM game"));
        if (!copy.opened() || !copy.run(QStringLiteral("PRAGMA journal_mode = DELETE")) ||
            !counted) {
            QFile::remove(beside);
            return failed(QCoreApplication::translate("Exchange", "cannot write %1").arg(file));
        }
        if (std::rename(QFile::encodeName(beside).constData(),
                        QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
            QFile::remove(beside);
            return failed(QCoreApplication::translate("Exchange", "cannot write %1").arg(file));
        }
        const int count = counted->front()[0].toInt();
        return {
            .ok = true,
            .message =
                QCoreApplication::translate("Exchange", "wrote %1 to %2").arg(games(count), file),
            .gamesAdded = 0,
            .gamesKnown = count};
    }
}

Outcome importRecord(const QString& record, const QString& file) {
    const QFileInfo source(file);
    if (!source.isFile()) {
        return failed(QCoreApplication::translate("Exchange", "%1 cannot be read").arg(file));
    }
    if (source.size() > MAX_IMPORT_BYTES) {
        return failed(
            QCoreApplication::translate("Exchange", "%1 is too large to be a Zandoli? record")
                .arg(file));
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return failed(QCoreApplication::translate("Exchange", "%1 cannot be read").arg(file));
    }
    if (in.peek(16) != QByteArray("SQLite format 3", 16)) {
        return failed(
            QCoreApplication::translate("Exchange", "%1 is not a Zandoli? record").arg(file));
    }
    // The file is read from a copy of its own, so that nothing of this run
    // (the checks, the update of an older record) ever writes to it.
    QTemporaryDir work;
    const QString copy = work.path() + QStringLiteral("/incoming.sqlite");
    if (!work.isValid() || !in.copy(copy)) {
        return failed(QCoreApplication::translate("Exchange", "%1 cannot be read").arg(file));
    }
    in.close();
    {
        Connection incoming("import", copy);
        if (!incoming.opened() || !incoming.run(QStringLiteral("PRAGMA trusted_schema = OFF"))) {
            return failed(QCoreApplication::translate("Exchange", "%1 is damaged").arg(file));
        }
        if (const QString why = refusal(incoming, file); !why.isEmpty()) {
            return failed(why);
        }
    }
    // The record is made, or brought up to date, as the game makes it.
    {
        RecordStore store(record);
        if (!store.open()) {
            return failed(
                QCoreApplication::translate("Exchange", "cannot write the record %1").arg(record));
        }
    }
    Connection target("merge", record, QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    QString attached = copy;
    attached.replace(QLatin1Char('\''), QStringLiteral("''"));
    if (!target.opened() ||
        !target.run(QStringLiteral("ATTACH DATABASE '%1' AS incoming").arg(attached))) {
        return failed(
            QCoreApplication::translate("Exchange", "cannot write the record %1").arg(record));
    }
    QSqlDatabase db = target.db();
    const auto merge = [&target]() -> std::optional<std::pair<int, int>> {
        for (const char* statement : {
                 "CREATE TEMP TABLE fresh AS SELECT id, uid FROM incoming.game WHERE uid NOT IN "
                 "(SELECT uid FROM main.game)",
                 "INSERT INTO main.game (uid, started_ms, players, one_player, restored, "
                 "ended_ms, ending, winner, spins) SELECT uid, started_ms, players, one_player, "
                 "restored, ended_ms, ending, winner, spins FROM incoming.game WHERE id IN "
                 "(SELECT id FROM fresh) ORDER BY started_ms, id",
                 "INSERT INTO main.seat (game, colour, name) SELECT m.id, s.colour, s.name FROM "
                 "incoming.seat s JOIN fresh f ON f.id = s.game JOIN main.game m ON m.uid = f.uid",
                 "INSERT INTO main.event (game, turn, at_ms, colour, what, position, spin_value, "
                 "star, card, card_value, card_form, mistake) SELECT m.id, e.turn, e.at_ms, "
                 "e.colour, e.what, e.position, e.spin_value, e.star, e.card, e.card_value, "
                 "e.card_form, e.mistake FROM incoming.event e JOIN fresh f ON f.id = e.game "
                 "JOIN main.game m ON m.uid = f.uid ORDER BY e.id",
             }) {
            if (!target.run(QString::fromUtf8(statement))) {
                return std::nullopt;
            }
        }
        // The file's own tallies are not taken on trust: made anew here.
        if (!target.run(recordSchema::tallyOf(QStringLiteral(
                "game IN (SELECT m.id FROM main.game m JOIN fresh f ON f.uid = m.uid)")))) {
            return std::nullopt;
        }
        const auto added = target.rows(QStringLiteral("SELECT count(*) FROM fresh"));
        const auto all = target.rows(QStringLiteral("SELECT count(*) FROM incoming.game"));
        if (!added || !all) {
            return std::nullopt;
        }
        const int fresh = added->front()[0].toInt();
        return std::pair{fresh, all->front()[0].toInt() - fresh};
    };
    if (!db.transaction()) {
        return failed(
            QCoreApplication::translate("Exchange", "cannot write the record %1").arg(record));
    }
    const auto counts = merge();
    if (!counts || !db.commit()) {
        db.rollback();
        return failed(
            QCoreApplication::translate("Exchange", "cannot write the record %1").arg(record));
    }
    target.run(QStringLiteral("DROP TABLE temp.fresh"));
    target.run(QStringLiteral("DETACH DATABASE incoming"));
    const auto [added, known] = *counts;
    return {
        .ok = true,
        .message =
            known > 0
                ? QCoreApplication::translate("Exchange", "%1: %2 added, %3 already here")
                      .arg(file, games(added), games(known))
                : QCoreApplication::translate("Exchange", "%1: %2 added").arg(file, games(added)),
        .gamesAdded = added,
        .gamesKnown = known};
}

}  // namespace zandoli::exchange
