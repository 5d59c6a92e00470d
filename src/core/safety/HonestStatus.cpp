#include "HonestStatus.h"

#include <QCoreApplication>

#include <algorithm>

namespace HonestStatus {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(HonestStatus)
};

} // namespace

QStringList messages()
{
    return {
        Text::tr("Running a background Claude/build task. I may be away from the keyboard, but the job is still active."),
        Text::tr("Running a long local task. My computer is kept awake, but I may not respond immediately."),
        Text::tr("Claude Code is working through a repo task. I\u2019ll check the results when it finishes."),
    };
}

QString defaultMessage()
{
    return messages().at(0);
}

QString suggested(const QList<AwakeReason> &reasons)
{
    const auto has = [&](ReasonType type) {
        return std::any_of(reasons.cbegin(), reasons.cend(), [type](const AwakeReason &r) { return r.type == type; });
    };
    if (has(ReasonType::Command))
        return messages().at(0);
    if (has(ReasonType::Process))
        return messages().at(2);
    return messages().at(1);
}

} // namespace HonestStatus
