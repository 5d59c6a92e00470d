#pragma once

#include "triggers/TriggerRule.h"
#include "triggers/TriggerWatcher.h"

#include <QString>
#include <QVariantMap>

#include <optional>

// Triggers as D-Bus dictionaries (a{sv}), both ways; the keys are those of com.quillmere.Vigila1.
namespace TriggerMaps {

QVariantMap toMap(const TriggerRule &rule, const TriggerWatcher::Status &status);
// A new rule from AddTrigger's dictionary; absent with the reason when a key is unknown or a value
// has the wrong type. The rule's own problems (a bad unit name or schedule) are left to the editor.
std::optional<TriggerRule> fromMap(const QVariantMap &map, QString *error);

} // namespace TriggerMaps
