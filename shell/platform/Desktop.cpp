#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "Platform.h"

namespace zandoli {

namespace {
const QString NOTICE = QStringLiteral("Zandoli? \u2014 made for classrooms and homes");
const QString WEBSITE = QStringLiteral(ZANDOLI_WEBSITE);
}  // namespace

void opendocument(const QString& file) {
    // The bare name is looked up in the working folder, as the game's other
    // files are.
    QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(file)));
}

void openwebsite() {
    QDesktopServices::openUrl(QUrl(WEBSITE));
}

QString makersnotice() {
    return NOTICE;
}

QString websiteaddress() {
    return WEBSITE;
}

}  // namespace zandoli
