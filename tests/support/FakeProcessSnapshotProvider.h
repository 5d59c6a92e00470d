#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QList>

// A fixed process list the test sets, or a failed listing; counts how often it was asked for.
class FakeProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    std::optional<QList<RunningProcess>> snapshot(Detail detail) override
    {
        ++snapshotCount;
        lastDetail = detail;
        if (fails)
            return std::nullopt;
        return processes;
    }

    QList<RunningProcess> processes;
    bool fails = false;
    int snapshotCount = 0;
    Detail lastDetail = Detail::CommandLines;
};
