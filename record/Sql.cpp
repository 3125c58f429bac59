#include "record/Sql.h"

#include <QSqlRecord>
#include <QUrl>
#include <atomic>

#include "record/FileSystem.h"

namespace zandoli::sql {

namespace {

// A name no other connection of this run has: Qt keeps connections by name.
QString connectionName(const char* what) {
    static std::atomic<int> count{0};
    return QStringLiteral("zandoli-%1-%2").arg(QLatin1String(what)).arg(++count);
}

}  // namespace

QString fileName(const QString& path) {
    // On a network file system POSIX locks cannot be trusted: every copy of
    // the game, and every reader, locks the file by a directory made beside
    // it (SQLite's dot-file locks), which NFS and SMB make atomically.
    if (path.isEmpty() || path == QStringLiteral(":memory:") || !fileSystem::onNetwork(path)) {
        return path;
    }
    return QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) +
           QStringLiteral("?vfs=unix-dotfile");
}

Connection::Connection(const char* what) : name_(connectionName(what)) {}

Connection::Connection(const char* what, const QString& path, const QString& options)
    : Connection(what) {
    open(path, options);
}

Connection::~Connection() {
    close();
}

bool Connection::open(const QString& path, const QString& options) {
    close();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
    const QString name = fileName(path);
    db.setDatabaseName(name);
    db.setConnectOptions(name == path ? options : options + QStringLiteral(";QSQLITE_OPEN_URI"));
    error_ = db.open() ? QSqlError() : db.lastError();
    return !error_.isValid();
}

void Connection::close() {
    if (QSqlDatabase::contains(name_)) {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
}

QSqlError exec(QSqlQuery& query, const QString& statement, const QVariantList& values) {
    query.setForwardOnly(true);
    if (!query.prepare(statement)) {
        return query.lastError();
    }
    for (const QVariant& value : values) {
        query.addBindValue(value);
    }
    return query.exec() ? QSqlError() : query.lastError();
}

QSqlError exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values) {
    QSqlQuery query(db);
    return exec(query, statement, values);
}

Reading<std::vector<QVariantList>> rows(const QSqlDatabase& db, const QString& statement,
                                        const QVariantList& values) {
    QSqlQuery query(db);
    Reading<std::vector<QVariantList>> read{.error = exec(query, statement, values)};
    const int columns = query.record().count();
    while (!read.failed() && query.next()) {
        QVariantList& row = read.value.emplace_back();
        for (int i = 0; i < columns; ++i) {
            row << query.value(i);
        }
    }
    // A row that cannot be read ends the rows early: that is no end.
    if (!read.failed()) {
        read.error = query.lastError();
    }
    return read;
}

Reading<QVariant> value(const QSqlDatabase& db, const QString& statement,
                        const QVariantList& values) {
    const auto read = rows(db, statement, values);
    if (read.failed() || read.value.size() != 1 || read.value.front().isEmpty()) {
        return {.error = read.failed() ? read.error : failure(QStringLiteral("no value"))};
    }
    return {.value = read.value.front().front()};
}

QSqlError transaction(QSqlDatabase& db, const std::function<QSqlError()>& work) {
    if (!db.transaction()) {
        return db.lastError();
    }
    QSqlError error = work();
    if (!error.isValid() && db.commit()) {
        return {};
    }
    if (!error.isValid()) {
        error = db.lastError();
    }
    db.rollback();
    return error;
}

QSqlError failure(const QString& what) {
    return QSqlError(what, QString(), QSqlError::UnknownError);
}

}  // namespace zandoli::sql
