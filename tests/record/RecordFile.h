#pragma once

#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <string>
#include <vector>

namespace zandoli::testing {

// A data folder of the test's own, and so a learning record of its own: set
// before the screens read where the record is.
struct DataHome {
    DataHome() { qputenv("XDG_DATA_HOME", data.path().toUtf8()); }
    ~DataHome() { qputenv("XDG_DATA_HOME", saved); }
    QByteArray saved = qgetenv("XDG_DATA_HOME");
    QTemporaryDir data;
};

// Reads a record file as a teacher's tool would, on a connection of its own:
// each row of the query as its columns joined by " | ", NULL as "-".
inline std::vector<std::string> readRows(const QString& path, const QString& sql) {
    std::vector<std::string> rows;
    const QString name = QStringLiteral("reader");
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_READONLY"));
        if (!db.open()) {
            rows.push_back("cannot open: " + db.lastError().text().toStdString());
        } else {
            QSqlQuery query(db);
            if (!query.exec(sql)) {
                rows.push_back("cannot read: " + query.lastError().text().toStdString());
            }
            while (query.next()) {
                QStringList columns;
                for (int i = 0; i < query.record().count(); ++i) {
                    const QVariant value = query.value(i);
                    columns << (value.isNull() ? QStringLiteral("-") : value.toString());
                }
                rows.push_back(columns.join(QStringLiteral(" | ")).toStdString());
            }
        }
    }
    QSqlDatabase::removeDatabase(name);
    return rows;
}

using Rows = std::vector<std::string>;

// Rows on one line, split by " / ".
inline std::string joined(const Rows& rows) {
    std::string all;
    for (const std::string& row : rows) {
        all += (all.empty() ? "" : " / ") + row;
    }
    return all;
}

// Runs SQL on a record as another program would: "" when every statement
// ran, else the first that did not.
inline std::string runSql(const QString& path, const QStringList& statements) {
    std::string failed;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), "editor");
        db.setDatabaseName(path);
        failed = db.open() ? "" : "cannot open " + path.toStdString();
        for (QSqlQuery query(db); const QString& statement : statements) {
            if (failed.empty() && !query.exec(statement)) {
                failed = statement.toStdString();
            }
        }
    }
    QSqlDatabase::removeDatabase("editor");
    return failed;
}

// A file's bytes, or "(missing)" when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray("(missing)");
}

inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile out(path);
    return out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size();
}

}  // namespace zandoli::testing
