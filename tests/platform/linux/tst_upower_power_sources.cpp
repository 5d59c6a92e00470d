#include "DBusMockService.h"
#include "FakePowerSupplyTree.h"
#include "PowerPrinting.h"
#include "linux/LinuxPowerSources.h"
#include "linux/UPowerPowerSources.h"
#include "power/PowerSourceMonitor.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QElapsedTimer>
#include <QTest>

#include <csignal>

using namespace Qt::StringLiterals;
using Source = PowerState::Source;

namespace {

const QString service = u"org.freedesktop.UPower"_s;
const QString daemonPath = u"/org/freedesktop/UPower"_s;
const QString displayPath = u"/org/freedesktop/UPower/devices/DisplayDevice"_s;
constexpr uint typeLinePower = 1;
constexpr uint typeBattery = 2;
constexpr uint typeUps = 3;

} // namespace

// Runs on the private buses of tests/dbus/with-buses.sh, against dbusmock's stock upower template.
class TestUPowerPowerSources : public QObject {
    Q_OBJECT

    FakePowerSupplyTree tree; // what sysfs says: one battery at 40 %, discharging
    std::unique_ptr<DBusMockService> upower;

    bool callMock(const QString &path, const QString &interface, const QString &method,
                  const QVariantList &args)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(args);
        const QDBusMessage reply = QDBusConnection::systemBus().call(message, QDBus::Block, 5000);
        if (reply.type() != QDBusMessage::ReplyMessage)
            qWarning() << method << reply.errorMessage();
        return reply.type() == QDBusMessage::ReplyMessage;
    }

    bool setOnBattery(bool onBattery)
    {
        return callMock(daemonPath, u"org.freedesktop.DBus.Properties"_s, u"Set"_s,
                        {service, u"OnBattery"_s, QVariant::fromValue(QDBusVariant(onBattery))});
    }

    bool setupDisplayDevice(uint type, double percentage, bool present)
    {
        // type, state, percentage, energy, energy full, energy rate, time to empty, time to full,
        // present, icon name, warning level
        return callMock(
            daemonPath, u"org.freedesktop.DBus.Mock"_s, u"SetupDisplayDevice"_s,
            {type, 2u, percentage, 0.0, 0.0, 0.0, qlonglong(0), qlonglong(0), present, QString(), 1u});
    }

    // A fresh mock. The previous one must have left the bus first, or the new one would be taken
    // for up while the old name is still being released.
    bool startUPower(const QVariantMap &parameters)
    {
        if (upower)
            upower->stop();
        upower.reset();
        QString error;
        upower =
            DBusMockService::start(u"upower"_s, DBusMockService::Bus::System, service, parameters, &error);
        if (!upower)
            qWarning() << error;
        return upower != nullptr;
    }

    PowerState linuxReading() const
    {
        LinuxPowerSources sources(QDBusConnection::systemBus(), tree.root());
        return PowerSourceMonitor::readPowerState(&sources);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(QDBusConnection::systemBus().isConnected());
        QVERIFY(tree.isValid());
        QVERIFY(tree.add(u"AC"_s, {{u"type"_s, u"Mains"_s}, {u"online"_s, u"0"_s}}));
        QVERIFY(tree.add(u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"capacity"_s, u"40"_s}}));
    }

    void withoutUPowerSysfsAnswers()
    {
        UPowerPowerSources sources(QDBusConnection::systemBus());
        QCOMPARE(sources.sourceDescriptions().has_value(), false);
        QCOMPARE(linuxReading(), (PowerState{Source::Battery, 40}));

        // Followed on the bus: once UPower starts (after us, at login), it answers.
        QVERIFY(startUPower({{u"DaemonVersion"_s, u"0.99.20"_s}}));
        QTRY_VERIFY(sources.sourceDescriptions().has_value());
    }

    void displayDevice_data()
    {
        QTest::addColumn<bool>("onBattery");
        QTest::addColumn<uint>("type");
        QTest::addColumn<bool>("present");
        QTest::addColumn<double>("percentage");
        QTest::addColumn<PowerState>("expected");

        QTest::newRow("discharging") << true << typeBattery << true << 41.5
                                     << PowerState{Source::Battery, 42};
        QTest::newRow("on mains") << false << typeBattery << true << 80.0 << PowerState{Source::Ac, 80};
        QTest::newRow("half rounds away from zero")
            << true << typeBattery << true << 12.5 << PowerState{Source::Battery, 13};
        // UPower's word wins over sysfs even when it finds no battery.
        QTest::newRow("battery not present") << true << typeBattery << false << 0.0 << PowerState{};
        QTest::newRow("line power only") << false << typeLinePower << true << 0.0 << PowerState{};
        QTest::newRow("a UPS is not a battery") << true << typeUps << true << 30.0 << PowerState{};
    }

    void displayDevice()
    {
        QFETCH(bool, onBattery);
        QFETCH(uint, type);
        QFETCH(bool, present);
        QFETCH(double, percentage);
        QFETCH(PowerState, expected);

        if (!upower)
            QVERIFY(startUPower({{u"DaemonVersion"_s, u"0.99.20"_s}}));
        QVERIFY(setOnBattery(onBattery));
        QVERIFY(setupDisplayDevice(type, percentage, present));

        UPowerPowerSources sources(QDBusConnection::systemBus());
        const auto descriptions = sources.sourceDescriptions();
        QVERIFY(descriptions.has_value());
        QCOMPARE(descriptions->size(), expected.source == Source::Unknown ? 0 : 1);
        if (!descriptions->isEmpty()) {
            QCOMPARE(descriptions->first().value(PowerSourceKeys::maxCapacity), QVariant(100));
            QCOMPARE(descriptions->first().value(PowerSourceKeys::powerSourceState),
                     QVariant(onBattery ? u"Battery Power"_s : u"AC Power"_s));
        }
        QCOMPARE(PowerSourceMonitor::readPowerState(descriptions), expected);
        QCOMPARE(linuxReading(), expected);
    }

    void defaultDisplayDeviceMeansNoBattery()
    {
        QVERIFY(startUPower({{u"OnBattery"_s, true}}));
        UPowerPowerSources sources(QDBusConnection::systemBus());
        QCOMPARE(sources.sourceDescriptions(), QList<QVariantMap>{});
        QCOMPARE(linuxReading(), PowerState());
    }

    void withoutDisplayDeviceSysfsAnswers()
    {
        QVERIFY(upower);
        QVERIFY(callMock(daemonPath, u"org.freedesktop.DBus.Mock"_s, u"RemoveObject"_s, {displayPath}));
        UPowerPowerSources sources(QDBusConnection::systemBus());
        QCOMPARE(sources.sourceDescriptions().has_value(), false);
        QCOMPARE(linuxReading(), (PowerState{Source::Battery, 40}));
    }

    void hungUPowerTimesOutToSysfs()
    {
        QVERIFY(startUPower({}));
        QVERIFY(setupDisplayDevice(typeBattery, 90.0, true));

        const auto pid = static_cast<pid_t>(upower->pid());
        QCOMPARE(::kill(pid, SIGSTOP), 0);
        QElapsedTimer elapsed;
        elapsed.start();
        const PowerState state = linuxReading();
        const qint64 ms = elapsed.elapsed();
        ::kill(pid, SIGCONT);

        QCOMPARE(state, (PowerState{Source::Battery, 40}));
        // One call waits out the short timeout, not D-Bus's default of 25 s.
        QVERIFY2(ms >= 1500 && ms < 6000, qPrintable(u"took %1 ms"_s.arg(ms)));
    }

    void cleanupTestCase() { upower.reset(); }
};

QTEST_GUILESS_MAIN(TestUPowerPowerSources)
#include "tst_upower_power_sources.moc"
