#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHash>
#include <QStringList>
#include <algorithm>

#include "language/Language.h"
#include "platform/Platform.h"

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

// "Images\wdial.jpg" drawn at twice its size: "Images\wdial@2x.jpg".
QString doubleSized(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    const qsizetype folder =
        std::max(name.lastIndexOf(QLatin1Char('\\')), name.lastIndexOf(QLatin1Char('/')));
    if (dot <= folder) {
        return name + QLatin1String("@2x");
    }
    return name.left(dot) + QLatin1String("@2x") + name.mid(dot);
}

// On a display of more than one device pixel to the logical pixel the picture
// drawn at twice the size is shown in the same logical place, so it is as
// sharp as the text around it; without one the plain picture does.
bool sharpDisplay() {
    return qGuiApp != nullptr && qGuiApp->devicePixelRatio() > 1.0;
}

bool loadPicture(const QString& path, QPixmap& into) {
    return QFileInfo(path).isFile() && into.load(path);
}

// A picture with numbers on it is drawn in each notation the languages write
// them in, and named as the rules document is: "Images\opening.fr.jpg",
// "Images\opening@2x.fr.jpg". The language's own file when there is one, else
// the plain one: a language that writes its numbers as English does has none.
QString inLanguage(const QString& path) {
    const QString own = language::localised(path);
    return own != path && QFileInfo(own).isFile() ? own : path;
}

}  // namespace

namespace {

QHash<QString, QPixmap>& keptPictures() {
    static QHash<QString, QPixmap> kept;
    return kept;
}

}  // namespace

void forgetPictures() {
    keptPictures().clear();
}

const QPixmap& picture(const QString& name) {
    // Only pictures that loaded are kept: a missing file is looked for again
    // next time and costs no more than a failed open.
    // Kept by the game's name for the picture in the working folder, in the
    // language of the run and at the display's sharpness, so a picture drawn
    // again costs no look at the disk.
    QHash<QString, QPixmap>& cache = keptPictures();
    static const QPixmap none;
    const bool sharp = sharpDisplay();
    const QString key = QDir::currentPath() + QLatin1Char('|') + language::localised(name) +
                        (sharp ? QLatin1String("@2x") : QLatin1String(""));
    auto found = cache.constFind(key);
    if (found != cache.constEnd()) {
        return *found;
    }
    const QString path = inLanguage(assetPath(name));
    QPixmap loaded;
    if (sharp && loadPicture(inLanguage(assetPath(doubleSized(name))), loaded)) {
        loaded.setDevicePixelRatio(2.0);
    } else if (!loadPicture(path, loaded)) {
        return none;
    }
    return *cache.insert(key, loaded);
}

}  // namespace zandoli
