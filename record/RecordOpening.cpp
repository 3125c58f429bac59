// Where the record's rows go, and the file opened for them: the record, or
// a side record beside it; brought up to date, its journal chosen for the
// file system it is on, a damaged file set aside.
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <array>

#include "record/FileSystem.h"
#include "record/RecordStore.h"
#include "record/Schema.h"
#include "record/SideRecords.h"
#include "record/SqliteErrors.h"

namespace zandoli {

namespace {

using sqliteErrors::busy;
using sqliteErrors::damaged;

// Whether the file's header says it keeps a write-ahead log, which a
// network file system cannot share.
bool keepsLog(const QString& path) {
    QFile file(path);
    const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(20) : QByteArray();
    return header.size() == 20 && header.startsWith("SQLite format 3") && header[18] == 2;
}

// The log of a record a local disk kept, put back into the file and given up
// for a rollback journal. Without shared memory (the dot-file locks have
// none) SQLite opens such a file only in exclusive mode, for this.
QSqlError leaveLog(const QSqlDatabase& db) {
    for (const char* pragma : {"PRAGMA locking_mode = EXCLUSIVE", "PRAGMA journal_mode = DELETE",
                               "PRAGMA locking_mode = NORMAL"}) {
        if (QSqlError error = sql::exec(db, QString::fromUtf8(pragma)); error.isValid()) {
            return error;
        }
    }
    return {};
}

// The file's log given up, with the index of the log's memory beside it,
// which nothing reads any more.
QSqlError leaveLog(const QSqlDatabase& db, const QString& path) {
    QSqlError error = leaveLog(db);
    if (!error.isValid()) {
        QFile::remove(path + QStringLiteral("-shm"));
    }
    return error;
}

}  // namespace

QString RecordStore::userPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zandoli/record.sqlite");
}

QSqlError RecordStore::openToRead(sql::Connection& reading, const QString& path,
                                  const QString& options) {
    // Reading makes no record where the game has not yet written one.
    if (!QFileInfo::exists(path)) {
        return {};
    }
    if (fileSystem::onNetwork(path) && keepsLog(path)) {
        const sql::Connection log("log", path);
        if (QSqlError error = log.isOpen() ? leaveLog(log.db(), path) : log.error();
            error.isValid()) {
            return error;
        }
    }
    const sql::Reading<int> version = recordSchema::versionOf(path);
    if (version.failed() || version.value > recordSchema::latestVersion()) {
        return version.failed() ? version.error : recordSchema::newerVersion(version.value);
    }
    // An older one is opened to be written first, which brings it up to date
    // (or sets a damaged file aside).
    if (version.value < recordSchema::latestVersion() && !RecordStore(path).open()) {
        return sql::failure(QStringLiteral("cannot be brought up to date"));
    }
    reading.open(path, options);
    return reading.error();
}

bool RecordStore::open() {
    // A damaged file set aside: one fresh start.
    for (int attempt = 0; attempt < 2 && status_ == Status::Closed; ++attempt) {
        if (openFile() != Opening::SetAside) {
            break;
        }
    }
    return status_ == Status::Open;
}

void RecordStore::chooseFile() {
    network_ = fileSystem::onNetwork(path_);
    if (!network_) {
        writing_ = path_;
        return;
    }
    lock_.emplace(path_);
    writing_ = lock_->take() ? path_ : sideRecords::pathFor(path_);
}

RecordStore::Opening RecordStore::openFile() {
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) {
        qWarning("zandoli: no record this time: cannot make the folder of %s", qPrintable(path_));
        status_ = Status::Off;
        return Opening::Off;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QSQLITE"))) {
        qWarning("zandoli: no record this time: Qt's SQLite driver is not installed");
        status_ = Status::Off;
        return Opening::Off;
    }
    if (writing_.isEmpty()) {
        chooseFile();
    }
    const QSqlError error = db_.open(writing_, CONNECT_OPTIONS) ? prepare() : db_.error();
    if (!error.isValid()) {
        status_ = Status::Open;
        mergeLeft();
        return Opening::Opened;
    }
    close();
    if (busy(error)) {
        // Another copy is writing: the rows wait for the next one.
        return Opening::Busy;
    }
    if (damaged(error)) {
        qWarning("zandoli: the record %s is damaged (%s); a new one starts", qPrintable(writing_),
                 qPrintable(error.text()));
        setAsideDamaged();
        return status_ == Status::Off ? Opening::Off : Opening::SetAside;
    }
    qWarning("zandoli: no record this time: %s: %s", qPrintable(writing_),
             qPrintable(error.text()));
    status_ = Status::Off;
    return Opening::Off;
}

QSqlError RecordStore::prepare() {
    QSqlDatabase db = db_.db();
    if (network_ && keepsLog(writing_)) {
        if (QSqlError error = leaveLog(db, writing_); error.isValid()) {
            return error;
        }
    }
    // The first read of the file: this is where a file that is no database says so.
    const sql::Reading<int> version = recordSchema::versionOf(db);
    if (version.failed()) {
        return version.error;
    }
    if (version.value > recordSchema::latestVersion()) {
        // A newer version of the game keeps this record: leave it to that one.
        return recordSchema::newerVersion(version.value);
    }
    // On a local disk, with the write-ahead log a row is safe once committed,
    // even if the game is killed; NORMAL spares a disk flush for every row,
    // and risks only the last rows, not the file, if the power fails. A
    // network file system cannot share the log's memory between machines:
    // there each commit goes through a journal, flushed.
    const std::array<const char*, 3> local = {
        "PRAGMA journal_mode = WAL", "PRAGMA synchronous = NORMAL", "PRAGMA foreign_keys = ON"};
    const std::array<const char*, 3> shared = {
        "PRAGMA journal_mode = DELETE", "PRAGMA synchronous = FULL", "PRAGMA foreign_keys = ON"};
    for (const char* pragma : network_ ? shared : local) {
        if (QSqlError error = sql::exec(db, QString::fromUtf8(pragma)); error.isValid()) {
            return error;
        }
    }
    const QSqlError error = recordSchema::migrate(db, version.value);
    // Another copy that started at the same moment may have brought the
    // record up to date first.
    const sql::Reading<int> now = recordSchema::versionOf(db);
    return error.isValid() && (now.failed() || now.value != recordSchema::latestVersion())
               ? error
               : QSqlError();
}

void RecordStore::mergeLeft() {
    if (writing_ != path_) {
        return;
    }
    QStringList sides = sideRecords::left(path_);
    if (!mergeDue_.isEmpty() && QFileInfo::exists(mergeDue_)) {
        sides << mergeDue_;
    }
    QSqlDatabase db = db_.db();
    for (const QString& side : sides) {
        const QSqlError error = sideRecords::merge(db, side);
        if (error.isValid()) {
            qWarning("zandoli: %s is left to merge later: %s", qPrintable(side),
                     qPrintable(error.text()));
        } else if (side == mergeDue_) {
            mergeDue_.clear();
        }
    }
}

void RecordStore::close() {
    db_.close();
    status_ = Status::Closed;
}

void RecordStore::setAsideDamaged() {
    const QFileInfo file(writing_);
    const QString stem = file.absolutePath() + QStringLiteral("/") + file.completeBaseName() +
                         QStringLiteral(".damaged-") +
                         QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString aside = stem + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(aside); ++n) {
        aside = stem + QStringLiteral("-%1.sqlite").arg(n);
    }
    if (!QFile::rename(writing_, aside)) {
        qWarning("zandoli: no record this time: cannot set %s aside", qPrintable(writing_));
        status_ = Status::Off;
        return;
    }
    // The log holds rows the damaged file may still need; the shared-memory
    // index is rebuilt from it by whoever opens the copy.
    QFile::rename(writing_ + QStringLiteral("-wal"), aside + QStringLiteral("-wal"));
    QFile::remove(writing_ + QStringLiteral("-shm"));
    setAside_ = aside;
    startAnew();
}

}  // namespace zandoli
