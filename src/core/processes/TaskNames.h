#pragma once

#include <QStringView>
#include <QtGlobal>

// The kernel keeps a task's name (the executable's file name) cut to its first 15 bytes. These
// rebuild the whole name from the command line, the same way for every process listing.
namespace TaskNames {

// The kernel keeps at most this many bytes of a task's name.
constexpr qsizetype maximumBytes = 15;

// The part after the last "/", ignoring trailing ones; the whole text without a "/".
QStringView lastPathComponent(QStringView path);

// The whole name behind a task name that may have been cut, for a process with that command line
// (arguments joined by spaces):
// - the last path component of a run of leading words of the command line (the first word, or more
//   for a path with spaces) that starts with the task name. The run that ends at firstArgumentEnd
//   wins, when a listing that keeps the arguments apart knows where the first one ends; so does the
//   first run when the command line ends there or goes on with an option ("-…"); otherwise, of the
//   runs that qualify, the first that is an existing file (given by an absolute path), else the
//   shortest;
// - the task name when none qualifies.
// A character cut in half at the end of the task name ("?" or U+FFFD) is not compared.
QStringView wholeName(QStringView taskName, QStringView commandLine, qsizetype firstArgumentEnd = -1);

} // namespace TaskNames
