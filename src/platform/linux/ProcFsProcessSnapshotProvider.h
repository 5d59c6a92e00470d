#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QString>

// Lists the running processes from /proc itself: no child process, and per process one small read
// of "stat" (task name, state, whether a kernel thread) and, for a program, one of "cmdline". The
// fields follow what ps shows:
// - executableName: the kernel's task name; one cut at 15 bytes is rebuilt to the whole name from
//   the command line, first from its first argument (TaskNames::wholeName);
// - commandLine: the arguments joined by single spaces; "[name]" for a kernel thread, or a process
//   without arguments;
// - text that is not UTF-8 is decoded with replacement characters.
// Zombies are not running and are left out. A process that exits while it is read, or whose files
// cannot be read, is skipped, never half filled.
class ProcFsProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    static QString defaultRoot();

    // root is replaceable so tests can stand a tree of their own in for /proc.
    explicit ProcFsProcessSnapshotProvider(QString root = defaultRoot());

    // For Names, a program's command line is read only when its name was cut, and is otherwise
    // left empty. Nothing when the directory cannot be opened or read, or holds no process at all
    // (not even this one: /proc is not mounted).
    std::optional<QList<RunningProcess>> snapshot(Detail detail) override;

private:
    QString m_root;
};
