#include "record/SideRecords.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include "record/Columns.h"
#include "record/RecordLock.h"
#include "record/Sql.h"

namespace zandoli::sideRecords {

namespace {

using namespace recordColumns;

QString stemOf(const QString& record) {
    return QFileInfo(record).completeBaseName() + QStringLiteral(".side-");
}

// The statements that bring the side record's games ("aside") into the
// record: new games whole, and what an unfinished one lacks.
QStringList mergeStatements() {
    const QString sameGame = QStringLiteral(
        "FROM aside.%1 s JOIN aside.game a ON a.id = s.game JOIN main.game m ON m.uid = a.uid");
    return {
        QStringLiteral("INSERT INTO main.game (%1) SELECT %1 FROM aside.game WHERE uid NOT IN "
                       "(SELECT uid FROM main.game) ORDER BY id")
            .arg(list(GAME)),
        QStringLiteral("UPDATE main.game SET ended_ms = a.ended_ms, ending = a.ending, winner = "
                       "a.winner, spins = a.spins FROM aside.game a WHERE a.uid = game.uid AND "
                       "a.ended_ms IS NOT NULL"),
        QStringLiteral("INSERT OR IGNORE INTO main.seat (%1) SELECT m.id, %2 %3")
            .arg(list(SEAT), list(Names(SEAT).subspan(1), QStringLiteral("s.")),
                 sameGame.arg(QStringLiteral("seat"))),
        // A merge cut short after its commit, before the file was removed,
        // is run again: the rows it wrote then are not written twice.
        QStringLiteral("INSERT INTO main.event (%1) SELECT m.id, %2 %3 WHERE NOT EXISTS (SELECT 1 "
                       "FROM main.event x WHERE x.game = m.id AND x.turn = s.turn AND x.at_ms = "
                       "s.at_ms AND x.what = s.what AND x.colour = s.colour AND x.card IS s.card) "
                       "ORDER BY s.id")
            .arg(list(EVENT), list(Names(EVENT).subspan(1), QStringLiteral("s.")),
                 sameGame.arg(QStringLiteral("event"))),
        tallyOf(QStringLiteral(
            "game IN (SELECT m.id FROM main.game m JOIN aside.game a ON a.uid = m.uid)")),
    };
}

void removeFiles(const QString& side) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"}) {
        QFile::remove(side + QLatin1String(suffix));
    }
}

}  // namespace

QString pathFor(const QString& record) {
    return QFileInfo(record).absolutePath() + QLatin1Char('/') + stemOf(record) +
           QStringLiteral("%1-%2.sqlite").arg(RecordLock::host()).arg(RecordLock::process());
}

QStringList left(const QString& record) {
    const QDir folder = QFileInfo(record).absoluteDir();
    static const QRegularExpression named(QStringLiteral("^(.+)-([0-9]+)\\.sqlite$"));
    QStringList gone;
    for (const QFileInfo& side :
         folder.entryInfoList({stemOf(record) + QStringLiteral("*.sqlite")}, QDir::Files)) {
        const QRegularExpressionMatch match =
            named.match(side.fileName().mid(stemOf(record).size()));
        if (match.hasMatch() && RecordLock::gone(match.captured(1), match.captured(2).toLongLong(),
                                                 side.lastModified())) {
            gone << side.absoluteFilePath();
        }
    }
    return gone;
}

QSqlError merge(QSqlDatabase& db, const QString& side) {
    // Only its own copy, now gone or done, ever locked the side record: a
    // lock directory beside it is one that copy left as it was killed.
    QDir().rmdir(side + QStringLiteral(".lock"));
    if (QSqlError error =
            sql::exec(db, QStringLiteral("ATTACH DATABASE ? AS aside"), {sql::fileName(side)});
        error.isValid()) {
        return error;
    }
    const QSqlError failed = sql::transaction(db, [&db] {
        for (const QString& statement : mergeStatements()) {
            if (QSqlError error = sql::exec(db, statement); error.isValid()) {
                return error;
            }
        }
        return QSqlError();
    });
    sql::exec(db, QStringLiteral("DETACH DATABASE aside"));
    if (!failed.isValid()) {
        removeFiles(side);
    }
    return failed;
}

}  // namespace zandoli::sideRecords
