#include "ProcessSnapshotProviding.h"

#include <QPromise>

QFuture<ProcessSnapshotProviding::Listing> ProcessSnapshotProviding::ready(Listing listing)
{
    QPromise<Listing> promise;
    QFuture<Listing> future = promise.future();
    promise.start();
    promise.addResult(std::move(listing));
    promise.finish();
    return future;
}
