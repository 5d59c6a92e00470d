#include "ProcessSnapshotProviding.h"

#include <QPromise>
#include <QThread>

#include <memory>

QFuture<ProcessSnapshotProviding::Listing> ProcessSnapshotProviding::ready(Listing listing)
{
    QPromise<Listing> promise;
    QFuture<Listing> future = promise.future();
    promise.start();
    promise.addResult(std::move(listing));
    promise.finish();
    return future;
}

QFuture<ProcessSnapshotProviding::Listing>
ProcessSnapshotProviding::inBackground(std::function<Listing()> listing)
{
    auto promise = std::make_shared<QPromise<Listing>>();
    QFuture<Listing> future = promise->future();
    promise->start();
    // A QThread rather than a bare thread: a listing may need an event dispatcher (QProcess does).
    QThread *thread = QThread::create([promise, listing = std::move(listing)] {
        promise->addResult(listing());
        promise->finish();
    });
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    if (!thread->isRunning() && !thread->isFinished()) {
        // Out of threads: the listing fails like any other.
        delete thread;
        promise->addResult(std::nullopt);
        promise->finish();
    }
    return future;
}
