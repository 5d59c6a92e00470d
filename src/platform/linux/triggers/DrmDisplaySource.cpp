#include "DrmDisplaySource.h"

#include "DBusFollow.h"
#include "utilities/Log.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <libudev.h>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

const QString logindService = u"org.freedesktop.login1"_s;
const QString logindPath = u"/org/freedesktop/login1"_s;
const QString managerInterface = u"org.freedesktop.login1.Manager"_s;
// A machine has a handful of connectors; a tree with more than this is not read further.
constexpr qsizetype maxConnectors = 64;

bool isBuiltInPanel(const QString &connector)
{
    for (const auto prefix : {"eDP"_L1, "LVDS"_L1, "DSI"_L1}) {
        if (connector.startsWith(prefix))
            return true;
    }
    return false;
}

} // namespace

DrmDisplaySource::DrmDisplaySource(QDBusConnection systemBus, QString sysfsRoot, Hotplug hotplug, QObject *parent)
    : DisplaySource(parent)
    , m_bus(std::move(systemBus))
    , m_sysfsRoot(std::move(sysfsRoot))
    , m_hotplug(hotplug)
{
}

DrmDisplaySource::~DrmDisplaySource()
{
    stopMonitor();
}

QStringList DrmDisplaySource::connectedExternalConnectors(const QString &sysfsRoot)
{
    static const QRegularExpression connectorName(u"^card[0-9]+-(.+)$"_s);
    const QDir drm(sysfsRoot + u"/class/drm"_s);
    // Entries are symlinks to the devices; their names are all that is needed.
    const QStringList entries =
        drm.entryList({u"card*-*"_s}, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    QStringList connected;
    for (const QString &entry : entries.first(std::min(entries.size(), maxConnectors))) {
        const QRegularExpressionMatch match = connectorName.match(entry);
        if (!match.hasMatch() || isBuiltInPanel(match.captured(1)))
            continue;
        QFile status(drm.filePath(entry) + u"/status"_s);
        if (!status.open(QIODevice::ReadOnly))
            continue;
        if (status.read(32).trimmed() == "connected" && !connected.contains(match.captured(1)))
            connected << match.captured(1);
    }
    connected.sort();
    return connected;
}

QStringList DrmDisplaySource::externalDisplays() const
{
    if (m_connectors.isEmpty() && m_docked)
        return {u"dock"_s};
    return m_connectors;
}

void DrmDisplaySource::setFollowing(bool on)
{
    if (on == (m_period != nullptr))
        return;
    if (!on) {
        stopMonitor();
        m_relay->dropAll();
        m_period->deleteLater();
        m_period = nullptr;
        m_relay = nullptr;
        m_connectors.clear();
        m_docked = false;
        return;
    }
    m_period = new QObject(this);
    m_relay = new SignalRelay(m_bus, m_period);
    if (m_bus.isConnected()) {
        m_relay->follow(logindService, logindPath, u"org.freedesktop.DBus.Properties"_s,
                        u"PropertiesChanged"_s,
                        [this](const QDBusMessage &signal) {
                            const PropertiesChange change = propertiesChange(signal);
                            if (change.changed.contains(u"Docked"_s)) {
                                ++m_dockedSignals;
                                setState(m_connectors, change.changed.value(u"Docked"_s).toBool());
                            }
                            else if (change.invalidated.contains(u"Docked"_s))
                                readDocked();
                        },
                        managerInterface);
    }
    if (m_hotplug == Hotplug::Udev)
        startMonitor();
    reread();
}

void DrmDisplaySource::reread()
{
    if (!m_period)
        return;
    setState(connectedExternalConnectors(m_sysfsRoot), m_docked);
    readDocked();
}

void DrmDisplaySource::readDocked()
{
    if (!m_bus.isConnected())
        return;
    QObject *period = m_period;
    call(m_bus, propertyGet(logindService, logindPath, managerInterface, u"Docked"_s), period,
         [this, period, announced = m_dockedSignals](const QDBusMessage &reply) {
             // A change announced since this read was sent is newer than its answer.
             if (period != m_period || announced != m_dockedSignals)
                 return;
             // Without logind (or with one too old to know), no dock is reported.
             const std::optional<QVariant> docked = gotProperty(reply);
             setState(m_connectors, docked && docked->toBool());
         });
}

void DrmDisplaySource::setState(const QStringList &connectors, bool docked)
{
    const QStringList before = externalDisplays();
    m_connectors = connectors;
    m_docked = docked;
    if (externalDisplays() != before)
        emit changed();
}

void DrmDisplaySource::startMonitor()
{
    m_udev = udev_new();
    if (m_udev)
        m_monitor = udev_monitor_new_from_netlink(m_udev, "udev");
    if (m_monitor && (udev_monitor_filter_add_match_subsystem_devtype(m_monitor, "drm", nullptr) < 0 ||
                      udev_monitor_enable_receiving(m_monitor) < 0)) {
        udev_monitor_unref(m_monitor);
        m_monitor = nullptr;
    }
    if (!m_monitor) {
        if (!m_monitorFailureLogged) {
            m_monitorFailureLogged = true;
            Log::warning(u"Display hot-plug cannot be followed through udev; the displays connected "
                         u"are read only when a rule starts following them."_s);
        }
        stopMonitor();
        return;
    }
    // The monitor's socket is non-blocking: every event queued is taken at once.
    m_notifier = new QSocketNotifier(udev_monitor_get_fd(m_monitor), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &DrmDisplaySource::drainMonitor);
}

void DrmDisplaySource::drainMonitor()
{
    bool any = false;
    while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
        udev_device_unref(device);
        any = true;
    }
    if (any)
        reread();
}

void DrmDisplaySource::stopMonitor()
{
    // Possibly called from a slot of its own activation (changed() may end the following).
    if (m_notifier) {
        m_notifier->setEnabled(false);
        m_notifier->deleteLater();
    }
    m_notifier = nullptr;
    if (m_monitor)
        udev_monitor_unref(m_monitor);
    m_monitor = nullptr;
    if (m_udev)
        udev_unref(m_udev);
    m_udev = nullptr;
}
