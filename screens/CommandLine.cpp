#include "screens/CommandLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

#include "platform/Platform.h"
#include "record/Exchange.h"
#include "record/RecordStore.h"
#include "record/Report.h"
#include "screens/TeacherReport.h"

namespace zandoli::commandLine {

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

// The value after `option`, or after "option=", if the line has one.
std::optional<QString> valueOf(const QStringList& arguments, const QString& option) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == option) {
            return i + 1 < arguments.size() ? arguments[i + 1] : QString();
        }
        if (arguments[i].startsWith(option + QLatin1Char('='))) {
            return arguments[i].mid(option.size() + 1);
        }
    }
    return std::nullopt;
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

bool asksForCommand(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        for (const char* option : {"--export", "--import"}) {
            const size_t length = std::strlen(option);
            if (std::strncmp(argv[i], option, length) == 0 &&
                (argv[i][length] == '\0' || argv[i][length] == '=')) {
                return true;
            }
        }
    }
    return false;
}

int run(const QStringList& arguments) {
    const QString record = RecordStore::userPath();
    if (const auto file = valueOf(arguments, QStringLiteral("--import"))) {
        if (file->isEmpty()) {
            return notUnderstood(QCoreApplication::translate(
                "Exchange", "--import needs a file: zandoli --import FILE.zandoli"));
        }
        return said(exchange::importRecord(record, fromCaller(*file)));
    }
    const QString file =
        fromCaller(valueOf(arguments, QStringLiteral("--export")).value_or(QString()));
    if (file.isEmpty()) {
        return notUnderstood(QCoreApplication::translate(
            "Exchange", "--export needs a file ending in .pdf, .csv or .zandoli"));
    }
    const QString periodName =
        valueOf(arguments, QStringLiteral("--period")).value_or(QStringLiteral("all"));
    const auto kind = report::periodNamed(periodName);
    if (!kind) {
        return notUnderstood(QCoreApplication::translate(
                                 "Exchange", "no period \"%1\": it is today, week, term or all")
                                 .arg(periodName));
    }
    const report::Period period = report::periodOf(*kind, QDateTime::currentMSecsSinceEpoch());
    const QString pupil = valueOf(arguments, QStringLiteral("--pupil")).value_or(QString());
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

}  // namespace zandoli::commandLine
