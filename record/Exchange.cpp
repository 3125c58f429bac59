#include "record/Exchange.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariant>
#include <cstdio>
#include <utility>

#include "record/Columns.h"
#include "record/ImportChecks.h"
#include "record/RecordStore.h"
#include "record/Sql.h"

namespace zandoli::exchange {

namespace {

using namespace recordColumns;

// Another copy of the game may be writing: an export or an import waits
// this long for it.
const QString WAITING = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");

}  // namespace

// English has no plural rule of its own in the translations: its one is here.
QString games(int count) {
    return count == 1 ? QCoreApplication::translate("Exchange", "1 game")
                      : QCoreApplication::translate("Exchange", "%n games", nullptr, count);
}

QString unreadable() {
    return QCoreApplication::translate("Exchange", "the record could not be read");
}

namespace {

Outcome failed(const QString& message) {
    return {.ok = false, .message = message};
}

QString cannotRead(const QString& file) {
    return QCoreApplication::translate("Exchange", "%1 cannot be read").arg(file);
}

QString cannotWrite(const QString& file) {
    return QCoreApplication::translate("Exchange", "cannot write %1").arg(file);
}

QString cannotWriteRecord(const QString& record) {
    return QCoreApplication::translate("Exchange", "cannot write the record %1").arg(record);
}

// A copy of the file to be read, so that nothing of this run (the checks,
// the update of an older record) ever writes to the file itself; or why
// it cannot be a record.
QString copied(const QString& file, const QString& copy) {
    const QFileInfo source(file);
    if (!source.isFile()) {
        return cannotRead(file);
    }
    if (source.size() > MAX_IMPORT_BYTES) {
        return QCoreApplication::translate("Exchange", "%1 is too large to be a Zandoli? record")
            .arg(file);
    }
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly)) {
        return cannotRead(file);
    }
    if (in.peek(16) != QByteArray("SQLite format 3", 16)) {
        return notARecord(file);
    }
    return in.copy(copy) ? QString() : cannotRead(file);
}

// The statements that add the incoming games the record lacks ("fresh"),
// with their seats and choices, and make their tallies anew: the file's own
// tallies are not taken on trust.
QStringList mergeStatements() {
    return {
        QStringLiteral("CREATE TEMP TABLE fresh AS SELECT id, uid FROM incoming.game WHERE uid NOT "
                       "IN (SELECT uid FROM main.game)"),
        QStringLiteral("INSERT INTO main.game (%1) SELECT %1 FROM incoming.game WHERE id IN "
                       "(SELECT id FROM fresh) ORDER BY started_ms, id")
            .arg(list(GAME)),
        QStringLiteral("INSERT INTO main.seat (%1) SELECT m.id, %2 FROM incoming.seat s JOIN fresh "
                       "f ON f.id = s.game JOIN main.game m ON m.uid = f.uid")
            .arg(list(SEAT), list(Names(SEAT).subspan(1), QStringLiteral("s."))),
        QStringLiteral("INSERT INTO main.event (%1) SELECT m.id, %2 FROM incoming.event e JOIN "
                       "fresh f ON f.id = e.game JOIN main.game m ON m.uid = f.uid ORDER BY e.id")
            .arg(list(EVENT), list(Names(EVENT).subspan(1), QStringLiteral("e."))),
        tallyOf(
            QStringLiteral("game IN (SELECT m.id FROM main.game m JOIN fresh f ON f.uid = m.uid)")),
    };
}

// The checked copy's games merged into the record in one transaction: the
// games added, and those the record held already.
sql::Reading<std::pair<int, int>> merge(const QString& record, const QString& copy) {
    sql::Connection target("merge", record, WAITING);
    QSqlDatabase db = target.db();
    sql::Reading<std::pair<int, int>> counts{.error = target.error()};
    if (!counts.failed()) {
        counts.error = sql::exec(db, QStringLiteral("ATTACH DATABASE ? AS incoming"), {copy});
    }
    if (counts.failed()) {
        return counts;
    }
    counts.error = sql::transaction(db, [&db, &counts] {
        for (const QString& statement : mergeStatements()) {
            if (QSqlError error = sql::exec(db, statement); error.isValid()) {
                return error;
            }
        }
        const auto added = sql::value(db, QStringLiteral("SELECT count(*) FROM fresh"));
        const auto all = sql::value(db, QStringLiteral("SELECT count(*) FROM incoming.game"));
        counts.value = {added.value.toInt(), all.value.toInt() - added.value.toInt()};
        return added.failed() ? added.error : all.error;
    });
    return counts;
}

// The record copied to `copy` for `file`: how many games the copy holds,
// or why it failed.
Outcome copyRecord(const QString& record, const QString& copy, const QString& file) {
    {
        const sql::Connection source("export", record, WAITING);
        if (sql::value(source.db(), QStringLiteral("SELECT count(*) FROM game")).failed()) {
            return failed(unreadable());
        }
        if (sql::exec(source.db(), QStringLiteral("VACUUM INTO ?"), {copy}).isValid()) {
            return failed(cannotWrite(file));
        }
    }
    // One file, whole in itself: no log beside it on the other machine.
    const sql::Connection written("exported", copy);
    const auto counted = sql::value(written.db(), QStringLiteral("SELECT count(*) FROM game"));
    if (counted.failed() ||
        sql::exec(written.db(), QStringLiteral("PRAGMA journal_mode = DELETE")).isValid()) {
        return failed(cannotWrite(file));
    }
    return {.ok = true, .gamesKnown = counted.value.toInt()};
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
    Outcome done = copyRecord(record, beside, file);
    if (done.ok && std::rename(QFile::encodeName(beside).constData(),
                               QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        done = failed(cannotWrite(file));
    }
    if (!done.ok) {
        QFile::remove(beside);
        return done;
    }
    done.message =
        QCoreApplication::translate("Exchange", "wrote %1 to %2").arg(games(done.gamesKnown), file);
    return done;
}

Outcome importRecord(const QString& record, const QString& file) {
    QTemporaryDir work;
    const QString copy = work.path() + QStringLiteral("/incoming.sqlite");
    if (const QString why = work.isValid() ? copied(file, copy) : cannotRead(file);
        !why.isEmpty()) {
        return failed(why);
    }
    {
        const sql::Connection incoming("import", copy);
        if (!incoming.isOpen() ||
            sql::exec(incoming.db(), QStringLiteral("PRAGMA trusted_schema = OFF")).isValid()) {
            return failed(QCoreApplication::translate("Exchange", "%1 is damaged").arg(file));
        }
        QSqlDatabase db = incoming.db();
        if (const QString why = refusal(db, file); !why.isEmpty()) {
            return failed(why);
        }
    }
    // The record is made, or brought up to date, as the game makes it.
    if (!RecordStore(record).open()) {
        return failed(cannotWriteRecord(record));
    }
    const auto counts = merge(record, copy);
    if (counts.failed()) {
        return failed(cannotWriteRecord(record));
    }
    const auto [added, known] = counts.value;
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
