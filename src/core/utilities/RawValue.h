#pragma once

#include <QStringView>

#include <optional>

// Enumerations with a text raw value specialise this: fromRawValue<AwakeMode>(u"system").
// Matching is exact and case-sensitive.
template <typename Enum> std::optional<Enum> fromRawValue(QStringView text);
