#include "DBusMockService.h"
#include "linux/triggers/DrmDisplaySource.h"
#include "linux/triggers/LinuxClockEventSource.h"
#include "linux/triggers/LogindRemoteSessionSource.h"
#include "linux/triggers/SystemdUnitSource.h"
#include "linux/triggers/UPowerAdapterSource.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString mockInterface = u"org.freedesktop.DBus.Mock"_s;
const QString logindPath = u"/org/freedesktop/login1"_s;
const QString logindManager = u"org.freedesktop.login1.Manager"_s;

bool callMock(const DBusMockService &mock, const QString &path, const QString &interface, const QString &method,
              const QVariantList &args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(mock.busName(), path, interface, method);
    message.setArguments(args);
    const QDBusMessage reply = mock.connection().call(message, QDBus::Block, 5000);
    if (reply.type() != QDBusMessage::ReplyMessage)
        qWarning() << method << reply.errorMessage();
    return reply.type() == QDBusMessage::ReplyMessage;
}

QVariant variant(const QVariant &value) { return QVariant::fromValue(QDBusVariant(value)); }

// /sys/class/drm as the kernel lays it out: one symlink per connector to its device folder.
struct FakeDrmTree {
    QTemporaryDir dir;

    bool set(const QString &connector, const QString &status)
    {
        const QString device = dir.filePath(u"devices/"_s + connector);
        const QString link = dir.filePath(u"class/drm/"_s + connector);
        if (!QDir().mkpath(device) || !QDir().mkpath(dir.filePath(u"class/drm"_s)))
            return false;
        if (!QFile::exists(link) && !QFile::link(device, link))
            return false;
        QFile file(device + u"/status"_s);
        return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write((status + u'\n').toUtf8()) > 0;
    }
};

using Statuses = QMap<QString, QString>;

UnitStatus running(const QString &state = u"active"_s) { return {UnitPresence::Loaded, state}; }

} // namespace

// Runs on the private buses of tests/dbus/with-buses.sh: dbusmock's logind, upower and timedated
// templates, and tests/dbus/systemd_manager.py on both buses.
class TestLinuxTriggerSources : public QObject {
    Q_OBJECT

    std::unique_ptr<DBusMockService> logind;
    std::unique_ptr<DBusMockService> systemManager;
    std::unique_ptr<DBusMockService> userManager;
    int sessionCount = 0;

    QString addSession(uint uid, const QString &user, const QVariantMap &properties)
    {
        const QString id = u"c%1"_s.arg(++sessionCount);
        const QString path = u"/org/freedesktop/login1/session/"_s + id;
        if (!callMock(*logind, logindPath, mockInterface, u"AddSession"_s, {id, u"seat0"_s, uid, user, true}) ||
            !callMock(*logind, path, mockInterface, u"UpdateProperties"_s,
                      {u"org.freedesktop.login1.Session"_s, properties}))
            return {};
        return id;
    }

    bool announceSession(const QString &signal, const QString &id)
    {
        const QDBusObjectPath path(u"/org/freedesktop/login1/session/"_s + id);
        return callMock(*logind, logindPath, mockInterface, u"EmitSignal"_s,
                        {logindManager, signal, u"so"_s, QVariantList{id, QVariant::fromValue(path)}});
    }

private slots:
    void initTestCase()
    {
        QString error;
        logind = DBusMockService::start(u"logind"_s, DBusMockService::Bus::System, u"org.freedesktop.login1"_s, {},
                                        &error);
        QVERIFY2(logind, qPrintable(error));
        QVERIFY(callMock(*logind, logindPath, mockInterface, u"AddProperty"_s,
                         {logindManager, u"Docked"_s, variant(false)}));
        const QString manager = DBusMockService::templateDirectory() + u"/systemd_manager.py"_s;
        systemManager = DBusMockService::start(manager, DBusMockService::Bus::System, u"org.freedesktop.systemd1"_s,
                                               {}, &error);
        QVERIFY2(systemManager, qPrintable(error));
        userManager = DBusMockService::start(manager, DBusMockService::Bus::Session, u"org.freedesktop.systemd1"_s,
                                             {}, &error);
        QVERIFY2(userManager, qPrintable(error));
    }

    // --- the power adapter (UPower) ---

    void adapterFollowsUPower()
    {
        UPowerAdapterSource source(QDBusConnection::systemBus());
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        QCOMPARE(source.onBattery(), std::nullopt); // no UPower yet

        // It starts after us, as at login: then it is read.
        auto upower = DBusMockService::start(u"upower"_s, DBusMockService::Bus::System, u"org.freedesktop.UPower"_s,
                                             {{u"OnBattery"_s, true}});
        QVERIFY(upower);
        QTRY_COMPARE(source.onBattery(), std::optional<bool>(true));
        QVERIFY(!source.hasBattery()); // the default display device is no battery

        for (const bool onBattery : {false, true, false}) {
            changed.clear();
            QVERIFY(callMock(*upower, u"/org/freedesktop/UPower"_s, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                             {u"org.freedesktop.UPower"_s, u"OnBattery"_s, variant(onBattery)}));
            QVERIFY(changed.wait());
            QCOMPARE(source.onBattery(), std::optional<bool>(onBattery));
        }

        // Let go, it hears nothing more: a source still following marks when the change arrived.
        UPowerAdapterSource marker(QDBusConnection::systemBus());
        QSignalSpy markerChanged(&marker, &TriggerSource::changed);
        marker.setFollowing(true);
        QVERIFY(markerChanged.wait());
        source.setFollowing(false);
        changed.clear();
        QVERIFY(callMock(*upower, u"/org/freedesktop/UPower"_s, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                         {u"org.freedesktop.UPower"_s, u"OnBattery"_s, variant(true)}));
        QVERIFY(markerChanged.wait());
        QCOMPARE(changed.size(), 0);
        QCOMPARE(source.onBattery(), std::nullopt);

        upower.reset();
        QTRY_COMPARE(marker.onBattery(), std::nullopt);
    }

    void adapterHasBattery_data()
    {
        QTest::addColumn<uint>("type");
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("hasBattery");
        QTest::newRow("battery") << 2u << true << true;
        QTest::newRow("battery bay empty") << 2u << false << false;
        QTest::newRow("a UPS is no battery") << 3u << true << false;
    }

    void adapterHasBattery()
    {
        QFETCH(uint, type);
        QFETCH(bool, present);
        QFETCH(bool, hasBattery);
        auto upower = DBusMockService::start(u"upower"_s, DBusMockService::Bus::System, u"org.freedesktop.UPower"_s);
        QVERIFY(upower);
        QVERIFY(callMock(*upower, u"/org/freedesktop/UPower"_s, mockInterface, u"SetupDisplayDevice"_s,
                         {type, 2u, 50.0, 0.0, 0.0, 0.0, qlonglong(0), qlonglong(0), present, QString(), 1u}));
        UPowerAdapterSource source(QDBusConnection::systemBus());
        source.setFollowing(true);
        QTRY_COMPARE(source.onBattery(), std::optional<bool>(false));
        // A change sent after the display device was read arrives after its answer.
        QVERIFY(callMock(*upower, u"/org/freedesktop/UPower"_s, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                         {u"org.freedesktop.UPower"_s, u"OnBattery"_s, variant(true)}));
        QTRY_COMPARE(source.onBattery(), std::optional<bool>(true));
        QCOMPARE(source.hasBattery(), hasBattery);
    }

    // --- external displays (DRM connectors, logind's Docked) ---

    void connectors_data()
    {
        QTest::addColumn<Statuses>("statuses");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("panel only, HDMI unplugged")
            << Statuses{{u"card0-eDP-1"_s, u"connected"_s}, {u"card0-HDMI-A-1"_s, u"disconnected"_s}}
            << QStringList();
        QTest::newRow("mirrored beside the panel")
            << Statuses{{u"card0-eDP-1"_s, u"connected"_s}, {u"card0-HDMI-A-1"_s, u"connected"_s}}
            << QStringList{u"HDMI-A-1"_s};
        QTest::newRow("lid closed, monitor on")
            << Statuses{{u"card0-eDP-1"_s, u"disconnected"_s}, {u"card1-DP-2"_s, u"connected"_s}}
            << QStringList{u"DP-2"_s};
        QTest::newRow("LVDS and DSI panels are built in")
            << Statuses{{u"card0-LVDS-1"_s, u"connected"_s}, {u"card1-DSI-1"_s, u"connected"_s}}
            << QStringList();
        QTest::newRow("writeback and unknown do not count")
            << Statuses{{u"card0-Writeback-1"_s, u"unknown"_s}, {u"card0-DP-1"_s, u"connected"_s},
                                      {u"card1-DP-1"_s, u"connected"_s}}
            << QStringList{u"DP-1"_s};
    }

    void connectors()
    {
        QFETCH(Statuses, statuses);
        QFETCH(QStringList, expected);
        FakeDrmTree tree;
        for (auto it = statuses.cbegin(); it != statuses.cend(); ++it)
            QVERIFY(tree.set(it.key(), it.value()));
        QVERIFY(tree.set(u"version"_s, u""_s)); // not a connector
        QCOMPARE(DrmDisplaySource::connectedExternalConnectors(tree.dir.path()), expected);
    }

    void displaysFollowHotplugAndDock()
    {
        FakeDrmTree tree;
        QVERIFY(tree.set(u"card0-eDP-1"_s, u"connected"_s));
        QVERIFY(tree.set(u"card0-HDMI-A-1"_s, u"disconnected"_s));
        DrmDisplaySource source(QDBusConnection::systemBus(), tree.dir.path(), DrmDisplaySource::Hotplug::None);
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        QCOMPARE(source.externalDisplays(), QStringList());

        QVERIFY(tree.set(u"card0-HDMI-A-1"_s, u"connected"_s));
        source.reread();
        QCOMPARE(changed.size(), 1);
        QCOMPARE(source.externalDisplays(), QStringList{u"HDMI-A-1"_s});

        // A dock whose displays show no connector still counts.
        QVERIFY(tree.set(u"card0-HDMI-A-1"_s, u"disconnected"_s));
        source.reread();
        QVERIFY(callMock(*logind, logindPath, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                         {logindManager, u"Docked"_s, variant(true)}));
        QTRY_COMPARE_WITH_TIMEOUT(source.externalDisplays(), QStringList{u"dock"_s}, 20000);
        QVERIFY(callMock(*logind, logindPath, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                         {logindManager, u"Docked"_s, variant(false)}));
        QTRY_COMPARE_WITH_TIMEOUT(source.externalDisplays(), QStringList(), 20000);
    }

    // --- remote login sessions (logind) ---

    void remoteSessions()
    {
        const uint me = ::getuid();
        const QString early = addSession(me, u"ann"_s, {{u"Remote"_s, true}, {u"RemoteHost"_s, u"desk.lan"_s},
                                                        {u"Service"_s, u"sshd"_s}});
        const QString closing = addSession(me, u"ann"_s, {{u"Remote"_s, true}, {u"State"_s, u"closing"_s}});
        QVERIFY(!early.isEmpty() && !closing.isEmpty());

        LogindRemoteSessionSource source(QDBusConnection::systemBus());
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        QVERIFY(changed.wait());
        QCOMPARE(source.remoteSessions(),
                 (QList<RemoteSession>{{early, u"ann"_s, u"desk.lan"_s, u"sshd"_s, true}}));

        // Opened while followed: a local one is never listed, a remote one of someone else is.
        const QString local = addSession(me, u"ann"_s, {});
        const QString other = addSession(me + 1, u"bob"_s, {{u"Remote"_s, true}, {u"Service"_s, u"xrdp"_s}});
        QVERIFY(announceSession(u"SessionNew"_s, local));
        QVERIFY(announceSession(u"SessionNew"_s, other));
        QTRY_COMPARE(source.remoteSessions().size(), 2);
        QCOMPARE(source.remoteSessions().last(), (RemoteSession{other, u"bob"_s, QString(), u"xrdp"_s, false}));

        QVERIFY(announceSession(u"SessionRemoved"_s, early));
        QTRY_COMPARE(source.remoteSessions().size(), 1);
        QCOMPARE(source.remoteSessions().first().id, other);
    }

    // --- systemd units ---

    void units_data()
    {
        QTest::addColumn<bool>("user");
        QTest::newRow("system") << false;
        QTest::newRow("user") << true;
    }

    void units()
    {
        QFETCH(bool, user);
        DBusMockService &mine = user ? *userManager : *systemManager;
        const QString prefix = user ? u"u-"_s : u"s-"_s;
        const UnitRef backup{prefix + u"backup.service"_s, user};
        const UnitRef later{prefix + u"later.service"_s, user};
        const UnitRef otherBus{backup.name, !user};
        QVERIFY(callMock(mine, u"/org/freedesktop/systemd1"_s, mockInterface, u"AddUnit"_s, {backup.name, u"active"_s}));

        SystemdUnitSource source(QDBusConnection::systemBus(), QDBusConnection::sessionBus());
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setUnits({backup, later, otherBus});
        source.setFollowing(true);
        QTRY_COMPARE(source.status(backup), running());
        QTRY_COMPARE(source.status(later), (UnitStatus{UnitPresence::NotFound, u"inactive"_s}));
        QTRY_COMPARE(source.status(otherBus).presence, UnitPresence::NotFound); // the other manager has none

        QVERIFY(callMock(mine, u"/org/freedesktop/systemd1"_s, mockInterface, u"SetActiveState"_s,
                         {backup.name, u"inactive"_s}));
        QTRY_COMPARE(source.status(backup), (UnitStatus{UnitPresence::Loaded, u"inactive"_s}));
        QVERIFY(!source.status(backup).isRunning());

        // The missing unit's stub is unloaded; later the unit is installed and started.
        QVERIFY(callMock(mine, u"/org/freedesktop/systemd1"_s, mockInterface, u"UnloadUnit"_s, {later.name}));
        QVERIFY(callMock(mine, u"/org/freedesktop/systemd1"_s, mockInterface, u"AddUnit"_s,
                         {later.name, u"activating"_s}));
        QTRY_COMPARE(source.status(later), running(u"activating"_s));

        // Let go: no longer followed, nothing is known.
        source.setFollowing(false);
        QCOMPARE(source.status(backup), UnitStatus());
    }

    void invalidUnitNamesAreNeverAsked()
    {
        const QStringList names{u"no-suffix"_s, u"../etc.service"_s, u"a b.service"_s, u"x.bogus"_s,
                                u".service"_s, QString(256, u'a') + u".service"_s};
        QList<UnitRef> refs;
        for (const QString &name : names)
            refs << UnitRef{name, false};
        const UnitRef valid{u"dbus-x11@1\\x2d2.service"_s, false};
        refs << valid;
        systemManager->clearCalls(u"/org/freedesktop/systemd1"_s);
        SystemdUnitSource source(QDBusConnection::systemBus(), QDBusConnection::sessionBus());
        source.setUnits(refs);
        source.setFollowing(true);
        QTRY_COMPARE(source.status(valid).presence, UnitPresence::NotFound);
        for (const UnitRef &ref : std::as_const(refs).first(names.size()))
            QCOMPARE(source.status(ref).presence, UnitPresence::NotFound);
        QStringList asked;
        for (const auto &call : systemManager->methodCalls(u"/org/freedesktop/systemd1"_s)) {
            if (call.method == u"GetUnit"_s || call.method == u"LoadUnit"_s)
                asked << call.args.value(0).toString();
        }
        QCOMPARE(asked, (QStringList{valid.name, valid.name}));
    }

    // --- clock events ---

    void clockEvents()
    {
        QTemporaryDir etc;
        const QString localtime = etc.filePath(u"localtime"_s);
        QVERIFY(QFile::link(u"/usr/share/zoneinfo/Europe/Paris"_s, localtime));
        auto timedated = DBusMockService::start(u"timedated"_s, DBusMockService::Bus::System,
                                                u"org.freedesktop.timedate1"_s);
        QVERIFY(timedated);

        LinuxClockEventSource source(QDBusConnection::systemBus(), localtime);
        QSignalSpy changed(&source, &TriggerSource::changed);
        QVERIFY(!source.clockSetWatched());
        source.setFollowing(true);
        QVERIFY(source.clockSetWatched());

        // Going to sleep is no event; the resume is.
        for (const bool preparing : {true, false})
            QVERIFY(callMock(*logind, logindPath, mockInterface, u"EmitSignal"_s,
                             {logindManager, u"PrepareForSleep"_s, u"b"_s, QVariantList{preparing}}));
        QVERIFY(changed.wait());
        QCOMPARE(changed.size(), 1);

        QVERIFY(callMock(*timedated, u"/org/freedesktop/timedate1"_s, u"org.freedesktop.timedate1"_s,
                         u"SetTimezone"_s, {u"Asia/Tokyo"_s, false}));
        QVERIFY(changed.wait());
        QCOMPARE(changed.size(), 2);

        // The link replaced is a change; another file written in the folder is not (the resume
        // after it marks the moment its inotify event has been read too).
        QVERIFY(QFile::link(u"/usr/share/zoneinfo/Asia/Tokyo"_s, localtime + u".new"_s));
        QVERIFY(::rename(qPrintable(localtime + u".new"_s), qPrintable(localtime)) == 0);
        QVERIFY(changed.wait());
        QCOMPARE(changed.size(), 3);
        QFile other(etc.filePath(u"hostname"_s));
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("box\n") > 0);
        other.close();
        QVERIFY(callMock(*logind, logindPath, mockInterface, u"EmitSignal"_s,
                         {logindManager, u"PrepareForSleep"_s, u"b"_s, QVariantList{false}}));
        QVERIFY(changed.wait());
        QCOMPARE(changed.size(), 4);

        source.setFollowing(false);
        QVERIFY(!source.clockSetWatched());
    }

    void cleanupTestCase()
    {
        userManager.reset();
        systemManager.reset();
        logind.reset();
    }
};

QTEST_GUILESS_MAIN(TestLinuxTriggerSources)
#include "tst_linux_trigger_sources.moc"
