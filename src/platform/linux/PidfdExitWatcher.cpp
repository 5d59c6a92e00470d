#include "PidfdExitWatcher.h"

#include <QSet>
#include <QSocketNotifier>

#include <algorithm>
#include <cerrno>

#include <sys/syscall.h>
#include <unistd.h>

PidfdExitWatcher::PidfdExitWatcher(QObject *parent)
    : QObject(parent)
{
}

PidfdExitWatcher::~PidfdExitWatcher()
{
    for (const Watch &watch : std::as_const(m_watches))
        release(watch);
}

void PidfdExitWatcher::release(const Watch &watch)
{
    // Off the event loop before the descriptor closes; deleted later, since this may run inside
    // the notifier's own signal.
    watch.notifier->setEnabled(false);
    watch.notifier->deleteLater();
    ::close(watch.fd);
}

void PidfdExitWatcher::watch(const QList<qint64> &pids)
{
    // One descriptor per watch: never more than the bound, whatever the caller asks for.
    const auto end = pids.cbegin() + std::min(pids.size(), maximumWatches);
    const QSet<qint64> wanted(pids.cbegin(), end);
    for (auto it = m_watches.begin(); it != m_watches.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        release(*it);
        it = m_watches.erase(it);
    }
    for (const qint64 pid : wanted) {
        if (m_watches.contains(pid) || pid <= 0 || pid != qint64(pid_t(pid)))
            continue;
        // The system call itself: glibc wraps it only from 2.36 on.
        const int fd = int(::syscall(SYS_pidfd_open, pid_t(pid), 0u));
        if (fd < 0) {
            // Gone already; any other failure (no pidfds, no descriptors left) leaves it to the polls.
            if (errno == ESRCH)
                reportLater(pid);
            continue;
        }
        auto *notifier = new QSocketNotifier(fd, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this, pid] { exited(pid); });
        m_watches.insert(pid, {fd, notifier});
    }
}

void PidfdExitWatcher::exited(qint64 pid)
{
    const auto it = m_watches.constFind(pid);
    if (it == m_watches.cend())
        return;
    release(*it);
    m_watches.erase(it);
    if (onExit)
        onExit(pid);
}

void PidfdExitWatcher::reportLater(qint64 pid)
{
    // Not from inside watch(): its caller is in the middle of a poll.
    QMetaObject::invokeMethod(
        this,
        [this, pid] {
            if (onExit)
                onExit(pid);
        },
        Qt::QueuedConnection);
}
