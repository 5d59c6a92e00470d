#include "BatteryGuard.h"

using namespace Qt::StringLiterals;

namespace BatteryGuard {

BatteryDecision decide(const PowerState &state, const BatterySettings &settings)
{
    if (!state.percentage)
        return BatteryDecision::ok();
    if (state.source != PowerState::Source::Battery)
        return BatteryDecision::ok();
    const int percent = *state.percentage;

    if (settings.onlyWhilePluggedIn)
        return BatteryDecision::stop(u"Stopped because Vigila is set to keep awake only while plugged in."_s);
    if (settings.autoStopEnabled && percent <= settings.autoStopThreshold)
        return BatteryDecision::stop(u"Stopped because battery dropped to "_s + QString::number(percent)
                                     + u"% (limit "_s + QString::number(settings.autoStopThreshold)
                                     + u"%)."_s);
    if (settings.warnOnBattery) {
        if (percent <= settings.warningThreshold)
            return BatteryDecision::warn(u"Running on battery at "_s + QString::number(percent) + u"%."_s);
        return BatteryDecision::warn(u"Running on battery power."_s);
    }
    return BatteryDecision::ok();
}

} // namespace BatteryGuard
