#include "results/RecordCommand.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

#include "platform/Platform.h"
#include "record/Exchange.h"
#include "record/RecordStore.h"
#include "record/Report.h"
#include "results/TeacherReport.h"

namespace zandoli::recordCommand {

namespace {

int said(const exchange::Outcome& outcome) {
    if (outcome.ok) {
        std::printf("%s\n", qPrintable(outcome.message));
        return 0;
    }
    std::fprintf(stderr, "zandoli: %s\n", qPrintable(outcome.message));
    return 1;
}

int notUnderstood(const QString& why) {
    std::fprintf(stderr, "zandoli: %s\n", qPrintable(why));
    return 2;
}

// A file named on the command line, as the one who typed it meant it: the
// launcher runs the game in a folder of its own, and says where it was
// started from.
QString fromCaller(const QString& file) {
    const QString caller = qEnvironmentVariable("ZANDOLI_CALLER_DIR", QDir::currentPath());
    return file.isEmpty() ? file : QDir(caller).absoluteFilePath(file);
}

// The report draws the table's pictures, found in the working folder; run
// from elsewhere, the program's own folder has them (a build's).
void findPictures() {
    if (!QFileInfo::exists(assetPath(QStringLiteral("Images")))) {
        const QString own = QCoreApplication::applicationDirPath();
        if (QFileInfo::exists(own + QStringLiteral("/Images"))) {
            QDir::setCurrent(own);
        }
    }
}

}  // namespace

int importRecord(const QString& file) {
    if (file.isEmpty()) {
        return notUnderstood(QCoreApplication::translate(
            "Exchange", "--import needs a file: zandoli --import FILE.zandoli"));
    }
    return said(exchange::importRecord(RecordStore::userPath(), fromCaller(file)));
}

int exportRecord(const QString& named, const QString& periodName, const QString& pupil,
                 const QString& lesson) {
    const QString record = RecordStore::userPath();
    const QString file = fromCaller(named);
    if (file.isEmpty()) {
        return notUnderstood(QCoreApplication::translate(
            "Exchange", "--export needs a file ending in .pdf, .csv or .zandoli"));
    }
    const QString periodKey = periodName.isEmpty() ? QStringLiteral("all") : periodName;
    const auto kind = report::periodNamed(periodKey);
    if (!kind) {
        return notUnderstood(QCoreApplication::translate(
                                 "Exchange", "no period \"%1\": it is today, week, term or all")
                                 .arg(periodKey));
    }
    report::Period period = report::periodOf(*kind, QDateTime::currentMSecsSinceEpoch());
    period.lesson = lesson;
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension == QLatin1String("pdf")) {
        findPictures();
        return said(writeTeacherReport(record, file, period, pupil));
    }
    if (extension == QLatin1String("csv")) {
        return said(report::exportChoices(record, file, period));
    }
    if (extension == QLatin1String("zandoli")) {
        return said(exchange::exportRecord(record, file));
    }
    return notUnderstood(QCoreApplication::translate(
                             "Exchange", "%1: the file's name ends in .pdf, .csv or .zandoli")
                             .arg(file));
}

}  // namespace zandoli::recordCommand
