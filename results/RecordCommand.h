#pragma once

#include <QString>

// The record's export and import from the command line, without a window.
// Each prints what it did, or why not, and returns the exit status: 0 done,
// 1 failed, 2 not understood.
namespace zandoli::recordCommand {

// `zandoli --import FILE.zandoli`: merges another machine's record into this
// one.
int importRecord(const QString& file);

// `zandoli --export FILE [--period today|week|term|all] [--pupil NAME] [--lesson NAME]`:
// writes the report (.pdf), the choices (.csv) or the whole record
// (.zandoli), by the file's extension. An empty period is all of them.
int exportRecord(const QString& file, const QString& periodName, const QString& pupil,
                 const QString& lesson = {});

}  // namespace zandoli::recordCommand
