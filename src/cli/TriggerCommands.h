#pragma once

#include <QList>
#include <QString>
#include <QVariantMap>

// `vigila triggers` and `vigila trigger add|remove|enable|disable`: the triggers of the running
// Vigila, as the preferences window shows and saves them.
namespace TriggerCommands {

// `vigila triggers [--json]`.
int list(bool json);
// `vigila trigger …`, its arguments after the word "trigger".
int edit(const QStringList &arguments);

// One block per trigger for people; a sentence when there are none.
QString listText(const QList<QVariantMap> &triggers);

} // namespace TriggerCommands
