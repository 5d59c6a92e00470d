#pragma once

#include "processes/ProcessExitWatching.h"

#include <QList>

// Remembers which processes it was asked to watch; the test reports their exits.
class FakeProcessExitWatcher final : public ProcessExitWatching {
public:
    void watch(const QList<qint64> &pids) override { watched = pids; }

    void exit(qint64 pid)
    {
        watched.removeAll(pid);
        if (onExit)
            onExit(pid);
    }

    QList<qint64> watched;
};
