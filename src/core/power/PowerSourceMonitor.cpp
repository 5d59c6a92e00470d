#include "PowerSourceMonitor.h"

#include <QTimer>

#include <climits>
#include <cmath>

using namespace PowerSourceKeys;

namespace {

// Only true integers count: a number that arrives as text or as a floating-point value does not.
std::optional<double> integerValue(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
        return static_cast<double>(value.toLongLong());
    case QMetaType::ULongLong:
        return static_cast<double>(value.toULongLong());
    default:
        return std::nullopt;
    }
}

std::optional<int> percentageOf(const QVariantMap &description)
{
    const auto current = integerValue(description.value(currentCapacity));
    const auto maximum = integerValue(description.value(maxCapacity));
    if (!current || !maximum || *maximum <= 0)
        return std::nullopt;
    // std::round rounds halves away from zero: 1 of 8 is 12.5 %, shown as 13.
    const double percent = std::round(*current / *maximum * 100.0);
    // Absurd capacities must not overflow the conversion; they give no percentage at all.
    if (!(percent >= double(INT_MIN) && percent <= double(INT_MAX)))
        return std::nullopt;
    return static_cast<int>(percent);
}

int intervalMilliseconds(double seconds)
{
    const double ms = std::round(seconds * 1000.0);
    // A zero or negative interval would spin the event loop; an unusable one never fires.
    if (std::isnan(ms) || ms >= double(INT_MAX))
        return INT_MAX;
    return ms < 1.0 ? 1 : static_cast<int>(ms);
}

} // namespace

PowerSourceMonitor::PowerSourceMonitor(std::shared_ptr<PowerSourceProviding> provider, double pollInterval,
                                       QObject *parent)
    : QObject(parent)
    , m_provider(std::move(provider))
    , m_pollInterval(pollInterval)
{
}

void PowerSourceMonitor::start()
{
    refresh();
    stop();
    // The timer is our child: once the monitor is gone its firings cannot reach it. A coarse
    // timer lets the system batch wake-ups; the poll does not need to be punctual.
    m_timer = new QTimer(this);
    m_timer->setTimerType(Qt::CoarseTimer);
    m_timer->setInterval(intervalMilliseconds(m_pollInterval));
    connect(m_timer, &QTimer::timeout, this, &PowerSourceMonitor::refresh);
    m_timer->start();
}

void PowerSourceMonitor::stop()
{
    delete m_timer;
    m_timer = nullptr;
}

void PowerSourceMonitor::refresh()
{
    setState(readPowerState(m_provider.get()));
}

PowerState PowerSourceMonitor::readPowerState(PowerSourceProviding *provider)
{
    if (!provider)
        return {};
    return readPowerState(provider->sourceDescriptions());
}

PowerState PowerSourceMonitor::readPowerState(const std::optional<QList<QVariantMap>> &descriptions)
{
    if (!descriptions || descriptions->isEmpty())
        return {};
    const QVariantMap &first = descriptions->first();

    PowerState state;
    state.percentage = percentageOf(first);

    const QVariant sourceState = first.value(powerSourceState);
    if (sourceState.typeId() == QMetaType::QString && sourceState.toString() == acPower)
        state.source = PowerState::Source::Ac;
    else if (sourceState.typeId() == QMetaType::QString && sourceState.toString() == batteryPower)
        state.source = PowerState::Source::Battery;
    else
        state.source = state.percentage ? PowerState::Source::Ac : PowerState::Source::Unknown;
    return state;
}

void PowerSourceMonitor::setState(const PowerState &state)
{
    m_state = state;
    emit stateChanged();
}
