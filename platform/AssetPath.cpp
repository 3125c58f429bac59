#include <QCache>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QSizeF>
#include <QStringList>
#include <algorithm>

#include "language/Language.h"
#include "platform/Platform.h"
#include "platform/Units.h"

namespace zandoli {

namespace {

// The entry of `folder` named `name` whatever its case; `name` itself when
// nothing matches, so the path simply does not exist.
QString matchEntry(const QDir& folder, const QString& name) {
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

QString assetPath(const QString& name) {
    QString unix = name;
    unix.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = unix.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    QString path = QDir::currentPath();
    for (const QString& part : parts) {
        path += QLatin1Char('/') + matchEntry(QDir(path), part);
    }
    return path;
}

namespace {

// "Images\wdial.jpg" drawn at `factor` times its size: "Images\wdial@2x.jpg".
QString drawnAt(const QString& name, int factor) {
    const QString mark = QStringLiteral("@%1x").arg(factor);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype folder =
        std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    if (dot <= folder) {
        return name + mark;
    }
    return name.left(dot) + mark + name.mid(dot);
}

// The sizes the generator draws every picture at besides its own.
constexpr int LARGER_ART[] = {2, 3};

// How many device pixels a picture's own pixel covers: the run's scale on
// top of the display's own ratio.
double shownFactor() {
    return units::scale() * (qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
}

bool loadPicture(const QString& path, QPixmap& into) {
    // Read as an image: QPixmap::load would also keep each file's picture,
    // at the size of its art, in Qt's pixmap cache (up to 10 MB), beside
    // the one kept here at the size it shows.
    QImage image;
    if (!QFileInfo(path).isFile() || !image.load(path)) {
        return false;
    }
    into = QPixmap::fromImage(std::move(image));
    return true;
}

// A picture with numbers on it is drawn in each notation the countries write
// them in, and named for it: "Images\opening.comma-spaced.jpg",
// "Images\opening@2x.comma-spaced.jpg". The notation's own file when there is
// one, else the plain one, which is English's.
QString inLanguage(const QString& path) {
    const QString own = language::notated(path);
    return own != path && QFileInfo(own).isFile() ? own : path;
}

}  // namespace

namespace {

QHash<QString, QPixmap>& keptPictures() {
    static QHash<QString, QPixmap> kept;
    return kept;
}

QCache<QString, QPixmap>& recentPictures() {
    static QCache<QString, QPixmap> recent(RECENT_PICTURES);
    return recent;
}

}  // namespace

void forgetPictures() {
    keptPictures().clear();
    recentPictures().clear();
}

namespace {

// The art at least as large as it shows at `factor`, scaled down smoothly
// to the size it shows at: never a small picture stretched. The largest art
// there is when none is large enough, and the plain picture stretched only
// where the folder holds no larger one.
bool loadShown(const QString& name, double factor, QPixmap& into) {
    int drawn = 1;
    QString file = inLanguage(assetPath(name));
    for (int larger : LARGER_ART) {
        const QString art = inLanguage(assetPath(drawnAt(name, larger)));
        if (drawn < factor && QFileInfo(art).isFile()) {
            drawn = larger;
            file = art;
        }
    }
    if (!loadPicture(file, into)) {
        return false;
    }
    const QSize shown = (QSizeF(into.size()) * (factor / drawn)).toSize();
    if (shown != into.size()) {
        into = into.scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    into.setDevicePixelRatio(qGuiApp != nullptr ? qGuiApp->devicePixelRatio() : 1.0);
    return true;
}

}  // namespace

QPixmap picture(const QString& name, Keeping keeping) {
    // Only pictures that loaded are kept: a missing file is looked for again
    // next time and costs no more than a failed open.
    // Kept by the game's name for the picture in the working folder, in the
    // language of the run and at the size it shows at, so a picture drawn
    // again costs no look at the disk.
    QHash<QString, QPixmap>& kept = keptPictures();
    const double factor = shownFactor();
    const QString key = QDir::currentPath() + QLatin1Char('|') + language::notated(name) +
                        QLatin1Char('@') + QString::number(factor);
    if (auto found = kept.constFind(key); found != kept.constEnd()) {
        return *found;
    }
    if (const QPixmap* recent = recentPictures().object(key)) {
        return *recent;
    }
    QPixmap loaded;
    if (!loadShown(name, factor, loaded)) {
        return QPixmap();
    }
    if (keeping == Keeping::ForTheRun) {
        kept.insert(key, loaded);
    } else {
        recentPictures().insert(key, new QPixmap(loaded));
    }
    return loaded;
}

}  // namespace zandoli
