#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The one reading of the program's command line: every option the game
// takes, read by one parser, before Qt starts (so that a line it cannot read
// is told without a display).
namespace zandoli::commandLine {

// What the command line asks for; an empty text is an option not given.
struct Request {
    bool help = false;
    QString language;                // --language CODE
    std::optional<bool> fullScreen;  // --fullscreen (true) or --windowed, the last given
    QString exportFile;              // --export FILE: .pdf, .csv or .zandoli
    QString importFile;              // --import FILE.zandoli
    QString period;                  // --period today|week|term|all, for an export
    QString pupil;                   // --pupil NAME, for an export
    QString lesson;                  // --lesson FILE to play, or NAME for an export
    bool kiosk = false;              // --kiosk: the lesson, language and names locked
    bool exportAsked = false;        // --export was given, even without a file
    bool importAsked = false;
    bool lessonAsked = false;
    QString practice;  // --practice NAME: a practice game for that pupil

    // An export or an import, which runs without a window.
    bool runsWithoutWindow() const { return exportAsked || importAsked; }
};

// The request, or why the line cannot be read: an option the game does not
// know, one without its value, or a word that is no option.
struct Reading {
    std::optional<Request> request;
    QString error;
};
Reading read(const QStringList& arguments);

// What --help prints, and what follows a line that cannot be read.
QString usage();

// Makes the lesson in `file` this user's, as --lesson asks; prints why not
// and returns false when the file is refused or the lesson is locked.
bool chooseLesson(const QString& file);

// Runs an export or an import; returns the exit status: 0 done, 1 failed,
// 2 not understood.
int runWithoutWindow(const Request& request);

}  // namespace zandoli::commandLine
