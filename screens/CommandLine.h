#pragma once

#include <QStringList>

namespace zandoli::commandLine {

// Whether the command line asks for an export or an import, which run
// without a window (and so without a display).
bool asksForCommand(int argc, char** argv);

// Runs it: `zandoli --export FILE [--period today|week|term|all] [--pupil
// NAME]` writes the report (.pdf), the choices (.csv) or the whole record
// (.zandoli), by the file's extension; `zandoli --import FILE.zandoli`
// merges another machine's record into this one. Prints what it did, or why
// not; returns the exit status: 0 done, 1 failed, 2 not understood.
int run(const QStringList& arguments);

}  // namespace zandoli::commandLine
