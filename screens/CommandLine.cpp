#include "screens/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <cstdio>

#include "language/Language.h"
#include "platform/Choices.h"
#include "results/RecordCommand.h"

namespace zandoli::commandLine {

namespace {

// Qt's own options, which QApplication takes off the line: read here so
// that they are not refused, and left to Qt.
const QStringList QT_OPTIONS_WITH_VALUE = {
    QStringLiteral("platform"),        QStringLiteral("platformpluginpath"),
    QStringLiteral("platformtheme"),   QStringLiteral("plugin"),
    QStringLiteral("qwindowgeometry"), QStringLiteral("qwindowtitle"),
    QStringLiteral("qwindowicon"),     QStringLiteral("style"),
    QStringLiteral("stylesheet"),      QStringLiteral("session"),
    QStringLiteral("display"),
};
const QStringList QT_FLAGS = {QStringLiteral("reverse"), QStringLiteral("widgetcount")};

QCommandLineOption option(const QString& name, const QString& value = QString()) {
    QCommandLineOption made(name);
    if (!value.isEmpty()) {
        made.setValueName(value);
    }
    return made;
}

void addQtOptions(QCommandLineParser& parser) {
    for (const QString& name : QT_OPTIONS_WITH_VALUE) {
        QCommandLineOption qt(name, QString(), QStringLiteral("value"));
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
    for (const QString& name : QT_FLAGS) {
        QCommandLineOption qt(name);
        qt.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt);
    }
}

}  // namespace

Reading read(const QStringList& arguments) {
    QCommandLineParser parser;
    // Qt's options are written with one dash ("-platform offscreen").
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({QCommandLineOption(QStringList{QStringLiteral("h"), QStringLiteral("help")}),
                       option(QStringLiteral("language"), QStringLiteral("CODE")),
                       option(QStringLiteral("fullscreen")), option(QStringLiteral("windowed")),
                       option(QStringLiteral("export"), QStringLiteral("FILE")),
                       option(QStringLiteral("import"), QStringLiteral("FILE")),
                       option(QStringLiteral("period"), QStringLiteral("P")),
                       option(QStringLiteral("pupil"), QStringLiteral("NAME")),
                       option(QStringLiteral("lesson"), QStringLiteral("FILE")),
                       option(QStringLiteral("kiosk")),
                       option(QStringLiteral("practice"), QStringLiteral("NAME"))});
    addQtOptions(parser);
    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText()};
    }
    if (!parser.positionalArguments().isEmpty()) {
        return {std::nullopt,
                QStringLiteral("no option \"%1\"").arg(parser.positionalArguments().first())};
    }
    Request request;
    request.help = parser.isSet(QStringLiteral("help"));
    request.language = parser.value(QStringLiteral("language"));
    // The last of the two on the line wins, as with most programs.
    for (const QString& name : parser.optionNames()) {
        if (name == QLatin1String("fullscreen") || name == QLatin1String("windowed")) {
            request.fullScreen = name == QLatin1String("fullscreen");
        }
    }
    request.exportAsked = parser.isSet(QStringLiteral("export"));
    request.importAsked = parser.isSet(QStringLiteral("import"));
    request.exportFile = parser.value(QStringLiteral("export"));
    request.importFile = parser.value(QStringLiteral("import"));
    request.period = parser.value(QStringLiteral("period"));
    request.pupil = parser.value(QStringLiteral("pupil"));
    request.lessonAsked = parser.isSet(QStringLiteral("lesson"));
    request.lesson = parser.value(QStringLiteral("lesson"));
    request.kiosk = parser.isSet(QStringLiteral("kiosk"));
    request.practice = parser.value(QStringLiteral("practice"));
    if (parser.isSet(QStringLiteral("practice")) && request.practice.trimmed().isEmpty()) {
        return {std::nullopt,
                QCoreApplication::translate("Exchange", "--practice needs the name of a pupil")};
    }
    return {request, QString()};
}

QString usage() {
    return QStringLiteral(
               "Usage: zandoli [--language CODE] [--fullscreen | --windowed] [--lesson FILE]\n"
               "               [--kiosk] [--practice NAME]\n"
               "       zandoli --export FILE [--period today|week|term|all] [--pupil NAME]\n"
               "               [--lesson NAME]\n"
               "       zandoli --import FILE.zandoli\n"
               "A card game that teaches that 0.5, 50%, 1/2 and a half-shaded tile are the\n"
               "same number.\n\n"
               "  --language CODE  speak this language (%1); remembered\n"
               "  --fullscreen     fill the whole screen, for a projector or whiteboard;\n"
               "                   remembered (F11 in the game switches, and remembers too)\n"
               "  --windowed       play in windows fitted to the screen; remembered\n"
               "  --lesson FILE    play the teacher's lesson in FILE (its values and forms,\n"
               "                   its class code); remembered. With --export, the games\n"
               "                   of the lesson named NAME only\n"
               "  --practice NAME  start a one-player game dealt from what the pupil NAME\n"
               "                   confuses (as the record shows), within the lesson\n"
               "  --kiosk          lock the lesson, the language, the names and Forget All\n"
               "                   Results, as the system-wide settings can\n"
               "  --export FILE    write what the games recorded here say, without a window:\n"
               "                   FILE.pdf the teacher's report, a page a pupil;\n"
               "                   FILE.csv every choice, a row each, for a spreadsheet;\n"
               "                   FILE.zandoli the whole record, for --import elsewhere\n"
               "  --period P       the games of today, this week, this term (the last 12\n"
               "                   weeks) or all (the default), for .pdf and .csv\n"
               "  --pupil NAME     the report of one pupil only\n"
               "  --import FILE    merge another computer's FILE.zandoli into this record\n"
               "  -h, --help       show this help\n")
        .arg(language::available().join(QStringLiteral(", ")));
}

bool chooseLesson(const QString& named) {
    // Named where the one who typed it stood: the launcher runs the game in
    // a folder of its own, and says where it was started from.
    const QString file = QDir(qEnvironmentVariable("ZANDOLI_CALLER_DIR", QDir::currentPath()))
                             .absoluteFilePath(named);
    const choices::LessonFile read = choices::readLessonFile(file);
    if (!read.lesson) {
        std::fprintf(stderr, "zandoli: %s\n", qPrintable(read.problem));
        return false;
    }
    if (!choices::setLesson(*read.lesson)) {
        std::fprintf(
            stderr, "zandoli: %s\n",
            qPrintable(QCoreApplication::translate(
                           "Lesson", "the lesson is locked on this computer; %1 is not played")
                           .arg(file)));
        return false;
    }
    return true;
}

int runWithoutWindow(const Request& request) {
    if (request.importAsked) {
        return recordCommand::importRecord(request.importFile);
    }
    return recordCommand::exportRecord(request.exportFile, request.period, request.pupil,
                                       request.lesson);
}

}  // namespace zandoli::commandLine
