#pragma once

#include "processes/ListingThreads.h"
#include "processes/ProcessSnapshotProviding.h"

#include <QString>

#include <functional>

// Lists the running processes from /proc itself: no child process, and per process one small read
// of "stat" (task name, state, whether a kernel thread) and, for a program, one of "cmdline". The
// fields follow what ps shows:
// - executableName: the kernel's task name; one cut at 15 bytes is rebuilt to the whole name from
//   the command line, first from its first argument (TaskNames::wholeName);
// - commandLine: the arguments joined by single spaces; "[name]" for a kernel thread, or a process
//   without arguments. Only its first commandLineBytes are read: a command line can run to
//   megabytes, and reading it whole at every poll costs as much; a "contains" rule matches within
//   that prefix;
// - text that is not UTF-8 is decoded with replacement characters.
// Zombies are not running and are left out. A process that exits while it is read, or whose files
// are not ours to read (ENOENT, ESRCH, EACCES), is skipped, never half filled; any other error
// (EMFILE, ENFILE, EIO…) fails the whole listing, which would otherwise leave out processes that
// run.
class ProcFsProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    static QString defaultRoot();
    // At most this much of each command line is read; "stat" is always shorter.
    static constexpr qsizetype commandLineBytes = 4096;
    static constexpr qsizetype readBytes = 4096;

    // root is replaceable so tests can stand a tree of their own in for /proc.
    explicit ProcFsProcessSnapshotProvider(QString root = defaultRoot());

    // The listing below, on a thread of its own.
    QFuture<Listing> snapshot(Detail detail) override;

    // For Names, a program's command line is read only when its name was cut, and is otherwise
    // left empty. Nothing when the directory cannot be opened or read, when a process cannot be
    // read for any reason but the above, or when the directory holds no process at all (not even
    // this one: /proc is not mounted). Blocks while any process it reads is stuck in the kernel.
    static Listing list(const QString &root, Detail detail);

    // The same listing handed over one process at a time, each with the CPU time it has used so
    // far (user plus system, in clock ticks: sysconf(_SC_CLK_TCK) a second). False where list()
    // gives nothing; each may have been called for some processes by then.
    using Visitor = std::function<void(RunningProcess &&process, quint64 cpuTicks)>;
    static bool visit(const QString &root, Detail detail, const Visitor &each);

private:
    QString m_root;
    ListingThreads m_threads;
};
