#pragma once

#include <QDateTime>
#include <QElapsedTimer>
#include <QString>

namespace zandoli {

// Which copy of the game writes the record on a shared home: the one a file
// beside it names, by host and process. It is made with O_CREAT | O_EXCL,
// which NFS (from version 3) and SMB do atomically; a copy that finds it
// taken writes a side record instead (SideRecords.h). The file is a rule of
// the game's, not SQLite's lock: should two copies both come to write the
// record, SQLite's dot-file locks still keep their writes apart.
class RecordLock {
public:
    // The lock of the record at `record`, not yet asked for.
    explicit RecordLock(const QString& record);
    ~RecordLock();
    RecordLock(const RecordLock&) = delete;
    RecordLock& operator=(const RecordLock&) = delete;

    // Takes the lock, or takes it over from a copy that is gone: true when
    // this copy holds it now.
    bool take();
    bool held() const { return held_; }
    // Says, at most once a minute, that the copy holding the lock is still
    // there: another machine cannot see whether a process of ours runs.
    void refresh();
    void release();

    // This copy, as the lock and the side records name it.
    static QString host();
    static qint64 process();
    // Whether the copy of `host` and `process` that last said it was there
    // at `touched` is gone: a process of this host that no longer runs, or a
    // copy that has not said so for a quarter of an hour.
    static bool gone(const QString& host, qint64 process, const QDateTime& touched);

    // The record was found busy. A lock directory SQLite left beside it that
    // stays the same for a few seconds is a killed copy's: it is removed, so
    // that the copy holding our lock can write again.
    void foundBusy();

private:
    QString file_;
    QString sqliteLock_;
    bool held_ = false;
    QElapsedTimer refreshed_;
    // The lock directory last seen, and how long it has stayed the same.
    QDateTime busySince_;
    QElapsedTimer busyFor_;
};

}  // namespace zandoli
