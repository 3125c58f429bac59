#pragma once

#include <QSqlDatabase>
#include <QString>

namespace zandoli::exchange {

// "FILE is not a Zandoli? record", in the run's language.
QString notARecord(const QString& file);

// Why the record in `incoming`, a copy of `file` open on a connection of
// its own, cannot be merged into this version's record, in words for the
// one who asked; nothing when it can. A record of an older version is
// brought up to date on the way.
QString refusal(QSqlDatabase& incoming, const QString& file);

}  // namespace zandoli::exchange
