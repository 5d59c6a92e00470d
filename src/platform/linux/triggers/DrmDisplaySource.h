#pragma once

#include "triggers/TriggerSources.h"

#include <QDBusConnection>

struct udev;
struct udev_monitor;
class QSocketNotifier;
namespace DBusFollow {
class SignalRelay;
}

// External displays: the DRM connectors under <sysfs>/class/drm whose status reads "connected",
// leaving out built-in panels (eDP, LVDS, DSI), and logind's Docked for a dock that shows no
// connector. A connected external connector counts whatever the lid and mirroring do.
// Both are read when following starts and again whenever udev announces a change in the "drm"
// subsystem. logind works Docked out on each read and does not announce its changes (only a
// PropertiesChanged, should one come, is taken); so where no udev monitor can be made (a
// container without netlink) what was read at the start stands until following starts again.
class DrmDisplaySource final : public DisplaySource {
    Q_OBJECT
public:
    enum class Hotplug { Udev, None };

    DrmDisplaySource(QDBusConnection systemBus, QString sysfsRoot, Hotplug hotplug = Hotplug::Udev,
                     QObject *parent = nullptr);
    ~DrmDisplaySource() override;

    void setFollowing(bool on) override;
    QStringList externalDisplays() const override;

    // Reads the connectors again (what a hot-plug event does) and asks logind for Docked anew.
    void reread();
    bool hotplugMonitored() const { return m_monitor != nullptr; }

    // The connected external connectors under root, by name, sorted (no more than a bounded
    // number of entries is looked at).
    static QStringList connectedExternalConnectors(const QString &sysfsRoot);

private:
    void startMonitor();
    void stopMonitor();
    void drainMonitor();
    void readDocked();
    void setState(const QStringList &connectors, bool docked);

    QDBusConnection m_bus;
    QString m_sysfsRoot;
    Hotplug m_hotplug;
    QObject *m_period = nullptr;
    DBusFollow::SignalRelay *m_relay = nullptr;
    udev *m_udev = nullptr;
    udev_monitor *m_monitor = nullptr;
    QSocketNotifier *m_notifier = nullptr;
    bool m_monitorFailureLogged = false;
    QStringList m_connectors;
    bool m_docked = false;
    // Counts the Docked values that arrived by signal: an answer to a read sent before the latest
    // one is older than it and is dropped.
    quint64 m_dockedSignals = 0;
};
