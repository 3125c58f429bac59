#pragma once

#include <QSqlDatabase>
#include <QString>
#include <cstdint>
#include <vector>

#include "record/Confusions.h"
#include "record/Sql.h"

namespace zandoli::confusions {

// The pupil's spins, discards, wrong cards and cards passed by, in the order
// they were played (a player known only by colour has none).
sql::Reading<std::vector<PupilRow>> pupilRows(const QSqlDatabase& db, const QString& pupil);

// The confusions of the pupil named `pupil` in the record at `record`, days
// counted in the zone `offsetMs` from UTC. No record is no confusion; a
// record that cannot be read is a failed reading.
sql::Reading<std::vector<Confusion>> readConfusions(const QString& record, const QString& pupil,
                                                    int64_t offsetMs);

// The zone the school's days are counted in: this computer's, as it stands now.
int64_t localOffsetMs();

}  // namespace zandoli::confusions
