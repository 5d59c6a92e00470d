#pragma once

#include "processes/ProcessRule.h"

#include <QList>

#include <optional>

// Lists the running processes. A process that cannot be read is simply not listed; nothing at all
// when the listing itself fails, which is not the same as no processes.
class ProcessSnapshotProviding {
public:
    // How much of each process the caller looks at. A listing that reads command lines one by one
    // may leave them empty for Names, which spares it most of its work.
    enum class Detail { Names, CommandLines };

    virtual ~ProcessSnapshotProviding() = default;
    virtual std::optional<QList<RunningProcess>> snapshot(Detail detail) = 0;
};
