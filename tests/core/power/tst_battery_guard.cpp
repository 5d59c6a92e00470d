#include "PowerPrinting.h"
#include "power/BatteryGuard.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Source = PowerState::Source;

Q_DECLARE_METATYPE(BatterySettings)

namespace {

// warnOnBattery, onlyWhilePluggedIn, autoStopEnabled, autoStopThreshold, warningThreshold
const BatterySettings defaults;
const BatterySettings everything{true, true, true, 15, 25};
const BatterySettings autoStop{true, false, true, 15, 25};
const BatterySettings allOff{false, false, false, 15, 25};

BatteryDecision warn(const char *reason)
{
    return BatteryDecision::warn(QString::fromUtf8(reason));
}

BatteryDecision stop(const char *reason)
{
    return BatteryDecision::stop(QString::fromUtf8(reason));
}

const char *const pluggedInOnly = "Stopped because Vigila is set to keep awake only while plugged in.";

} // namespace

class TestBatteryGuard : public QObject {
    Q_OBJECT

private slots:
    void decisionsCompareCaseAndReason()
    {
        QCOMPARE(BatteryDecision::ok(), BatteryDecision::ok());
        QCOMPARE(warn("a"), warn("a"));
        QVERIFY(warn("a") != stop("a"));
        QVERIFY(warn("a") != warn("b"));
        QVERIFY(BatteryDecision::ok() != warn(""));
    }

    void decide_data()
    {
        QTest::addColumn<PowerState>("state");
        QTest::addColumn<BatterySettings>("settings");
        QTest::addColumn<BatteryDecision>("expected");

        const auto battery = [](int percent) { return PowerState{Source::Battery, percent}; };
        // clang-format off
        QTest::newRow("battery without a charge, even plugged-in only") << PowerState{Source::Battery, std::nullopt} << everything << BatteryDecision::ok();
        QTest::newRow("unknown source with a charge") << PowerState{Source::Unknown, 5} << everything << BatteryDecision::ok();
        QTest::newRow("mains at 5%") << PowerState{Source::Ac, 5} << everything << BatteryDecision::ok();
        QTest::newRow("plugged-in only beats auto-stop") << battery(10) << everything << stop(pluggedInOnly);
        QTest::newRow("plugged-in only at full charge") << battery(100) << BatterySettings{false, true, false, 15, 25} << stop(pluggedInOnly);
        QTest::newRow("auto-stop below threshold") << battery(12) << autoStop << stop("Stopped because battery dropped to 12% (limit 15%).");
        QTest::newRow("auto-stop at threshold") << battery(15) << autoStop << stop("Stopped because battery dropped to 15% (limit 15%).");
        QTest::newRow("one above auto-stop warns with the charge") << battery(16) << autoStop << warn("Running on battery at 16%.");
        QTest::newRow("auto-stop disabled never stops") << battery(3) << defaults << warn("Running on battery at 3%.");
        QTest::newRow("auto-stop above warning threshold wins") << battery(28) << BatterySettings{true, false, true, 30, 20} << stop("Stopped because battery dropped to 28% (limit 30%).");
        QTest::newRow("auto-stop without warnings, above threshold") << battery(50) << BatterySettings{false, false, true, 15, 25} << BatteryDecision::ok();
        QTest::newRow("auto-stop threshold 0 at 0%") << battery(0) << BatterySettings{false, false, true, 0, 25} << stop("Stopped because battery dropped to 0% (limit 0%).");
        QTest::newRow("auto-stop threshold 0 at 1%") << battery(1) << BatterySettings{false, false, true, 0, 25} << BatteryDecision::ok();
        QTest::newRow("negative numbers") << battery(-3) << BatterySettings{false, false, true, -1, 25} << stop("Stopped because battery dropped to -3% (limit -1%).");
        QTest::newRow("high charge warns plainly") << battery(80) << defaults << warn("Running on battery power.");
        QTest::newRow("defaults at 30%") << battery(30) << defaults << warn("Running on battery power.");
        QTest::newRow("defaults at warning threshold") << battery(25) << defaults << warn("Running on battery at 25%.");
        QTest::newRow("above 100%") << battery(105) << BatterySettings{true, false, false, 15, 100} << warn("Running on battery power.");
        QTest::newRow("warning threshold 100") << battery(100) << BatterySettings{true, false, false, 15, 100} << warn("Running on battery at 100%.");
        QTest::newRow("every option off") << battery(10) << allOff << BatteryDecision::ok();
        // clang-format on
    }

    void decide()
    {
        QFETCH(PowerState, state);
        QFETCH(BatterySettings, settings);
        QFETCH(BatteryDecision, expected);
        QCOMPARE(BatteryGuard::decide(state, settings), expected);
    }
};

QTEST_GUILESS_MAIN(TestBatteryGuard)
#include "tst_battery_guard.moc"
