#pragma once

#include "triggers/TriggerSources.h"

#include <QTimer>

#include <memory>

class Clock;

// Bytes through the network interfaces, from the kernel's counters under <sysfs>/class/net:
// statistics/rx_bytes plus tx_bytes, read every sampleIntervalSeconds while following (a few small
// files, on the main thread) and kept as far back as maximumHistorySeconds. Nothing is kept or
// timed while not following.
// An interface counts as physical when it sits on a device (a "device" link) and is none of the
// links a machine makes for itself: loopback, a bridge, a tunnel, or the veth/tun/tap links of
// containers and virtual machines (docker*, virbr*, vnet*, br-*).
class SysfsNetworkSource final : public NetworkSource {
    Q_OBJECT
public:
    // At most this many interfaces are read at a sample; those that may be physical come first.
    static constexpr qsizetype maximumInterfaces = 64;

    explicit SysfsNetworkSource(std::shared_ptr<const Clock> clock, QString sysfsRoot = QStringLiteral("/sys"),
                                QObject *parent = nullptr);
    ~SysfsNetworkSource() override;

    void setFollowing(bool on) override;
    QList<NetworkSample> samples() const override { return m_samples; }

    // Reads the counters now (what the timer does) and emits changed().
    void sample();

    // The interfaces under root with their counters, sorted by name; nothing when the directory
    // cannot be read. An interface whose counters cannot be read (it went meanwhile) is left out.
    static std::optional<QList<InterfaceCounters>> read(const QString &sysfsRoot);

private:
    std::shared_ptr<const Clock> m_clock;
    QString m_root;
    QTimer m_timer{this};
    QList<NetworkSample> m_samples;
};
