#pragma once

#include <QList>
#include <QtGlobal>

#include <functional>

// Tells the moment a watched process exits, so that a process watch can end without waiting for
// the next poll.
class ProcessExitWatching {
public:
    // Each watch may cost a file descriptor, and a watch needs to know only when the last of a
    // rule's processes exits: a rule with more processes than this is left to the polls, and no
    // more than maximumWatches processes are watched in all.
    static constexpr qsizetype maximumWatchesPerRule = 8;
    static constexpr qsizetype maximumWatches = 64;

    virtual ~ProcessExitWatching() = default;

    // Replaces the watched processes: the first maximumWatches of pids. A pid that is already gone
    // is reported as exited.
    virtual void watch(const QList<qint64> &pids) = 0;

    // Called on the main thread, once per watched process that exits.
    std::function<void(qint64 pid)> onExit;
};
