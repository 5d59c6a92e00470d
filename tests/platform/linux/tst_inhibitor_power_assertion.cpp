#include "DBusMockService.h"
#include "linux/InhibitorPowerAssertion.h"
#include "power/AssertionManager.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusServiceWatcher>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <map>

using namespace Qt::StringLiterals;
using Bus = DBusMockService::Bus;

namespace {

const QString systemReason = u"Vigila: keep system awake"_s;
const QString displayReason = u"Vigila: keep display awake"_s;
const QString appId = u"com.quillmere.vigila"_s;

// How long the tests let a service keep the backend waiting, and a mock's answer that comes later.
constexpr std::chrono::milliseconds replyWait{1000};
const QVariantMap answersLate{{u"Delay"_s, 2.0}};

QString reasonFor(AwakeMode mode)
{
    return mode == AwakeMode::System ? systemReason : displayReason;
}

// Asks for a lock and lets the event loop run until the chain has settled: true when one is held.
bool take(InhibitorPowerAssertion &assertion, AwakeMode mode)
{
    assertion.activate(mode, reasonFor(mode));
    return QTest::qWaitFor([&] { return !assertion.isTaking(); }) && assertion.isActive();
}

struct Provider {
    QString mockTemplate; // our file under tests/dbus, or a stock dbusmock template
    Bus bus;
    QString busName;
    QString path;
};

const std::map<QString, Provider> &providers()
{
    static const std::map<QString, Provider> table{
        {u"portal"_s,
         {u"portal_inhibit.py"_s, Bus::Session, u"org.freedesktop.portal.Desktop"_s,
          u"/org/freedesktop/portal/desktop"_s}},
        {u"gnome-session"_s,
         {u"gnome_session.py"_s, Bus::Session, u"org.gnome.SessionManager"_s,
          u"/org/gnome/SessionManager"_s}},
        {u"power-management"_s,
         {u"power_management.py"_s, Bus::Session, u"org.freedesktop.PowerManagement"_s,
          u"/org/freedesktop/PowerManagement/Inhibit"_s}},
        {u"screensaver"_s,
         {u"screen_saver.py"_s, Bus::Session, u"org.freedesktop.ScreenSaver"_s,
          u"/org/freedesktop/ScreenSaver"_s}},
        {u"logind"_s, {u"logind"_s, Bus::System, u"org.freedesktop.login1"_s, u"/org/freedesktop/login1"_s}},
    };
    return table;
}

} // namespace

class TestInhibitorPowerAssertion : public QObject {
    Q_OBJECT

    std::map<QString, std::unique_ptr<DBusMockService>> mocks;

    DBusMockService &startMock(const QString &name, const QVariantMap &parameters = {})
    {
        const Provider &p = providers().at(name);
        const QString file = p.mockTemplate.endsWith(".py"_L1)
                                 ? DBusMockService::templateDirectory() + u'/' + p.mockTemplate
                                 : p.mockTemplate;
        QString error;
        auto mock = DBusMockService::start(file, p.bus, p.busName, parameters, &error);
        if (!mock)
            qFatal("%s", qPrintable(error));
        return *(mocks[name] = std::move(mock));
    }

    // The locks a mock holds right now, as dictionaries of what it was asked for.
    QList<QVariantMap> locks(const QString &name) const
    {
        if (name == "logind"_L1)
            return mocks.at(name)->logindInhibitors();
        const Provider &p = providers().at(name);
        const QDBusMessage reply = mocks.at(name)->connection().call(
            QDBusMessage::createMethodCall(p.busName, p.path, u"org.freedesktop.DBus.Mock"_s, u"ListInhibitions"_s),
            QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage) {
            qWarning() << "cannot list locks of" << name << reply.errorMessage();
            return {};
        }
        return qdbus_cast<QList<QVariantMap>>(reply.arguments().constFirst().value<QDBusArgument>());
    }

    // What the backend called on a mock, leaving out the test's own inspection calls.
    QStringList methods(const QString &name) const
    {
        QStringList result;
        for (const auto &call : mocks.at(name)->methodCalls(providers().at(name).path)) {
            if (!call.method.startsWith("ListInhibit"_L1))
                result << call.method;
        }
        return result;
    }

    static bool contains(const QVariantMap &lock, const QVariantMap &expected)
    {
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (lock.value(it.key()) != it.value()) {
                qWarning() << "lock" << lock << "differs in" << it.key() << "from" << it.value();
                return false;
            }
        }
        return true;
    }

private slots:
    void cleanup() { mocks.clear(); }

    void takesAndReleasesTheRightLock_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<AwakeMode>("mode");
        QTest::addColumn<QVariantMap>("expected");
        QTest::addColumn<QStringList>("calls");

        const QStringList cookie{u"Inhibit"_s, u"Uninhibit"_s};
        const QStringList freedesktop{u"Inhibit"_s, u"UnInhibit"_s};
        // The portal's request object and logind's fd are released without a call on the main object.
        const QStringList handle{u"Inhibit"_s};
        QTest::newRow("portal system")
            << u"portal"_s << AwakeMode::System
            << QVariantMap{{u"flags"_s, 4u}, {u"reason"_s, systemReason}, {u"window"_s, QString()}} << handle;
        QTest::newRow("portal display")
            << u"portal"_s << AwakeMode::Display
            << QVariantMap{{u"flags"_s, 8u}, {u"reason"_s, displayReason}, {u"window"_s, QString()}}
            << handle;
        QTest::newRow("gnome-session system") << u"gnome-session"_s << AwakeMode::System
                                              << QVariantMap{{u"app_id"_s, appId},
                                                             {u"toplevel_xid"_s, 0u},
                                                             {u"flags"_s, 4u},
                                                             {u"reason"_s, systemReason}}
                                              << cookie;
        QTest::newRow("gnome-session display") << u"gnome-session"_s << AwakeMode::Display
                                               << QVariantMap{{u"app_id"_s, appId},
                                                              {u"toplevel_xid"_s, 0u},
                                                              {u"flags"_s, 8u},
                                                              {u"reason"_s, displayReason}}
                                               << cookie;
        QTest::newRow("power-management system")
            << u"power-management"_s << AwakeMode::System
            << QVariantMap{{u"application"_s, appId}, {u"reason"_s, systemReason}} << freedesktop;
        QTest::newRow("screensaver display")
            << u"screensaver"_s << AwakeMode::Display
            << QVariantMap{{u"application"_s, appId}, {u"reason"_s, displayReason}} << freedesktop;
        for (const AwakeMode mode : allAwakeModes) {
            QTest::addRow("logind %s", qPrintable(rawValue(mode))) << u"logind"_s << mode
                                                                   << QVariantMap{{u"what"_s, u"idle"_s},
                                                                                  {u"who"_s, u"Vigila"_s},
                                                                                  {u"why"_s, reasonFor(mode)},
                                                                                  {u"mode"_s, u"block"_s}}
                                                                   << handle;
        }
    }

    void takesAndReleasesTheRightLock()
    {
        QFETCH(QString, provider);
        QFETCH(AwakeMode, mode);
        QFETCH(QVariantMap, expected);
        QFETCH(QStringList, calls);
        startMock(provider);

        InhibitorPowerAssertion assertion;
        QVERIFY(!assertion.activate(mode, reasonFor(mode))); // answered later, never waited for
        QVERIFY(assertion.isTaking());
        QTRY_VERIFY(assertion.isActive());
        QVERIFY(!assertion.isTaking());
        QCOMPARE(assertion.activeMode(), mode);
        QCOMPARE(assertion.providerName(), provider);
        const QList<QVariantMap> held = locks(provider);
        QCOMPARE(held.size(), 1);
        QVERIFY(contains(held.first(), expected));

        assertion.release();
        QVERIFY(!assertion.isActive());
        QCOMPARE(assertion.activeMode(), std::nullopt);
        QTRY_VERIFY(locks(provider).isEmpty());
        QCOMPARE(methods(provider), calls);
    }

    void fallsBackToTheNextProvider_data()
    {
        QTest::addColumn<QVariantMap>("running"); // provider → its mock's parameters
        QTest::addColumn<AwakeMode>("mode");
        QTest::addColumn<QString>("holder");

        const QVariantMap refuse{{u"Refuse"_s, true}};
        const QVariantMap plain;
        QTest::newRow("the first that accepts wins")
            << QVariantMap{{u"portal"_s, plain}, {u"gnome-session"_s, plain}, {u"logind"_s, plain}}
            << AwakeMode::System << u"portal"_s;
        QTest::newRow("portal without a back end")
            << QVariantMap{{u"portal"_s, QVariantMap{{u"NoBackend"_s, true}}}, {u"gnome-session"_s, plain}}
            << AwakeMode::System << u"gnome-session"_s;
        QTest::newRow("portal and session manager refuse")
            << QVariantMap{{u"portal"_s, refuse}, {u"gnome-session"_s, refuse}, {u"logind"_s, plain}}
            << AwakeMode::Display << u"logind"_s;
        QTest::newRow("power management refuses")
            << QVariantMap{{u"power-management"_s, refuse}, {u"logind"_s, plain}} << AwakeMode::System
            << u"logind"_s;
        QTest::newRow("power management cannot keep the display on")
            << QVariantMap{{u"power-management"_s, plain}, {u"screensaver"_s, plain}} << AwakeMode::Display
            << u"screensaver"_s;
        QTest::newRow("the screen saver cannot keep the system up")
            << QVariantMap{{u"screensaver"_s, plain}, {u"logind"_s, plain}} << AwakeMode::System
            << u"logind"_s;
    }

    void fallsBackToTheNextProvider()
    {
        QFETCH(QVariantMap, running);
        QFETCH(AwakeMode, mode);
        QFETCH(QString, holder);
        for (auto it = running.cbegin(); it != running.cend(); ++it)
            startMock(it.key(), it.value().toMap());

        InhibitorPowerAssertion assertion;
        QVERIFY(take(assertion, mode));
        QCOMPARE(assertion.providerName(), holder);
        for (const QString &name : running.keys())
            QCOMPARE(locks(name).size(), name == holder ? 1 : 0);
        // A provider without a back end is skipped, not asked.
        if (running.value(u"portal"_s).toMap().contains(u"NoBackend"_s))
            QVERIFY(!methods(u"portal"_s).contains(u"Inhibit"_s));
        if (mode == AwakeMode::Display && running.contains(u"power-management"_s))
            QVERIFY(methods(u"power-management"_s).isEmpty());

        assertion.release();
        QTRY_VERIFY(locks(holder).isEmpty());
    }

    void modeSwitchReleasesBeforeTakingTheNewLock_data()
    {
        QTest::addColumn<QStringList>("running");
        QTest::addColumn<QString>("displayHolder");
        QTest::newRow("portal") << QStringList{u"portal"_s} << u"portal"_s;
        QTest::newRow("gnome-session") << QStringList{u"gnome-session"_s} << u"gnome-session"_s;
        QTest::newRow("logind") << QStringList{u"logind"_s} << u"logind"_s;
        QTest::newRow("across providers")
            << QStringList{u"power-management"_s, u"screensaver"_s} << u"screensaver"_s;
    }

    void modeSwitchReleasesBeforeTakingTheNewLock()
    {
        QFETCH(QStringList, running);
        QFETCH(QString, displayHolder);
        for (const QString &name : running)
            startMock(name);

        InhibitorPowerAssertion assertion;
        QVERIFY(take(assertion, AwakeMode::System));
        QVERIFY(take(assertion, AwakeMode::Display));
        QCOMPARE(assertion.activeMode(), AwakeMode::Display);
        QCOMPARE(assertion.providerName(), displayHolder);
        for (const QString &name : running)
            QTRY_COMPARE(locks(name).size(), name == displayHolder ? 1 : 0);
        const QVariantMap lock = locks(displayHolder).value(0);
        QCOMPARE(lock.value(lock.contains(u"why"_s) ? u"why"_s : u"reason"_s), displayReason);
        if (displayHolder == "gnome-session"_L1) {
            QCOMPARE(methods(displayHolder), (QStringList{u"Inhibit"_s, u"Uninhibit"_s, u"Inhibit"_s}));
            QCOMPARE(lock.value(u"flags"_s), QVariant(8u));
        }
    }

    void withoutAnyProviderNothingIsHeldAndTheManagerSaysSo()
    {
        auto assertion = std::make_shared<InhibitorPowerAssertion>();
        QVERIFY(!take(*assertion, AwakeMode::System));
        QVERIFY(!take(*assertion, AwakeMode::Display));
        QVERIFY(!assertion->isActive());
        QCOMPARE(assertion->activeMode(), std::nullopt);
        QCOMPARE(assertion->providerName(), QString());
        QCOMPARE(assertion->servicesTried(), (QStringList{u"the desktop portal"_s, u"GNOME session manager"_s,
                                                          u"ScreenSaver"_s, u"logind"_s}));

        AssertionManager manager(assertion);
        manager.addReason({QUuid::createUuid(), ReasonType::Manual, u"Manual"_s,
                           QDateTime::currentDateTimeUtc(), std::nullopt, AwakeMode::System});
        QVERIFY(manager.isTakingLock());
        QCOMPARE(manager.lastError(), std::nullopt);
        QTRY_COMPARE(manager.lastError(), u"Could not create keep-awake assertion."_s);
        QCOMPARE(manager.failureDetail(),
                 u"Tried the desktop portal, GNOME session manager, PowerManagement, logind: none available."_s);
        QVERIFY(!manager.isTakingLock());
        QVERIFY(!manager.isAssertionActive());
        QCOMPARE(manager.currentMode(), std::nullopt);
    }

    void aFailedActivationIsFollowedUpWhenAProviderAppears()
    {
        InhibitorPowerAssertion assertion;
        int changes = 0;
        assertion.onLockChanged = [&] { ++changes; };
        QVERIFY(!take(assertion, AwakeMode::Display));
        QCOMPARE(changes, 1); // the failure, reported
        startMock(u"screensaver"_s);
        QTRY_VERIFY(assertion.isActive());
        QCOMPARE(assertion.activeMode(), AwakeMode::Display);
        QCOMPARE(locks(u"screensaver"_s).size(), 1);
    }

    void theManagerKeepsOneRealLockInStepWithItsReasons()
    {
        startMock(u"logind"_s);
        AssertionManager manager(std::make_shared<InhibitorPowerAssertion>());
        const auto reason = [](AwakeMode mode) {
            return AwakeReason{QUuid::createUuid(), ReasonType::Manual,
                               u"Manual"_s,         QDateTime::currentDateTimeUtc(),
                               std::nullopt,        mode};
        };
        const auto reasons = [this] {
            QStringList result;
            for (const QVariantMap &lock : locks(u"logind"_s))
                result << lock.value(u"why"_s).toString();
            return result;
        };
        manager.addReason(reason(AwakeMode::System));
        QTRY_COMPARE(reasons(), QStringList{systemReason});
        QTRY_VERIFY(manager.isAssertionActive());
        const AwakeReason display = reason(AwakeMode::Display);
        manager.addReason(display);
        QTRY_COMPARE(reasons(), QStringList{displayReason});
        manager.removeReason(display.id);
        QTRY_COMPARE(reasons(), QStringList{systemReason});
        QVERIFY(manager.isAssertionActive());
        manager.stopAll();
        QTRY_COMPARE(reasons(), QStringList());
        QCOMPARE(manager.lastError(), std::nullopt);
    }

    void destroyingTheBackendReleases_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::newRow("portal") << u"portal"_s;
        QTest::newRow("logind") << u"logind"_s;
    }

    void destroyingTheBackendReleases()
    {
        QFETCH(QString, provider);
        startMock(provider);
        {
            InhibitorPowerAssertion assertion;
            QVERIFY(take(assertion, AwakeMode::Display));
            QCOMPARE(locks(provider).size(), 1);
        }
        QTRY_VERIFY(locks(provider).isEmpty());
    }

    void restartedServiceIsAskedAgain_data()
    {
        QTest::addColumn<QString>("provider");
        for (const auto &[name, provider] : providers())
            QTest::newRow(qPrintable(name)) << name;
    }

    void restartedServiceIsAskedAgain()
    {
        QFETCH(QString, provider);
        const AwakeMode mode = provider == "power-management"_L1 ? AwakeMode::System : AwakeMode::Display;
        startMock(provider);
        InhibitorPowerAssertion assertion;
        QVERIFY(take(assertion, mode));
        bool claimedWhileGone = false;
        assertion.onLockChanged = [&] { claimedWhileGone = claimedWhileGone || assertion.isActive(); };

        mocks.at(provider)->stop();
        QTRY_VERIFY(!assertion.isActive() && !assertion.isTaking());
        QVERIFY(!claimedWhileGone); // lost with its service: never claimed afterwards
        QCOMPARE(assertion.activeMode(), std::nullopt);

        startMock(provider);
        QTRY_VERIFY(assertion.isActive());
        QCOMPARE(assertion.activeMode(), mode);
        QCOMPARE(locks(provider).size(), 1);
        // The old cookie means nothing to the new instance (it may even be someone else's now).
        QCOMPARE(methods(provider), QStringList{u"Inhibit"_s});
    }

    void lockLostWithItsServiceMovesToTheNextProviderAtOnce()
    {
        startMock(u"gnome-session"_s);
        startMock(u"logind"_s);
        InhibitorPowerAssertion assertion;
        bool failedMeanwhile = false;
        assertion.onLockChanged = [&] {
            failedMeanwhile = failedMeanwhile || (!assertion.isActive() && !assertion.isTaking());
        };
        QVERIFY(take(assertion, AwakeMode::System));
        QCOMPARE(assertion.providerName(), u"gnome-session"_s);

        mocks.at(u"gnome-session"_s)->stop();
        QTRY_COMPARE(assertion.providerName(), u"logind"_s);
        QVERIFY(!failedMeanwhile);
        QCOMPARE(locks(u"logind"_s).size(), 1);
    }

    void aLostLockReleasedMeanwhileIsNotTakenAgain()
    {
        startMock(u"gnome-session"_s);
        InhibitorPowerAssertion assertion;
        QVERIFY(take(assertion, AwakeMode::System));
        mocks.at(u"gnome-session"_s)->stop();
        QTRY_VERIFY(!assertion.isActive());
        assertion.release();

        // Our own watcher, made after the backend's, tells when the backend has seen the return.
        QDBusServiceWatcher watcher(u"org.gnome.SessionManager"_s, QDBusConnection::sessionBus(),
                                    QDBusServiceWatcher::WatchForRegistration);
        QSignalSpy registered(&watcher, &QDBusServiceWatcher::serviceRegistered);
        startMock(u"gnome-session"_s);
        QTRY_COMPARE(registered.size(), 1);
        QVERIFY(!assertion.isActive());
        QVERIFY(methods(u"gnome-session"_s).isEmpty());
    }

    // A grant that comes after the backend stopped waiting, for a lock no longer wanted, is handed
    // back at once: each kind of provider by its own release.
    void aLateGrantIsHandedBack_data()
    {
        QTest::addColumn<QString>("provider");
        QTest::addColumn<AwakeMode>("mode");
        QTest::newRow("portal request closed") << u"portal"_s << AwakeMode::System;
        QTest::newRow("gnome-session cookie") << u"gnome-session"_s << AwakeMode::Display;
        QTest::newRow("power-management cookie") << u"power-management"_s << AwakeMode::System;
        QTest::newRow("logind descriptor closed") << u"logind"_s << AwakeMode::System;
    }

    void aLateGrantIsHandedBack()
    {
        QFETCH(QString, provider);
        QFETCH(AwakeMode, mode);
        // The stock logind mock cannot be slowed down; a frozen one answers when thawed.
        const bool freeze = provider == "logind"_L1;
        DBusMockService &mock = startMock(provider, freeze ? QVariantMap() : answersLate);
        InhibitorPowerAssertion assertion(replyWait);
        int changes = 0;
        assertion.onLockChanged = [&] { ++changes; };
        if (freeze)
            mock.pause();

        QVERIFY(!take(assertion, mode)); // no answer in time, nobody else to ask
        QCOMPARE(changes, 1);             // that failure, reported
        changes = 0;
        assertion.release();
        if (freeze)
            mock.resume();
        QCOMPARE(locks(provider).size(), 1); // granted all the same, once the service got to it
        QTRY_VERIFY(locks(provider).isEmpty());
        QVERIFY(!assertion.isActive());
        QCOMPARE(changes, 0);
    }

    // Still wanted and nothing else held: the late grant is the lock, and the manager stops
    // reporting the failure it honestly showed meanwhile.
    void aLateGrantStillWantedIsKept()
    {
        startMock(u"gnome-session"_s, answersLate);
        const auto assertion = std::make_shared<InhibitorPowerAssertion>(replyWait);
        AssertionManager manager(assertion);
        assertion->onLockChanged = [&] { manager.resync(); };
        manager.addReason({QUuid::createUuid(), ReasonType::Manual, u"Manual"_s,
                           QDateTime::currentDateTimeUtc(), std::nullopt, AwakeMode::System});
        QVERIFY(manager.isTakingLock());
        QTRY_COMPARE(manager.lastError(), u"Could not create keep-awake assertion."_s);
        QVERIFY(!manager.isAssertionActive());

        QTRY_VERIFY(manager.isAssertionActive());
        QCOMPARE(manager.lastError(), std::nullopt);
        QCOMPARE(assertion->providerName(), u"gnome-session"_s);
        QCOMPARE(locks(u"gnome-session"_s).size(), 1);
        QCOMPARE(methods(u"gnome-session"_s), QStringList{u"Inhibit"_s});
    }

    // The service holding the lock hangs: the first request to it waits, the later ones are not
    // even sent, until it answers again. Its late grant does not stay beside the fallback's lock.
    void aHungServiceIsNotWaitedOnAgain()
    {
        DBusMockService &hung = startMock(u"power-management"_s);
        startMock(u"logind"_s);
        InhibitorPowerAssertion assertion(replyWait);
        QVERIFY(take(assertion, AwakeMode::System));
        QCOMPARE(assertion.providerName(), u"power-management"_s);

        hung.pause();
        for (int reconciliation = 0; reconciliation < 4; ++reconciliation) {
            assertion.release();
            QVERIFY(take(assertion, AwakeMode::System));
            QCOMPARE(assertion.providerName(), u"logind"_s);
        }
        hung.resume();
        // Its lock's release and one request, answered late and handed back at once.
        QTRY_COMPARE(methods(u"power-management"_s),
                     (QStringList{u"Inhibit"_s, u"UnInhibit"_s, u"Inhibit"_s, u"UnInhibit"_s}));
        QTRY_VERIFY(locks(u"power-management"_s).isEmpty());
        QCOMPARE(assertion.providerName(), u"logind"_s);
        QCOMPARE(locks(u"logind"_s).size(), 1);
    }

    // Every service hung: asking for a lock, switching it and giving it up never keep the caller
    // (the tray) waiting; meanwhile the manager says the lock is being taken, and in the end that
    // none could be, never that one is held.
    void hungServicesNeverHoldUpTheCaller()
    {
        for (const auto &[name, provider] : providers())
            startMock(name).pause();
        AssertionManager manager(std::make_shared<InhibitorPowerAssertion>(replyWait));
        const auto manual = [](AwakeMode mode) {
            return AwakeReason{QUuid::createUuid(), ReasonType::Manual, u"Manual"_s,
                               QDateTime::currentDateTimeUtc(), std::nullopt, mode};
        };
        QElapsedTimer timer;
        qint64 slowest = 0;
        for (int round = 0; round < 100; ++round) {
            const AwakeReason reason = manual(round % 2 ? AwakeMode::Display : AwakeMode::System);
            timer.start();
            manager.addReason(reason);
            QVERIFY(manager.isTakingLock());
            QCOMPARE(manager.lastError(), std::nullopt);
            manager.removeReason(reason.id);
            slowest = std::max(slowest, timer.elapsed());
        }
        qInfo("slowest of 100 changes with every service hung: %lld ms", slowest);
        QVERIFY2(slowest <= 50, qPrintable(u"a change took %1 ms"_s.arg(slowest)));

        manager.addReason(manual(AwakeMode::System));
        QTRY_VERIFY_WITH_TIMEOUT(!manager.isTakingLock(), 15000);
        QVERIFY(!manager.isAssertionActive());
        QCOMPARE(manager.lastError(), u"Could not create keep-awake assertion."_s);
    }

    void aKilledHolderLeavesNoLock()
    {
        startMock(u"logind"_s);
        QProcess holder;
        holder.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        holder.start(QStringLiteral(VIGILA_INHIBITOR_HOLDER), {});
        QVERIFY(holder.waitForStarted());
        QTRY_VERIFY(holder.canReadLine());
        QCOMPARE(holder.readLine().trimmed(), "held logind");
        QCOMPARE(locks(u"logind"_s).size(), 1);

        holder.kill(); // SIGKILL: no destructor runs
        QVERIFY(holder.waitForFinished());
        QCOMPARE(holder.exitStatus(), QProcess::CrashExit);
        QTRY_VERIFY(locks(u"logind"_s).isEmpty());
    }

    void aChildProcessDoesNotInheritTheLock()
    {
        startMock(u"logind"_s);
        InhibitorPowerAssertion assertion;
        QVERIFY(take(assertion, AwakeMode::System));
        QProcess child; // e.g. a command run under a command reason
        child.start(u"/bin/sleep"_s, {u"600"_s});
        QVERIFY(child.waitForStarted());

        assertion.release();
        QTRY_VERIFY(locks(u"logind"_s).isEmpty());
        child.kill();
        child.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestInhibitorPowerAssertion)
#include "tst_inhibitor_power_assertion.moc"
