#pragma once

#include <QSqlDatabase>
#include <QSqlError>
#include <QString>
#include <QStringList>

// A copy of the game that cannot write the record (another copy holds it on
// a shared home, or it stayed busy to the end) writes its rows to a record
// of its own beside it, named after its host and process. The rows are
// merged into the record when it is free: by that copy at its game's end,
// or by the next copy that starts once the copy is gone.
namespace zandoli::sideRecords {

// This copy's side record beside the record at `record`:
// record.side-HOST-PROCESS.sqlite.
QString pathFor(const QString& record);
// The side records beside `record` whose copies are gone.
QStringList left(const QString& record);
// The games and rows of the side record at `side` merged into the record
// open on `db`, in one transaction; the side record is removed once they
// are. A game of which the record holds the first rows takes the rest, and
// rows it holds already are not written twice.
QSqlError merge(QSqlDatabase& db, const QString& side);

}  // namespace zandoli::sideRecords
