#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>
#include <functional>
#include <vector>

namespace zandoli::sql {

// What a reading of the record gives: the value read, or the error that
// stopped it. Finding nothing (no game, no pupil) is a value, so whoever
// shows it can tell "nothing was recorded" from "the record could not be
// read".
template <typename T>
struct Reading {
    T value{};
    QSqlError error{};
    bool failed() const { return error.isValid(); }
};

// What SQLite is given to open the file at `path`: the path itself, or on
// a network file system a URI that names the locks that work there (a
// connection given one needs QSQLITE_OPEN_URI).
QString fileName(const QString& path);

// A connection of its own to one SQLite file, closed and removed with it.
class Connection {
public:
    explicit Connection(const char* what);
    Connection(const char* what, const QString& path, const QString& options = {});
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens `path` with Qt's connect options (QSQLITE_OPEN_READONLY, ...),
    // closing what was open; false, with error() saying why, when it fails.
    bool open(const QString& path, const QString& options = {});
    void close();
    bool isOpen() const { return db().isOpen(); }
    // Why the last open failed; none once one succeeded.
    const QSqlError& error() const { return error_; }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }

private:
    QString name_;
    QSqlError error_;
};

// The one way a statement runs: prepared, `values` bound in order, its rows
// then read forward only. Its error, or none when it ran.
QSqlError exec(QSqlQuery& query, const QString& statement, const QVariantList& values = {});
// A statement whose rows, if any, are not read.
QSqlError exec(const QSqlDatabase& db, const QString& statement, const QVariantList& values = {});
// Every row of a statement, each as its columns.
Reading<std::vector<QVariantList>> rows(const QSqlDatabase& db, const QString& statement,
                                        const QVariantList& values = {});
// The first column of a statement's one row: a count, a version.
Reading<QVariant> value(const QSqlDatabase& db, const QString& statement,
                        const QVariantList& values = {});

// Runs `work` in a transaction of its own, committed when it returns no
// error and rolled back when it does: its error, or the commit's.
QSqlError transaction(QSqlDatabase& db, const std::function<QSqlError()>& work);

// An error of the record's own, for a failure SQLite did not report.
QSqlError failure(const QString& what);

}  // namespace zandoli::sql
