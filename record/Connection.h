#pragma once

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QVariant>
#include <atomic>
#include <optional>
#include <vector>

namespace zandoli {

// A name no other connection of this run has.
inline QString connectionName(const char* what) {
    static std::atomic<int> count{0};
    return QStringLiteral("zandoli-%1-%2").arg(QLatin1String(what)).arg(++count);
}

// A connection of its own to one file, closed and removed with it.
class Connection {
public:
    Connection(const char* what, const QString& path, const QString& options = {})
        : name_(connectionName(what)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        opened_ = db.open();
    }
    ~Connection() {
        QSqlDatabase::database(name_, false).close();
        QSqlDatabase::removeDatabase(name_);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool opened() const { return opened_; }
    QSqlDatabase db() const { return QSqlDatabase::database(name_, false); }
    // The statement's rows, each as its columns; none when it failed.
    std::optional<std::vector<QVariantList>> rows(const QString& sql) const {
        QSqlQuery query(db());
        if (!query.exec(sql)) {
            return std::nullopt;
        }
        std::vector<QVariantList> rows;
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i) {
                row << query.value(i);
            }
            rows.push_back(row);
        }
        return rows;
    }
    bool run(const QString& sql) const {
        QSqlQuery query(db());
        return query.exec(sql);
    }

private:
    QString name_;
    bool opened_ = false;
};

}  // namespace zandoli
