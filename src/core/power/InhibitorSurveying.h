#pragma once

#include "power/OtherInhibitor.h"

#include <QList>

#include <functional>

// Finds out which other programs keep the computer awake. Read-only, and never blocks: the answer
// comes later, on this thread.
class InhibitorSurveying {
public:
    using Answer = std::function<void(const QList<OtherInhibitor> &others)>;

    virtual ~InhibitorSurveying() = default;

    // Asks anew. `answer` runs once, on a later turn of the event loop (never inside this call),
    // with what the services told in time; it is dropped if the survey is destroyed first.
    virtual void survey(Answer answer) = 0;
};
