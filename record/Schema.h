#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>

namespace zandoli::recordSchema {

// The version of the record this program writes, kept in the database's
// PRAGMA user_version; 0 is a new, empty file.
int latestVersion();

// Brings a record of `version` (below latestVersion()) up to date, each
// version's step in a transaction of its own that also sets the version, so
// a step that fails leaves the record as it was before that step. Returns
// the first error, or none.
QSqlError migrate(QSqlDatabase& db, int version);

// The statement that makes the tally of every colour of the games whose
// rows meet `where` (an SQL condition on the event table) anew from their
// rows: after rows of those games were written.
QString tallyOf(const QString& where);

// The tally's columns in the order readings take them: spins, then the
// cards matched, wrong and missed (match_whole ... miss_tile), each for the
// forms in CardKind's order.
QString tallyColumns();

}  // namespace zandoli::recordSchema
