#pragma once

#include "processes/ProcessRule.h"

#include <QList>

// Lists the running processes. Never fails: what cannot be read is simply not listed.
class ProcessSnapshotProviding {
public:
    virtual ~ProcessSnapshotProviding() = default;
    virtual QList<RunningProcess> snapshot() = 0;
};
