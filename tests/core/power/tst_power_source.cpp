#include "FakePowerSources.h"
#include "PowerPrinting.h"
#include "power/PowerSourceMonitor.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <climits>
#include <limits>

using namespace Qt::StringLiterals;
using Source = PowerState::Source;

namespace {

const QVariant none;
const QVariant onBattery = u"Battery Power"_s;
const QVariant onAc = u"AC Power"_s;

QVariantMap source(const QVariant &current, const QVariant &maximum, const QVariant &state = none)
{
    return FakePowerSources::source(current, maximum, state);
}

} // namespace

class TestPowerSource : public QObject {
    Q_OBJECT

    std::shared_ptr<FakePowerSources> provider;
    std::unique_ptr<PowerSourceMonitor> monitor;

    QList<QTimer *> timers() const { return monitor->findChildren<QTimer *>(); }

private slots:
    void init()
    {
        provider = std::make_shared<FakePowerSources>();
        provider->descriptions = QList{source(50, 100, onBattery)};
        monitor = std::make_unique<PowerSourceMonitor>(provider, 10.0);
    }

    void stateVocabulary()
    {
        QCOMPARE(PowerState(), (PowerState{Source::Unknown, std::nullopt}));
        QVERIFY(!PowerState().hasBattery());
        QVERIFY(!PowerState().isOnBattery());
        QVERIFY((PowerState{Source::Ac, 0}).hasBattery());
        QVERIFY(!(PowerState{Source::Ac, 0}).isOnBattery());
        QVERIFY((PowerState{Source::Battery, std::nullopt}).isOnBattery());
        QVERIFY((PowerState{Source::Ac, std::nullopt}) != (PowerState{Source::Ac, 0}));
        for (const auto &[source, text] :
             {std::pair{Source::Ac, u"ac"_s}, std::pair{Source::Battery, u"battery"_s},
              std::pair{Source::Unknown, u"unknown"_s}}) {
            QCOMPARE(rawValue(source), text);
            QCOMPARE(fromRawValue<Source>(text), source);
        }
        QCOMPARE(fromRawValue<Source>(u"AC"), std::nullopt);
    }

    void readPowerState_data()
    {
        QTest::addColumn<bool>("snapshot");
        QTest::addColumn<QList<QVariantMap>>("descriptions");
        QTest::addColumn<PowerState>("expected");

        const qlonglong huge = std::numeric_limits<qlonglong>::max();
        // clang-format off
        QTest::newRow("half full on battery") << true << QList{source(50, 100, onBattery)} << PowerState{Source::Battery, 50};
        QTest::newRow("2 of 3 is 67") << true << QList{source(2, 3, onAc)} << PowerState{Source::Ac, 67};
        QTest::newRow("1 of 8 rounds half up to 13") << true << QList{source(1, 8, onBattery)} << PowerState{Source::Battery, 13};
        QTest::newRow("halves round away from zero") << true << QList{source(-1, 8, onBattery)} << PowerState{Source::Battery, -13};
        QTest::newRow("above maximum is not clamped") << true << QList{source(105, 100, onAc)} << PowerState{Source::Ac, 105};
        QTest::newRow("64-bit capacities") << true << QList{source(qlonglong(40'000'000), qlonglong(50'000'000), onBattery)} << PowerState{Source::Battery, 80};
        QTest::newRow("unsigned capacities") << true << QList{source(30u, 40u, onBattery)} << PowerState{Source::Battery, 75};
        QTest::newRow("maximum 0") << true << QList{source(50, 0, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("negative maximum") << true << QList{source(50, -100, onAc)} << PowerState{Source::Ac, std::nullopt};
        QTest::newRow("maximum 0, no state text") << true << QList{source(0, 0)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("capacity as text") << true << QList{source(u"50"_s, 100, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("maximum as double") << true << QList{source(50, 100.0, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("capacity as double") << true << QList{source(50.0, 100)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("capacity as bool") << true << QList{source(true, 1)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("capacity missing") << true << QList{source(none, 100, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("percent too large for an int") << true << QList{source(huge, 1, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("other text with percent") << true << QList{source(80, 100, u"Off Line"_s)} << PowerState{Source::Ac, 80};
        QTest::newRow("other text without percent") << true << QList{source(none, none, u"Off Line"_s)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("texts match exactly") << true << QList{source(none, none, u"battery power"_s)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("state not text, with percent") << true << QList{source(70, 100, 1)} << PowerState{Source::Ac, 70};
        QTest::newRow("state as bytes, no percent") << true << QList{source(none, none, QByteArray("Battery Power"))} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("state missing, with percent") << true << QList{source(70, 100)} << PowerState{Source::Ac, 70};
        QTest::newRow("battery text without capacities") << true << QList{source(none, none, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("only the first of two sources") << true << QList{source(20, 100, onBattery), source(90, 100, onAc)} << PowerState{Source::Battery, 20};
        QTest::newRow("an empty first source wins too") << true << QList{QVariantMap(), source(90, 100, onAc)} << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("empty list") << true << QList<QVariantMap>() << PowerState{Source::Unknown, std::nullopt};
        QTest::newRow("no snapshot") << false << QList<QVariantMap>() << PowerState{Source::Unknown, std::nullopt};
        // clang-format on
    }

    void readPowerState()
    {
        QFETCH(bool, snapshot);
        QFETCH(QList<QVariantMap>, descriptions);
        QFETCH(PowerState, expected);
        const auto input = snapshot ? std::optional(descriptions) : std::nullopt;
        QCOMPARE(PowerSourceMonitor::readPowerState(input), expected);
    }

    void nothingIsReadBeforeStart()
    {
        QCOMPARE(monitor->state(), PowerState());
        QCOMPARE(provider->reads, 0);
        QVERIFY(!monitor->isRunning());
        QVERIFY(timers().isEmpty());
        QCOMPARE(PowerSourceMonitor::readPowerState(static_cast<PowerSourceProviding *>(nullptr)),
                 PowerState());
    }

    void startReadsAtOnceAndArmsOneCoarseTimer()
    {
        QSignalSpy changed(monitor.get(), &PowerSourceMonitor::stateChanged);
        monitor->start();
        QCOMPARE(provider->reads, 1);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(monitor->state(), (PowerState{Source::Battery, 50}));
        QVERIFY(monitor->isRunning());
        QCOMPARE(timers().size(), 1);
        QCOMPARE(timers().first()->interval(), 10'000);
        QCOMPARE(timers().first()->timerType(), Qt::CoarseTimer);
        QVERIFY(timers().first()->isActive());
        QVERIFY(!timers().first()->isSingleShot());
    }

    void restartingKeepsExactlyOneTimer()
    {
        monitor->start();
        monitor->stop();
        QVERIFY(!monitor->isRunning());
        QVERIFY(timers().isEmpty());
        QCOMPARE(monitor->state(), (PowerState{Source::Battery, 50})); // kept after stop

        monitor->start();
        monitor->start();
        QCOMPARE(timers().size(), 1);
        QCOMPARE(provider->reads, 3);
        monitor->stop();
        monitor->stop();
        QVERIFY(timers().isEmpty());
    }

    void refreshPublishesEvenWhenUnchanged()
    {
        QSignalSpy changed(monitor.get(), &PowerSourceMonitor::stateChanged);
        monitor->refresh();
        monitor->refresh();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(provider->reads, 2);
        QVERIFY(!monitor->isRunning()); // refresh never arms the timer

        provider->descriptions = std::nullopt;
        monitor->refresh();
        QCOMPARE(monitor->state(), PowerState());
    }

    void pollingPicksUpChanges()
    {
        monitor = std::make_unique<PowerSourceMonitor>(provider, 0.01);
        monitor->start();
        provider->descriptions = QList{source(99, 100, onAc)};
        QTRY_COMPARE(monitor->state(), (PowerState{Source::Ac, 99}));
        QTRY_VERIFY(provider->reads >= 3);
    }

    void pollIntervalBecomesAUsableTimerInterval_data()
    {
        QTest::addColumn<double>("seconds");
        QTest::addColumn<int>("milliseconds");
        QTest::newRow("ten seconds") << 10.0 << 10'000;
        QTest::newRow("fraction") << 0.25 << 250;
        QTest::newRow("zero would spin") << 0.0 << 1;
        QTest::newRow("negative") << -5.0 << 1;
        QTest::newRow("too long for a timer") << 1e12 << INT_MAX;
        QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << INT_MAX;
        QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << INT_MAX;
    }

    void pollIntervalBecomesAUsableTimerInterval()
    {
        QFETCH(double, seconds);
        QFETCH(int, milliseconds);
        monitor = std::make_unique<PowerSourceMonitor>(provider, seconds);
        monitor->start();
        QCOMPARE(timers().size(), 1);
        QCOMPARE(timers().first()->interval(), milliseconds);
    }
};

QTEST_GUILESS_MAIN(TestPowerSource)
#include "tst_power_source.moc"
