#include "screens/CommandLine.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <cstdio>
#include <cstring>

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
    const auto translate = [](const char* text) {
        return QCoreApplication::translate("Exchange", text);
    };
    if (const auto file = valueOf(arguments, QStringLiteral("--import"))) {
        if (file->isEmpty()) {
            return notUnderstood(translate("--import needs a file: zandoli --import FILE.zandoli"));
        }
        return said(exchange::importRecord(record, *file));
    }
    const QString file = valueOf(arguments, QStringLiteral("--export")).value_or(QString());
    if (file.isEmpty()) {
        return notUnderstood(translate("--export needs a file ending in .pdf, .csv or .zandoli"));
    }
    const QString periodName =
        valueOf(arguments, QStringLiteral("--period")).value_or(QStringLiteral("all"));
    const auto kind = report::periodNamed(periodName);
    if (!kind) {
        return notUnderstood(
            translate("no period \"%1\": it is today, week, term or all").arg(periodName));
    }
    const report::Period period = report::periodOf(*kind, QDateTime::currentMSecsSinceEpoch());
    const QString pupil = valueOf(arguments, QStringLiteral("--pupil")).value_or(QString());
    const QString extension = QFileInfo(file).suffix().toLower();
    if (extension == QLatin1String("pdf")) {
        return said(writeTeacherReport(record, file, period, pupil));
    }
    if (extension == QLatin1String("csv")) {
        return said(report::exportChoices(record, file, period));
    }
    if (extension == QLatin1String("zandoli")) {
        return said(exchange::exportRecord(record, file));
    }
    return notUnderstood(translate("%1: the file's name ends in .pdf, .csv or .zandoli").arg(file));
}

}  // namespace zandoli::commandLine
