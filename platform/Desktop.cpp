#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

#include "language/Language.h"
#include "platform/Platform.h"

namespace zandoli {

namespace {
const QString WEB_ADDRESS = QStringLiteral(ZANDOLI_WEB_ADDRESS);
const QString ABOUT_PAGE = QStringLiteral(ZANDOLI_ABOUT_PAGE);

// The about page lies with the game's data, beside its Images folder. Run
// from the build folder that is the working folder itself; installed, the
// player's folder holds a link to the installed Images, and the page is
// found beside the folder the link leads to, so it needs no link of its own.
QString aboutPagePath() {
    const QString page = language::localised(ABOUT_PAGE);
    const QString images = QFileInfo(assetPath(QStringLiteral("Images"))).canonicalFilePath();
    if (images.isEmpty()) {
        return assetPath(page);
    }
    return QFileInfo(images).dir().absoluteFilePath(page);
}

}  // namespace

void openDocument(const QString& file) {
    // The bare name is looked up in the working folder, as the game's other
    // files are.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
}

void openWebsite() {
    QDesktopServices::openUrl(WEB_ADDRESS.isEmpty() ? QUrl::fromLocalFile(aboutPagePath())
                                                    : QUrl(WEB_ADDRESS));
}

QString makersNotice() {
    return QCoreApplication::translate("Zandoli", "Zandoli? \u2014 made for classrooms and homes");
}

QString websiteAddress() {
    return WEB_ADDRESS;
}

}  // namespace zandoli
