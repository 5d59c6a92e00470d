#include "SysfsNetworkSource.h"

#include "SampleHistory.h"
#include "utilities/Clock.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// More entries than this under class/net are not looked at.
constexpr qsizetype maximumEntries = 4096;

// The links a machine makes for itself, known by their names: loopback, the ends of container
// links, tunnels and taps, and the bridges and guest links of Docker and libvirt.
bool virtualByName(const QString &name)
{
    static const QLatin1StringView prefixes[] = {"veth"_L1, "tun"_L1,   "tap"_L1,  "docker"_L1,
                                                 "virbr"_L1, "vnet"_L1, "br-"_L1};
    return name == "lo"_L1 ||
           std::any_of(std::begin(prefixes), std::end(prefixes), [&](QLatin1StringView p) { return name.startsWith(p); });
}

// The hardware types (ARPHRD_*) of links that are never a device's own: loopback, IP-in-IP and
// other tunnels, and a link without hardware (tun).
bool virtualByType(const QByteArray &type)
{
    static const char *const types[] = {"772", "768", "769", "776", "778", "823", "65534", "65535"};
    return std::any_of(std::begin(types), std::end(types), [&](const char *t) { return type == t; });
}

std::optional<quint64> readCounter(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool ok = false;
    const quint64 value = file.read(32).trimmed().toULongLong(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

bool isPhysical(const QString &name, const QString &directory)
{
    if (virtualByName(name) || !QFileInfo::exists(directory + u"/device"_s) ||
        QFileInfo(directory + u"/bridge"_s).isDir())
        return false;
    QFile type(directory + u"/type"_s);
    return !type.open(QIODevice::ReadOnly) || !virtualByType(type.read(16).trimmed());
}

} // namespace

SysfsNetworkSource::SysfsNetworkSource(std::shared_ptr<const Clock> clock, QString sysfsRoot, QObject *parent)
    : NetworkSource(parent)
    , m_clock(std::move(clock))
    , m_root(std::move(sysfsRoot))
{
    SampleHistory::setUpTimer(m_timer, sampleIntervalSeconds, this, [this] { sample(); });
}

SysfsNetworkSource::~SysfsNetworkSource() = default;

void SysfsNetworkSource::setFollowing(bool on)
{
    if (on == m_timer.isActive())
        return;
    if (!on) {
        m_timer.stop();
        m_samples.clear();
        return;
    }
    m_timer.start();
    sample();
}

void SysfsNetworkSource::sample()
{
    std::optional<QList<InterfaceCounters>> interfaces = read(m_root);
    if (!interfaces) {
        // Empty while the counters cannot be read: a gap must not pass for a quiet network.
        if (!m_samples.isEmpty()) {
            m_samples.clear();
            emit changed();
        }
        return;
    }
    SampleHistory::add(m_samples, NetworkSample{m_clock->now(), std::move(*interfaces)}, maximumHistorySeconds);
    emit changed();
}

std::optional<QList<InterfaceCounters>> SysfsNetworkSource::read(const QString &sysfsRoot)
{
    const QString net = sysfsRoot + u"/class/net"_s;
    if (!QFileInfo(net).isDir())
        return std::nullopt;
    QStringList names;
    QDirIterator entries(net, QDir::Dirs | QDir::NoDotAndDotDot);
    while (entries.hasNext() && names.size() < maximumEntries)
        names.append(entries.nextFileInfo().fileName());
    // A host with hundreds of container links still has its own interfaces read.
    std::sort(names.begin(), names.end());
    std::stable_partition(names.begin(), names.end(), [](const QString &name) { return !virtualByName(name); });
    if (names.size() > maximumInterfaces)
        names.resize(maximumInterfaces);
    std::sort(names.begin(), names.end());

    QList<InterfaceCounters> interfaces;
    for (const QString &name : std::as_const(names)) {
        const QString directory = net + u'/' + name;
        const std::optional<quint64> received = readCounter(directory + u"/statistics/rx_bytes"_s);
        const std::optional<quint64> sent = readCounter(directory + u"/statistics/tx_bytes"_s);
        if (!received || !sent)
            continue;
        interfaces.append({name, isPhysical(name, directory), *received + *sent});
    }
    return interfaces;
}
