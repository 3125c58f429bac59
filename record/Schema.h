#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

#include "record/Sql.h"

namespace zandoli::recordSchema {

// The version of the record this program writes, kept in the database's
// PRAGMA user_version; 0 is a new, empty file.
int latestVersion();
// The version of the record open on `db`, or of the one at `path` read
// without writing to it.
sql::Reading<int> versionOf(const QSqlDatabase& db);
sql::Reading<int> versionOf(const QString& path);
// Why a record of `version`, which a newer version of the game wrote, is
// left to that one.
QSqlError newerVersion(int version);

// Brings a record of `version` (below latestVersion()) up to date, each
// version's step in a transaction of its own that also sets the version, so
// a step that fails leaves the record as it was before that step. Returns
// the first error, or none.
QSqlError migrate(QSqlDatabase& db, int version);

}  // namespace zandoli::recordSchema
