#pragma once

#include "power/PowerSourceProviding.h"
#include "power/PowerState.h"

#include <QList>
#include <QObject>
#include <QVariantMap>

#include <memory>
#include <optional>

class QTimer;

// Reads the power source when started and then every pollInterval seconds, and publishes the
// result as one PowerState.
class PowerSourceMonitor final : public QObject {
    Q_OBJECT
public:
    PowerSourceMonitor(std::shared_ptr<PowerSourceProviding> provider, double pollInterval,
                       QObject *parent = nullptr);

    const PowerState &state() const { return m_state; }
    double pollInterval() const { return m_pollInterval; }
    bool isRunning() const { return m_timer != nullptr; }

    // Reads at once, publishes, then (re)arms the one repeating poll timer.
    void start();
    // Drops the timer; state keeps its last value.
    void stop();
    // Reads at once and publishes.
    void refresh();

    // The state the descriptions describe: only the first source counts.
    static PowerState readPowerState(const std::optional<QList<QVariantMap>> &descriptions);
    static PowerState readPowerState(PowerSourceProviding *provider);

signals:
    // Emitted on every assignment, also when the value is unchanged.
    void stateChanged();

private:
    void setState(const PowerState &state);

    std::shared_ptr<PowerSourceProviding> m_provider;
    double m_pollInterval;
    PowerState m_state;
    QTimer *m_timer = nullptr;
};
