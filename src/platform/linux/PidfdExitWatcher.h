#pragma once

#include "processes/ProcessExitWatching.h"

#include <QHash>
#include <QObject>

class QSocketNotifier;

// Watches processes for their exit through pidfds: a pidfd turns readable the moment its process
// ends, which the event loop notices like any other file descriptor. Where the kernel has no
// pidfds (before Linux 5.3) nothing is reported, and exits are noticed by the next poll instead.
class PidfdExitWatcher final : public QObject, public ProcessExitWatching {
    Q_OBJECT
public:
    explicit PidfdExitWatcher(QObject *parent = nullptr);
    ~PidfdExitWatcher() override;

    void watch(const QList<qint64> &pids) override;
    qsizetype watchedCount() const { return m_watches.size(); }

private:
    struct Watch {
        int fd;
        QSocketNotifier *notifier;
    };
    void exited(qint64 pid);
    void reportLater(qint64 pid);
    static void release(const Watch &watch);

    QHash<qint64, Watch> m_watches;
};
