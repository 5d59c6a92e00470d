#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>

// Tells the moment a watched process exits, so that a process watch can end without waiting for
// the next poll.
class ProcessExitWatching {
public:
    virtual ~ProcessExitWatching() = default;

    // Replaces the watched processes. A pid that is already gone is reported as exited.
    virtual void watch(const QList<qint64> &pids) = 0;

    // Called on the main thread, once per watched process that exits.
    std::function<void(qint64 pid)> onExit;
};
