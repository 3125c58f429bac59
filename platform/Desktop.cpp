#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "platform/Platform.h"

namespace zandoli {

namespace {
const QString NOTICE = QStringLiteral("Zandoli? \u2014 made for classrooms and homes");
const QString WEBSITE = QStringLiteral(ZANDOLI_WEBSITE);
}  // namespace

void openDocument(const QString& file) {
    // The bare name is looked up in the working folder, as the game's other
    // files are.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
}

void openWebsite() {
    QDesktopServices::openUrl(QUrl(WEBSITE));
}

QString makersNotice() {
    return NOTICE;
}

QString websiteAddress() {
    return WEBSITE;
}

}  // namespace zandoli
