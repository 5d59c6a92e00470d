#pragma once

#include "power/AwakeReason.h"

#include <QList>
#include <QString>
#include <QStringList>

// Ready-made "away" messages for chat, picked from what is keeping the machine awake.
namespace HonestStatus {

QStringList messages();
QString defaultMessage();
// A command run wins over a process watch; anything else gets the generic message.
QString suggested(const QList<AwakeReason> &reasons);

} // namespace HonestStatus
