#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <string>
#include <vector>

namespace zandoli::testing {

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

}  // namespace zandoli::testing
