#include "BatteryGuard.h"

#include <QCoreApplication>

namespace BatteryGuard {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(BatteryGuard)
};

} // namespace

BatteryDecision decide(const PowerState &state, const BatterySettings &settings)
{
    if (!state.percentage)
        return BatteryDecision::ok();
    if (state.source != PowerState::Source::Battery)
        return BatteryDecision::ok();
    const int percent = *state.percentage;

    if (settings.onlyWhilePluggedIn)
        return BatteryDecision::stop(Text::tr("Stopped because Vigila is set to keep awake only while plugged in."));
    if (settings.autoStopEnabled && percent <= settings.autoStopThreshold)
        return BatteryDecision::stop(
            //: %1 is the battery level in percent, %2 the level set to stop at
            Text::tr("Stopped because battery dropped to %1% (limit %2%).")
                .arg(QString::number(percent), QString::number(settings.autoStopThreshold)));
    if (settings.warnOnBattery) {
        if (percent <= settings.warningThreshold)
            return BatteryDecision::warn(Text::tr("Running on battery at %1%.").arg(percent));
        return BatteryDecision::warn(Text::tr("Running on battery power."));
    }
    return BatteryDecision::ok();
}

} // namespace BatteryGuard
