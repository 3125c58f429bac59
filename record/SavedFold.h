#pragma once

#include <QSqlDatabase>
#include <QString>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

#include "record/Confusions.h"
#include "record/Sql.h"

namespace zandoli::confusions {

// Where a pupil's rows are read from: the first row of a day, by when its
// game began, its game and its own number (the order the rows are read in).
struct Cut {
    qint64 startedMs = std::numeric_limits<qint64>::min();
    qint64 game = 0;
    qint64 id = 0;
};

// A pupil's fold up to a cut, kept beside the record, with what the record
// held before the cut when it was made: the game at the cut, the pupil's
// seats before it and the sum of their games, and the last row then
// written. While the record holds the same before the cut, and no row
// written since went into a game before it, the fold is still that of the
// rows before the cut, and only the rows after it need reading.
struct SavedFold {
    Cut cut;
    QString uid;
    qint64 seats = 0;
    qint64 seatGames = 0;
    qint64 lastEvent = 0;
    // The values shown, as the record holds them, of the pupil's wrong and
    // missed cards up to the last day read: the spins the rows after the
    // cut are read for, besides those of the values mistaken there.
    std::vector<double> shown = {};
};

// The folder beside the record where its pupils' folds are kept,
// "<record's name>.confusions".
QString savedFoldsFolder(const QString& record);
// A file for each pupil and zone, in that folder.
QString savedFoldPath(const QString& record, const QString& pupil, int64_t offsetMs);

// What the record holds before `cut` for the pupil, as a SavedFold keeps
// it; a row written after `lastEvent` into a game before the cut makes the
// sum of the games -1, which no fold was saved with.
sql::Reading<SavedFold> recordBefore(const QSqlDatabase& db, const QString& pupil, const Cut& cut,
                                     qint64 lastEvent);

// The saved fold at `path` and what it was saved with; none when there is
// none or it cannot be read.
std::optional<std::pair<SavedFold, ConfusionFold>> readSavedFold(const QString& path,
                                                                 int64_t offsetMs);

// Writes the fold down. A record whose folder cannot be written keeps none,
// and its pupils' confusions are read from all their rows each time.
void writeSavedFold(const QString& path, const SavedFold& saved, const ConfusionFold& fold);

}  // namespace zandoli::confusions
