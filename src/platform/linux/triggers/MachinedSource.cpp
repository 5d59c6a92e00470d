#include "MachinedSource.h"

#include "DBusFollow.h"

#include <QDBusArgument>
#include <QDBusObjectPath>
#include <QDBusServiceWatcher>

#include <utility>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

const QString service = u"org.freedesktop.machine1"_s;
const QString managerPath = u"/org/freedesktop/machine1"_s;
const QString managerInterface = u"org.freedesktop.machine1.Manager"_s;
const QString machineInterface = u"org.freedesktop.machine1.Machine"_s;
// A listing longer than this is read no further.
constexpr qsizetype maxMachines = 256;

} // namespace

MachinedSource::MachinedSource(QDBusConnection systemBus, QObject *parent)
    : MachineSource(parent)
    , m_bus(std::move(systemBus))
{
}

MachinedSource::~MachinedSource() = default;

std::optional<QList<Machine>> MachinedSource::machines() const
{
    if (!m_listed)
        return std::nullopt;
    return m_machines.values();
}

void MachinedSource::reset()
{
    m_machines.clear();
    m_roster.reset();
    m_listed = false;
}

void MachinedSource::setFollowing(bool on)
{
    if (on == (m_period != nullptr))
        return;
    if (!on) {
        m_relay->dropAll();
        m_period->deleteLater();
        m_period = nullptr;
        m_relay = nullptr;
        reset();
        return;
    }
    if (!m_bus.isConnected())
        return;
    m_period = new QObject(this);
    m_relay = new SignalRelay(m_bus, m_period);
    auto *watcher = new QDBusServiceWatcher(service, m_bus, QDBusServiceWatcher::WatchForOwnerChange, m_period);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, m_period,
            [this, period = m_period](const QString &, const QString &, const QString &owner) {
                if (period != m_period)
                    return; // let go, waiting for deletion
                const bool had = m_listed;
                reset();
                if (had)
                    emit changed();
                if (!owner.isEmpty())
                    listMachines();
            });
    m_relay->follow(service, managerPath, managerInterface, u"MachineNew"_s, [this](const QDBusMessage &signal) {
        const QVariantList args = signal.arguments();
        if (args.size() == 2)
            readMachine(args.at(0).toString(), args.at(1).value<QDBusObjectPath>().path());
    });
    m_relay->follow(service, managerPath, managerInterface, u"MachineRemoved"_s,
                    [this](const QDBusMessage &signal) { forget(signal.arguments().value(0).toString()); });
    listMachines();
}

void MachinedSource::listMachines()
{
    QObject *period = m_period;
    const quint64 ticket = m_roster.listingSent();
    QDBusMessage message = QDBusMessage::createMethodCall(service, managerPath, managerInterface, u"ListMachines"_s);
    // Not there means no machines to follow yet; it is not started for that.
    message.setAutoStartService(false);
    call(m_bus, message, period, [this, period, ticket](const QDBusMessage &reply) {
        if (period != m_period || !m_roster.listingAnswered(ticket))
            return;
        if (reply.type() != QDBusMessage::ReplyMessage)
            return;
        const QDBusArgument listing = reply.arguments().value(0).value<QDBusArgument>();
        if (listing.currentSignature() != u"a(ssso)"_s)
            return;
        listing.beginArray();
        for (qsizetype count = 0; !listing.atEnd() && count < maxMachines; ++count) {
            Machine machine;
            QDBusObjectPath path;
            listing.beginStructure();
            listing >> machine.name >> machine.machineClass >> machine.service >> path;
            listing.endStructure();
            if (m_roster.takesListed(machine.name))
                m_machines.insert(machine.name, machine);
        }
        listing.endArray();
        m_listed = true;
        emit changed();
    });
}

void MachinedSource::readMachine(const QString &name, const QString &path)
{
    if (name.isEmpty() || path.isEmpty())
        return;
    QObject *period = m_period;
    const quint64 ticket = m_roster.readSent(name);
    call(m_bus, propertyGetAll(service, path, machineInterface), period,
         [this, period, ticket, name](const QDBusMessage &reply) {
             if (period != m_period || !m_roster.readCounts(name, ticket))
                 return;
             // A machine gone before it could be read was never there for us.
             const std::optional<QVariantMap> properties = gotProperties(reply);
             if (!properties)
                 return;
             const Machine machine{name, properties->value(u"Class"_s).toString(),
                                   properties->value(u"Service"_s).toString()};
             if (m_machines.contains(name) && m_machines.value(name) == machine)
                 return;
             m_machines.insert(name, machine);
             if (m_listed)
                 emit changed();
         });
}

void MachinedSource::forget(const QString &name)
{
    // A read still under way cannot bring it back.
    m_roster.removed(name);
    if (m_machines.remove(name) && m_listed)
        emit changed();
}
