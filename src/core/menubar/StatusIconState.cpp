#include "StatusIconState.h"

#include <QCoreApplication>

#include <algorithm>

using namespace Qt::StringLiterals;

QString rawValue(StatusIconState state)
{
    switch (state) {
    case StatusIconState::Inactive:
        return u"inactive"_s;
    case StatusIconState::System:
        return u"system"_s;
    case StatusIconState::Display:
        return u"display"_s;
    case StatusIconState::Timed:
        return u"timed"_s;
    case StatusIconState::Process:
        return u"process"_s;
    case StatusIconState::Command:
        return u"command"_s;
    case StatusIconState::BatteryWarning:
        return u"batteryWarning"_s;
    case StatusIconState::Error:
        return u"error"_s;
    }
    Q_UNREACHABLE();
    return {};
}

namespace StatusIcon {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(StatusIcon)
};

} // namespace

QString symbolName(StatusIconState state)
{
    switch (state) {
    case StatusIconState::Inactive:
        return u"moon.zzz"_s;
    case StatusIconState::System:
        return u"bolt.fill"_s;
    case StatusIconState::Display:
        return u"sun.max.fill"_s;
    case StatusIconState::Timed:
        return u"timer"_s;
    case StatusIconState::Process:
        return u"gearshape.fill"_s;
    case StatusIconState::Command:
        return u"terminal.fill"_s;
    case StatusIconState::BatteryWarning:
        return u"exclamationmark.triangle.fill"_s;
    case StatusIconState::Error:
        return u"exclamationmark.octagon.fill"_s;
    }
    Q_UNREACHABLE();
    return {};
}

QString accessibilityDescription(StatusIconState state)
{
    switch (state) {
    case StatusIconState::Inactive:
        return Text::tr("Vigila: inactive");
    case StatusIconState::System:
        return Text::tr("Vigila: keeping system awake");
    case StatusIconState::Display:
        return Text::tr("Vigila: keeping display awake");
    case StatusIconState::Timed:
        return Text::tr("Vigila: timed session active");
    case StatusIconState::Process:
        return Text::tr("Vigila: process-based session active");
    case StatusIconState::Command:
        return Text::tr("Vigila: command-based session active");
    case StatusIconState::BatteryWarning:
        return Text::tr("Vigila: battery guardrail triggered");
    case StatusIconState::Error:
        return Text::tr("Vigila: assertion failed");
    }
    Q_UNREACHABLE();
    return {};
}

Tint tint(StatusIconState state)
{
    switch (state) {
    case StatusIconState::BatteryWarning:
        return Tint::Orange;
    case StatusIconState::Error:
        return Tint::Red;
    default:
        return Tint::None;
    }
}

bool isActive(StatusIconState state)
{
    return state != StatusIconState::Inactive;
}

StatusIconState resolve(const QList<AwakeReason> &reasons, std::optional<AwakeMode> effectiveMode,
                        bool batteryWarning, bool error)
{
    const auto any = [&](auto predicate) { return std::any_of(reasons.cbegin(), reasons.cend(), predicate); };
    if (error)
        return StatusIconState::Error;
    if (batteryWarning)
        return reasons.isEmpty() ? StatusIconState::Inactive : StatusIconState::BatteryWarning;
    if (reasons.isEmpty())
        return StatusIconState::Inactive;
    if (any([](const AwakeReason &r) { return r.type == ReasonType::Command; }))
        return StatusIconState::Command;
    if (any([](const AwakeReason &r) { return r.type == ReasonType::Process || r.type == ReasonType::Trigger; }))
        return StatusIconState::Process;
    if (any([](const AwakeReason &r) { return r.type == ReasonType::Timed || r.type == ReasonType::UntilTime; }))
        return StatusIconState::Timed;
    if (effectiveMode == AwakeMode::Display)
        return StatusIconState::Display;
    return StatusIconState::System;
}

} // namespace StatusIcon
