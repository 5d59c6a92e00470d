#include "SystemdUnitSource.h"

#include "DBusFollow.h"

#include <QDBusObjectPath>
#include <QDBusServiceWatcher>

using namespace Qt::StringLiterals;
using namespace DBusFollow;

namespace {

const QString service = u"org.freedesktop.systemd1"_s;
const QString managerPath = u"/org/freedesktop/systemd1"_s;
const QString managerInterface = u"org.freedesktop.systemd1.Manager"_s;
const QString unitInterface = u"org.freedesktop.systemd1.Unit"_s;
const QString noSuchUnit = u"org.freedesktop.systemd1.NoSuchUnit"_s;
constexpr qsizetype maxUnitNameLength = 255;

QDBusMessage managerCall(const QString &method, const QVariantList &args = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(service, managerPath, managerInterface, method);
    message.setArguments(args);
    return message;
}

} // namespace

SystemdUnitSource::SystemdUnitSource(QDBusConnection systemBus, QDBusConnection sessionBus, QObject *parent)
    : UnitSource(parent)
    , m_managers{Manager{std::move(systemBus)}, Manager{std::move(sessionBus)}}
{
}

SystemdUnitSource::~SystemdUnitSource()
{
    stopManager(false);
    stopManager(true);
}

bool SystemdUnitSource::isValidUnitName(const QString &name)
{
    static const QStringList suffixes{u".service"_s, u".socket"_s, u".target"_s,    u".timer"_s,
                                      u".mount"_s,   u".automount"_s, u".path"_s,   u".scope"_s,
                                      u".slice"_s,   u".swap"_s,    u".device"_s};
    if (name.isEmpty() || name.size() > maxUnitNameLength)
        return false;
    const qsizetype dot = name.lastIndexOf(u'.');
    // A prefix before the suffix, and no instance marker at the very start.
    if (dot < 1 || name.front() == u'@' || !suffixes.contains(name.sliced(dot)))
        return false;
    return std::all_of(name.cbegin(), name.cend(), [](QChar c) {
        return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') ||
               QStringView(u":_.\\@-").contains(c);
    });
}

void SystemdUnitSource::setFollowing(bool on)
{
    if (on == m_following)
        return;
    m_following = on;
    apply();
}

void SystemdUnitSource::setUnits(const QList<UnitRef> &units)
{
    m_wanted = units;
    apply();
}

UnitStatus SystemdUnitSource::status(const UnitRef &unit) const
{
    if (!isValidUnitName(unit.name))
        return {UnitPresence::NotFound, {}};
    return m_units.value(unit).status;
}

void SystemdUnitSource::apply()
{
    const QList<UnitRef> wanted = m_following ? m_wanted : QList<UnitRef>();
    for (auto it = m_units.begin(); it != m_units.end();) {
        if (wanted.contains(it.key())) {
            ++it;
            continue;
        }
        forgetPath(it.key());
        it = m_units.erase(it);
    }
    for (const bool user : {false, true}) {
        const bool needed = std::any_of(wanted.cbegin(), wanted.cend(), [user](const UnitRef &ref) {
            return ref.user == user && isValidUnitName(ref.name);
        });
        if (!needed)
            stopManager(user);
        else if (!manager(user).period)
            startManager(user); // finds every unit of that manager
    }
    for (const UnitRef &ref : wanted) {
        if (m_units.contains(ref) || !isValidUnitName(ref.name))
            continue;
        m_units.insert(ref, Unit());
        resolve(ref, true);
    }
}

void SystemdUnitSource::startManager(bool user)
{
    Manager &m = manager(user);
    if (!m.bus.isConnected())
        return;
    m.period = new QObject(this);
    m.relay = new SignalRelay(m.bus, m.period);
    auto *watcher = new QDBusServiceWatcher(service, m.bus, QDBusServiceWatcher::WatchForOwnerChange, m.period);
    connect(watcher, &QDBusServiceWatcher::serviceOwnerChanged, m.period,
            [this, user, period = m.period](const QString &, const QString &, const QString &owner) {
                if (period != manager(user).period)
                    return; // let go, waiting for deletion
                if (owner.isEmpty())
                    managerGone(user);
                else
                    managerAppeared(user);
            });
    // A unit loaded after we looked (installed, started, or pulled in) is announced by name.
    m.relay->follow(service, managerPath, managerInterface, u"UnitNew"_s,
                    [this, user](const QDBusMessage &signal) {
                        const QString name = signal.arguments().value(0).toString();
                        const QString path = signal.arguments().value(1).value<QDBusObjectPath>().path();
                        const UnitRef ref{name, user};
                        if (m_units.contains(ref) && !m_units.value(ref).lookingUp && m_units.value(ref).path != path)
                            resolve(ref, false);
                    });
    // systemd unloads units that are inactive and unreferenced: such a unit runs no more, and it
    // is not loaded again here (that would only have it unloaded again).
    m.relay->follow(service, managerPath, managerInterface, u"UnitRemoved"_s,
                    [this, user](const QDBusMessage &signal) {
                        const UnitRef ref{signal.arguments().value(0).toString(), user};
                        if (!m_units.contains(ref))
                            return;
                        forgetPath(ref);
                        Unit &unit = m_units[ref];
                        unit.read = ++m_reads;
                        unit.lookingUp = false;
                        UnitStatus status = unit.status;
                        status.activeState = u"inactive"_s;
                        setStatus(ref, status);
                    });
    // After a daemon-reload, a unit file installed meanwhile may have turned a missing unit real.
    m.relay->follow(service, managerPath, managerInterface, u"Reloading"_s,
                    [this, user](const QDBusMessage &signal) {
                        if (signal.arguments().value(0).toBool())
                            return;
                        for (auto it = m_units.cbegin(); it != m_units.cend(); ++it) {
                            if (it.key().user == user)
                                resolve(it.key(), it.value().status.presence != UnitPresence::Loaded);
                        }
                    });
    managerAppeared(user);
}

void SystemdUnitSource::stopManager(bool user)
{
    Manager &m = manager(user);
    if (!m.period)
        return;
    m.relay->dropAll();
    m.period->deleteLater();
    m.period = nullptr;
    m.relay = nullptr;
    // The manager sends its unit signals only while someone is subscribed; no answer is awaited.
    QDBusMessage unsubscribe = managerCall(u"Unsubscribe"_s);
    unsubscribe.setAutoStartService(false);
    m.bus.send(unsubscribe);
    for (auto it = m_units.begin(); it != m_units.end(); ++it) {
        if (it.key().user == user) {
            it.value() = Unit();
        }
    }
}

void SystemdUnitSource::managerAppeared(bool user)
{
    Manager &m = manager(user);
    // Without a subscription the manager sends no PropertiesChanged, UnitNew or UnitRemoved.
    // Asking twice only gets an error back, which changes nothing.
    QDBusMessage subscribe = managerCall(u"Subscribe"_s);
    call(m.bus, subscribe, m.period, [](const QDBusMessage &) {});
    for (auto it = m_units.cbegin(); it != m_units.cend(); ++it) {
        if (it.key().user == user)
            resolve(it.key(), true);
    }
}

void SystemdUnitSource::managerGone(bool user)
{
    QList<UnitRef> refs;
    for (auto it = m_units.cbegin(); it != m_units.cend(); ++it) {
        if (it.key().user == user)
            refs << it.key();
    }
    for (const UnitRef &ref : refs) {
        forgetPath(ref);
        m_units[ref].read = ++m_reads;
        m_units[ref].lookingUp = false;
        setStatus(ref, {});
    }
}

void SystemdUnitSource::resolve(const UnitRef &ref, bool mayLoad)
{
    Manager &m = manager(ref.user);
    if (!m.period || !m_units.contains(ref))
        return;
    const quint64 read = ++m_reads;
    m_units[ref].read = read;
    m_units[ref].lookingUp = true;
    QObject *period = m.period;
    call(m.bus, managerCall(u"GetUnit"_s, {ref.name}), period,
         [this, ref, read, period, mayLoad](const QDBusMessage &reply) {
             Manager &m = manager(ref.user);
             if (period != m.period || m_units.value(ref).read != read)
                 return;
             m_units[ref].lookingUp = mayLoad && reply.errorName() == noSuchUnit;
             if (reply.type() == QDBusMessage::ReplyMessage) {
                 found(ref, read, reply.arguments().value(0).value<QDBusObjectPath>().path());
                 return;
             }
             if (reply.errorName() != noSuchUnit) {
                 setStatus(ref, {});
                 return;
             }
             if (!mayLoad) {
                 setStatus(ref, {UnitPresence::NotFound, {}});
                 return;
             }
             // Not in memory: loading it tells a unit that exists (inactive) from one that does not.
             call(m.bus, managerCall(u"LoadUnit"_s, {ref.name}), period,
                  [this, ref, read, period](const QDBusMessage &reply) {
                      if (period != manager(ref.user).period || m_units.value(ref).read != read)
                          return;
                      m_units[ref].lookingUp = false;
                      if (reply.type() != QDBusMessage::ReplyMessage) {
                          setStatus(ref, {reply.errorName() == noSuchUnit ? UnitPresence::NotFound
                                                                           : UnitPresence::Unknown,
                                          {}});
                          return;
                      }
                      found(ref, read, reply.arguments().value(0).value<QDBusObjectPath>().path());
                  });
         });
}

void SystemdUnitSource::found(const UnitRef &ref, quint64 read, const QString &path)
{
    Unit &unit = m_units[ref];
    if (path.isEmpty()) {
        setStatus(ref, {});
        return;
    }
    if (unit.path != path) {
        forgetPath(ref);
        unit.path = path;
        // Followed before it is read, so that no change falls between the two.
        manager(ref.user).relay->follow(
            service, path, u"org.freedesktop.DBus.Properties"_s, u"PropertiesChanged"_s,
            [this, ref](const QDBusMessage &signal) {
                const PropertiesChange change = propertiesChange(signal);
                if (!m_units.contains(ref) || signal.path() != m_units.value(ref).path)
                    return;
                if (change.invalidated.contains(u"ActiveState"_s) || change.invalidated.contains(u"LoadState"_s)) {
                    readProperties(ref, m_units.value(ref).read);
                    return;
                }
                if (!change.touches(u"ActiveState"_s) && !change.touches(u"LoadState"_s))
                    return;
                UnitStatus status = m_units.value(ref).status;
                if (change.changed.contains(u"LoadState"_s))
                    status.presence = change.changed.value(u"LoadState"_s).toString() == u"not-found"_s
                                          ? UnitPresence::NotFound
                                          : UnitPresence::Loaded;
                if (change.changed.contains(u"ActiveState"_s))
                    status.activeState = change.changed.value(u"ActiveState"_s).toString();
                setStatus(ref, status);
            },
            unitInterface);
    }
    readProperties(ref, read);
}

void SystemdUnitSource::readProperties(const UnitRef &ref, quint64 read)
{
    Manager &m = manager(ref.user);
    const QString path = m_units.value(ref).path;
    QObject *period = m.period;
    call(m.bus, propertyGetAll(service, path, unitInterface), period,
         [this, ref, read, period, path](const QDBusMessage &reply) {
             if (period != manager(ref.user).period || m_units.value(ref).read != read ||
                 m_units.value(ref).path != path)
                 return;
             const std::optional<QVariantMap> properties = gotProperties(reply);
             if (!properties) {
                 setStatus(ref, {});
                 return;
             }
             const QString loadState = properties->value(u"LoadState"_s).toString();
             setStatus(ref, {loadState == u"not-found"_s ? UnitPresence::NotFound : UnitPresence::Loaded,
                             properties->value(u"ActiveState"_s).toString()});
         });
}

void SystemdUnitSource::setStatus(const UnitRef &ref, const UnitStatus &status)
{
    auto it = m_units.find(ref);
    if (it == m_units.end() || it->status == status)
        return;
    it->status = status;
    emit changed();
}

void SystemdUnitSource::forgetPath(const UnitRef &ref)
{
    auto it = m_units.find(ref);
    if (it == m_units.end() || it->path.isEmpty())
        return;
    const QString path = std::exchange(it->path, QString());
    // Another followed unit may be the same object under another name.
    bool shared = false;
    for (auto other = m_units.cbegin(); other != m_units.cend() && !shared; ++other)
        shared = other.key().user == ref.user && other.value().path == path;
    if (!shared && manager(ref.user).relay)
        manager(ref.user).relay->unfollowPath(path);
}
