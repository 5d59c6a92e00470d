#pragma once

#include "processes/ProcessRule.h"

#include <QFuture>
#include <QList>

#include <optional>

// Lists the running processes. A process that cannot be read is simply not listed; nothing at all
// when the listing itself fails, which is not the same as no processes.
//
// A listing may block for as long as the slowest process it reads (a process stuck in the kernel
// holds up a read of its command line), so it is asked for and handed back through a future: the
// main thread never waits for it.
class ProcessSnapshotProviding {
public:
    // How much of each process the caller looks at. A listing that reads command lines one by one
    // may leave them empty for Names, which spares it most of its work.
    enum class Detail { Names, CommandLines };
    using Listing = std::optional<QList<RunningProcess>>;

    virtual ~ProcessSnapshotProviding() = default;
    // Starts one listing. The future may be finished already, or finish later on another thread;
    // the caller starts no other listing before it finishes.
    virtual QFuture<Listing> snapshot(Detail detail) = 0;

    // A listing that is already done.
    static QFuture<Listing> ready(Listing listing);
};
