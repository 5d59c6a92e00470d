#pragma once

// `vigila <command>`: status, list, start, for, until, extend, stop and run, plus --help and
// --version. Needs no display: it runs on a QCoreApplication and talks to the running Vigila over
// the session bus.
namespace CommandLine {

// True when the arguments name a command (or ask for help or the version) rather than start the
// tray. Options for Qt itself (-platform …) still start the tray.
bool isCommand(int argc, char **argv);

// Runs the command and returns the process's exit status.
int run(int argc, char **argv);

} // namespace CommandLine
