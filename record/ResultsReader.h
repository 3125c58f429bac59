#pragma once

#include <QSqlError>
#include <QString>
#include <QVariantList>
#include <cstdint>
#include <optional>

#include "record/GameResults.h"
#include "record/Sql.h"

namespace zandoli {

// Reads the learning record back for the results screen, on a connection of
// its own. A record that is missing reads as holding no game: the screen
// then says that no game was recorded. One that is there but cannot be
// read, damaged or written by a newer version, is a failed reading: the
// screen says so instead.
class ResultsReader {
public:
    // A game, none, or why it could not be read.
    using Found = sql::Reading<std::optional<GameResults>>;

    explicit ResultsReader(QString path);

    // The last game in which anything was spun, or the one before or after
    // game `id` in the order they were played.
    Found latest();
    Found before(int64_t id);
    Found after(int64_t id);

    // Empties the record; false when it could not be written.
    bool forgetAll();

private:
    // The record opened, if there is one.
    QSqlError open();
    Found first(const QString& which, const QVariantList& values);

    QString path_;
    sql::Connection db_{"results"};
};

}  // namespace zandoli
