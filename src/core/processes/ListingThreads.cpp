#include "ListingThreads.h"

#include <algorithm>

ListingThreads::~ListingThreads()
{
    reap();
    // Still listing, perhaps for good: left to end on their own, and to delete themselves if the
    // event loop still runs by then.
    for (const auto &[thread, future] : m_threads)
        QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
}

void ListingThreads::reap()
{
    // A thread whose listing is done is only ending: waiting for it takes no time.
    const auto done = [](const auto &entry) {
        if (!entry.second.isFinished())
            return false;
        entry.first->wait();
        delete entry.first;
        return true;
    };
    m_threads.erase(std::remove_if(m_threads.begin(), m_threads.end(), done), m_threads.end());
}

bool ListingThreads::start(QThread *thread, QFuture<void> future)
{
    reap();
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        // Out of threads: the listing fails like any other.
        delete thread;
        return false;
    }
    m_threads.emplace_back(thread, std::move(future));
    return true;
}
