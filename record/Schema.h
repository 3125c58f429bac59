#pragma once

#include <QSqlDatabase>
#include <QSqlError>

namespace zandoli::recordSchema {

// The version of the record this program writes, kept in the database's
// PRAGMA user_version; 0 is a new, empty file.
int latestVersion();

// Brings a record of `version` (below latestVersion()) up to date, each
// version's step in a transaction of its own that also sets the version, so
// a step that fails leaves the record as it was before that step. Returns
// the first error, or none.
QSqlError migrate(QSqlDatabase& db, int version);

}  // namespace zandoli::recordSchema
