#include "BatterySettings.h"

#include "utilities/Json.h"

using namespace Qt::StringLiterals;

QJsonObject BatterySettings::toJson() const
{
    return QJsonObject{
        {"warnOnBattery"_L1, warnOnBattery},
        {"onlyWhilePluggedIn"_L1, onlyWhilePluggedIn},
        {"autoStopEnabled"_L1, autoStopEnabled},
        {"autoStopThreshold"_L1, autoStopThreshold},
        {"warningThreshold"_L1, warningThreshold},
    };
}

std::optional<BatterySettings> BatterySettings::fromJson(const QJsonValue &value)
{
    if (!value.isObject())
        return std::nullopt;
    const QJsonObject object = value.toObject();
    const auto warn = Json::boolean(object, "warnOnBattery"_L1);
    const auto plugged = Json::boolean(object, "onlyWhilePluggedIn"_L1);
    const auto autoStop = Json::boolean(object, "autoStopEnabled"_L1);
    const auto autoStopThreshold = Json::integer(object, "autoStopThreshold"_L1);
    const auto warningThreshold = Json::integer(object, "warningThreshold"_L1);
    if (!warn || !plugged || !autoStop || !autoStopThreshold || !warningThreshold)
        return std::nullopt;
    return BatterySettings{*warn, *plugged, *autoStop, *autoStopThreshold, *warningThreshold};
}
