#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <vector>

#include "record/Confusions.h"
#include "record/Sql.h"

namespace zandoli::confusions {

// The confusions of the pupil named `pupil` in the record open as `db`,
// whose file is `record`, days counted in the zone `offsetMs` from UTC. The
// replay of the days before the last is kept beside the record (in a folder
// "<record's name>.confusions"), so that the next reading replays only the
// rows written since, while the rows before them stand as they were.
sql::Reading<std::vector<Confusion>> pupilConfusions(const QSqlDatabase& db, const QString& record,
                                                     const QString& pupil, int64_t offsetMs);

// The confusions of the pupil named `pupil` in the record at `record`, days
// counted in the zone `offsetMs` from UTC. No record is no confusion; a
// record that cannot be read is a failed reading.
sql::Reading<std::vector<Confusion>> readConfusions(const QString& record, const QString& pupil,
                                                    int64_t offsetMs);

// The zone the school's days are counted in: this computer's, as it stands now.
int64_t localOffsetMs();

}  // namespace zandoli::confusions
