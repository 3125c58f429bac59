#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QStringList>

#include "Platform.h"

namespace zandoli {

namespace {

// The entry of `folder` named `name` whatever its case; the name as written
// when nothing matches, so the path simply does not exist.
QString matchentry(const QDir& folder, const QString& name) {
    if (name == QLatin1String(".") || name == QLatin1String("..") || folder.exists(name)) {
        return name;
    }
    const QStringList entries =
        folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0) {
            return entry;
        }
    }
    return name;
}

}  // namespace

QString assetpath(const QString& written) {
    QString unix = written;
    unix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = unix.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = QDir::currentPath();
    for (const QString& part : parts) {
        path += QLatin1Char('/') + matchentry(QDir(path), part);
    }
    return path;
}

const QPixmap& picture(const QString& written) {
    // Only pictures that loaded are kept: a missing file is looked for again
    // next time and costs no more than a failed open.
    static QHash<QString, QPixmap> cache;
    static const QPixmap none;
    const QString path = assetpath(written);
    auto found = cache.constFind(path);
    if (found != cache.constEnd()) {
        return *found;
    }
    QPixmap loaded;
    if (!QFileInfo(path).isFile() || !loaded.load(path)) {
        return none;
    }
    return *cache.insert(path, loaded);
}

}  // namespace zandoli
