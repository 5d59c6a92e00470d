#pragma once

#include "processes/ProcessSnapshotProviding.h"

#include <QList>

// A fixed process list the test sets; counts how often it was asked for.
class FakeProcessSnapshotProvider final : public ProcessSnapshotProviding {
public:
    QList<RunningProcess> snapshot() override
    {
        ++snapshotCount;
        return processes;
    }

    QList<RunningProcess> processes;
    int snapshotCount = 0;
};
