#pragma once

#include "power/BatteryDecision.h"
#include "power/BatterySettings.h"
#include "power/PowerState.h"

// The battery policy: a pure decision, no state and no side effects.
namespace BatteryGuard {

// The first matching rule wins: no charge known or not on battery is ok; then "only while plugged
// in", then auto-stop, then the warning. Both thresholds are inclusive.
BatteryDecision decide(const PowerState &state, const BatterySettings &settings);

} // namespace BatteryGuard
