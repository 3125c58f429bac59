#pragma once

#include <QString>

namespace zandoli::exchange {

// What an export or an import did, in words for the one who asked.
struct Outcome {
    bool ok = false;
    QString message{};
    int gamesAdded = 0;  // an import: games new to this record
    int gamesKnown = 0;  // an import: games this record held already; an export: its games
};

// The largest file an import reads: a school year of a class's games is a
// few megabytes.
inline constexpr qint64 MAX_IMPORT_BYTES = 256LL * 1024 * 1024;

// "1 game", "3 games": a count of games in the run's language.
QString games(int count);
// What every reader says of a record that is there but cannot be read
// (damaged, or written by a newer version), in the run's language.
QString unreadable();

// Writes the whole record at `record` to `file` (a .zandoli file, itself an
// SQLite database of the record's shape), for another machine's import. The
// copy is written beside `file` and renamed over it, so a failure never
// leaves half a file in place of a good one.
Outcome exportRecord(const QString& record, const QString& file);

// Merges the games of another machine's export into the record at `record`.
// A game is the same game wherever it went (its uid), so importing a file
// twice adds nothing the second time. A file that is not a record, is of a
// newer version, has other tables or values out of their range, is larger
// than MAX_IMPORT_BYTES or holds names that are no text is refused whole,
// and the record is left as it was.
Outcome importRecord(const QString& record, const QString& file);

}  // namespace zandoli::exchange
