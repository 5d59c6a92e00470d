#pragma once

#include "power/AwakeReason.h"

#include <QDateTime>
#include <QString>
#include <QUuid>

#include <optional>

// What a session command did. The menu, D-Bus and the command line all report from it instead of
// each working it out again.
struct SessionResult {
    enum class Outcome {
        Started,
        Replaced,        // started in place of a session of its kind (`replaced` names it)
        Extended,
        Stopped,
        NothingToExtend, // no timed or until-time session runs
        UnknownId,       // no active reason has the id
        NotInFuture,     // an end time already past
    };

    Outcome outcome = Outcome::Started;
    // The reason started, changed or stopped.
    QUuid id;
    // The mode the session keeps the computer awake in, once it runs.
    std::optional<AwakeMode> mode;
    std::optional<QDateTime> endsAt;
    // The label of the session this one replaced.
    QString replaced;

    bool succeeded() const
    {
        return outcome == Outcome::Started || outcome == Outcome::Replaced || outcome == Outcome::Extended ||
               outcome == Outcome::Stopped;
    }

    bool operator==(const SessionResult &) const = default;
};

// The outcome's name on the bus ("started", "nothing-to-extend", …).
inline QString rawValue(SessionResult::Outcome outcome)
{
    using Outcome = SessionResult::Outcome;
    switch (outcome) {
    case Outcome::Started:
        return QStringLiteral("started");
    case Outcome::Replaced:
        return QStringLiteral("replaced");
    case Outcome::Extended:
        return QStringLiteral("extended");
    case Outcome::Stopped:
        return QStringLiteral("stopped");
    case Outcome::NothingToExtend:
        return QStringLiteral("nothing-to-extend");
    case Outcome::UnknownId:
        return QStringLiteral("unknown-id");
    case Outcome::NotInFuture:
        return QStringLiteral("not-in-future");
    }
    return {};
}
