#pragma once

#include <QSqlError>

namespace zandoli::sqliteErrors {

// SQLite's result codes for a file that is damaged or is no database at all
// (the primary code is the low byte of an extended one).
inline constexpr int SQLITE_CORRUPT_CODE = 11;
inline constexpr int SQLITE_NOTADB_CODE = 26;

inline bool damaged(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_CORRUPT_CODE || code == SQLITE_NOTADB_CODE;
}

// A record another copy of the game is writing, or has locked to read.
inline constexpr int SQLITE_BUSY_CODE = 5;
inline constexpr int SQLITE_LOCKED_CODE = 6;

inline bool busy(const QSqlError& error) {
    const int code = error.nativeErrorCode().toInt() & 0xff;
    return code == SQLITE_BUSY_CODE || code == SQLITE_LOCKED_CODE;
}

}  // namespace zandoli::sqliteErrors
