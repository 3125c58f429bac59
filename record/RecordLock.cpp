#include "record/RecordLock.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>
#include <cerrno>
#include <csignal>
#include <utility>

namespace zandoli {

namespace {

// A copy of the game that has not said it is there for this long is gone.
// Its clock and ours may differ by a few minutes.
constexpr qint64 QUIET_SECONDS = 15 * 60;
constexpr qint64 REFRESH_MS = 60 * 1000;
// SQLite holds its lock directory for one transaction, a few milliseconds.
constexpr qint64 LEFT_LOCK_MS = 1500;

struct Owner {
    QString host;
    qint64 process = 0;
};

// "host process", as take() writes it; a process of 0 when the file says
// nothing readable.
Owner ownerIn(const QString& file) {
    QFile in(file);
    const QStringList words = in.open(QIODevice::ReadOnly)
                                  ? QString::fromUtf8(in.read(512)).split(QLatin1Char(' '))
                                  : QStringList();
    return words.size() == 2 ? Owner{words[0], words[1].trimmed().toLongLong()} : Owner{};
}

}  // namespace

RecordLock::RecordLock(const QString& record)
    : file_(record + QStringLiteral(".owner")), sqliteLock_(record + QStringLiteral(".lock")) {}

RecordLock::~RecordLock() {
    release();
}

QString RecordLock::host() {
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("localhost") : name;
}

qint64 RecordLock::process() {
    return static_cast<qint64>(getpid());
}

bool RecordLock::gone(const QString& host, qint64 process, const QDateTime& touched) {
    if (host == RecordLock::host() && process > 0 && kill(static_cast<pid_t>(process), 0) != 0 &&
        errno == ESRCH) {
        return true;
    }
    return !touched.isValid() || touched.secsTo(QDateTime::currentDateTime()) > QUIET_SECONDS;
}

bool RecordLock::take() {
    const QByteArray path = QFile::encodeName(file_);
    const QByteArray me = (host() + QStringLiteral(" %1\n").arg(process())).toUtf8();
    for (int attempt = 0; attempt < 2 && !held_; ++attempt) {
        const int fd = ::open(path.constData(), O_CREAT | O_EXCL | O_WRONLY | O_CLOEXEC, 0644);
        if (fd >= 0) {
            held_ = ::write(fd, me.constData(), static_cast<size_t>(me.size())) == me.size();
            ::close(fd);
            refreshed_.start();
            break;
        }
        const bool taken = errno == EEXIST;
        const Owner owner = ownerIn(file_);
        if (!taken || (owner.process > 0 &&
                       !gone(owner.host, owner.process, QFileInfo(file_).lastModified()))) {
            break;
        }
        // A gone copy's lock, or one whose maker died before naming itself:
        // removed, and taken as a new one would be.
        QFile::remove(file_);
    }
    return held_;
}

void RecordLock::refresh() {
    if (held_ && refreshed_.hasExpired(REFRESH_MS)) {
        // The time is the file server's own, as the next reader compares it.
        utime(QFile::encodeName(file_).constData(), nullptr);
        refreshed_.start();
    }
}

void RecordLock::release() {
    const Owner owner = held_ ? ownerIn(file_) : Owner{};
    if (owner.host == host() && owner.process == process()) {
        QFile::remove(file_);
    }
    held_ = false;
}

void RecordLock::foundBusy() {
    const QFileInfo lock(sqliteLock_);
    if (!held_ || !lock.exists()) {
        busySince_ = {};
        return;
    }
    if (lock.lastModified() != busySince_) {
        busySince_ = lock.lastModified();
        busyFor_.start();
        return;
    }
    if (busyFor_.hasExpired(LEFT_LOCK_MS)) {
        qWarning("zandoli: removing the lock a stopped copy left on %s", qPrintable(sqliteLock_));
        QDir().rmdir(sqliteLock_);
        busySince_ = {};
    }
}

}  // namespace zandoli
