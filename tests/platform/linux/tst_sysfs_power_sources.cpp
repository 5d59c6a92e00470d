#include "FakePowerSupplyTree.h"
#include "PowerPrinting.h"
#include "linux/SysfsPowerSources.h"
#include "power/PowerSourceMonitor.h"

#include <QTest>

using namespace Qt::StringLiterals;
using Source = PowerState::Source;
using Attributes = QMap<QString, QString>;
using Tree = QMap<QString, Attributes>;

Q_DECLARE_METATYPE(Tree)

namespace {

QVariantMap description(const QVariant &current, const QVariant &maximum, const QString &state)
{
    QVariantMap result{{PowerSourceKeys::powerSourceState, state}};
    if (current.isValid()) {
        result.insert(PowerSourceKeys::currentCapacity, current);
        result.insert(PowerSourceKeys::maxCapacity, maximum);
    }
    return result;
}

const QString onBattery = u"Battery Power"_s;
const QString onAc = u"AC Power"_s;
const QVariant none;

// Members compare by value whatever integer type carried them (int for 100, qlonglong from files).
bool sameDescriptions(const QList<QVariantMap> &actual, const QList<QVariantMap> &expected)
{
    if (actual.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < actual.size(); ++i) {
        if (actual[i].keys() != expected[i].keys())
            return false;
        for (const QString &key : actual[i].keys()) {
            const QVariant a = actual[i].value(key);
            const QVariant e = expected[i].value(key);
            if (key == PowerSourceKeys::powerSourceState ? a != e : a.toLongLong() != e.toLongLong())
                return false;
        }
    }
    return true;
}

QString describe(const QList<QVariantMap> &descriptions)
{
    QStringList lines;
    for (const QVariantMap &description : descriptions) {
        QStringList members;
        for (auto it = description.cbegin(); it != description.cend(); ++it)
            members << it.key() + u": "_s + it.value().toString();
        lines << members.join(u", "_s);
    }
    return u"got %1 descriptions: [%2]"_s.arg(descriptions.size()).arg(lines.join(u"] ["_s));
}

} // namespace

class TestSysfsPowerSources : public QObject {
    Q_OBJECT

private slots:
    void trees_data()
    {
        QTest::addColumn<Tree>("tree");
        QTest::addColumn<QList<QVariantMap>>("descriptions");
        QTest::addColumn<PowerState>("state");

        const Attributes mainsOnline{{u"type"_s, u"Mains"_s}, {u"online"_s, u"1"_s}};
        const Attributes mainsOffline{{u"type"_s, u"Mains"_s}, {u"online"_s, u"0"_s}};
        const auto battery = [](const QString &capacity) {
            return Attributes{{u"type"_s, u"Battery"_s},
                              {u"present"_s, u"1"_s},
                              {u"scope"_s, u"System"_s},
                              {u"status"_s, u"Discharging"_s},
                              {u"capacity"_s, capacity}};
        };
        const Attributes mouse{{u"type"_s, u"Battery"_s},
                               {u"scope"_s, u"Device"_s},
                               {u"capacity"_s, u"5"_s},
                               {u"status"_s, u"Discharging"_s}};

        // clang-format off
        QTest::newRow("no supplies at all") << Tree{} << QList<QVariantMap>{} << PowerState{};
        QTest::newRow("desktop without battery") << Tree{{u"ACAD"_s, mainsOnline}} << QList<QVariantMap>{} << PowerState{};
        QTest::newRow("one battery discharging")
            << Tree{{u"AC"_s, mainsOffline}, {u"BAT0"_s, battery(u"57"_s)}}
            << QList{description(57, 100, onBattery)} << PowerState{Source::Battery, 57};
        QTest::newRow("no mains supply at all means battery")
            << Tree{{u"BAT0"_s, battery(u"57"_s)}} << QList{description(57, 100, onBattery)} << PowerState{Source::Battery, 57};
        QTest::newRow("mains online")
            << Tree{{u"AC"_s, mainsOnline}, {u"BAT0"_s, battery(u"80"_s)}}
            << QList{description(80, 100, onAc)} << PowerState{Source::Ac, 80};
        QTest::newRow("USB-C charger online")
            << Tree{{u"BAT0"_s, battery(u"64"_s)}, {u"ucsi-source-psy-USBC000:001"_s, {{u"type"_s, u"USB"_s}, {u"online"_s, u"1"_s}}}}
            << QList{description(64, 100, onAc)} << PowerState{Source::Ac, 64};
        QTest::newRow("older kernels' USB charger type")
            << Tree{{u"BAT0"_s, battery(u"64"_s)}, {u"usb"_s, {{u"type"_s, u"USB_PD"_s}, {u"online"_s, u"2"_s}}}}
            << QList{description(64, 100, onAc)} << PowerState{Source::Ac, 64};
        QTest::newRow("mains without an online file")
            << Tree{{u"AC"_s, {{u"type"_s, u"Mains"_s}}}, {u"BAT0"_s, battery(u"40"_s)}}
            << QList{description(40, 100, onBattery)} << PowerState{Source::Battery, 40};
        QTest::newRow("two batteries in name order, the first counts")
            << Tree{{u"BAT1"_s, battery(u"20"_s)}, {u"BAT0"_s, battery(u"90"_s)}, {u"AC"_s, mainsOffline}}
            << QList{description(90, 100, onBattery), description(20, 100, onBattery)} << PowerState{Source::Battery, 90};
        QTest::newRow("peripheral battery ignored")
            << Tree{{u"BAT0"_s, battery(u"60"_s)}, {u"hid-e4:17:d8:1a:2b:3c-battery"_s, mouse}}
            << QList{description(60, 100, onBattery)} << PowerState{Source::Battery, 60};
        QTest::newRow("peripheral battery only")
            << Tree{{u"AC"_s, mainsOnline}, {u"Apple-Magic-Mouse-battery"_s, mouse}} << QList<QVariantMap>{} << PowerState{};
        QTest::newRow("peripheral charger is not mains")
            << Tree{{u"BAT0"_s, battery(u"60"_s)}, {u"dock"_s, {{u"type"_s, u"USB"_s}, {u"scope"_s, u"Device"_s}, {u"online"_s, u"1"_s}}}}
            << QList{description(60, 100, onBattery)} << PowerState{Source::Battery, 60};
        QTest::newRow("empty bay ignored")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"present"_s, u"0"_s}, {u"capacity"_s, u"0"_s}}}, {u"BAT1"_s, battery(u"33"_s)}}
            << QList{description(33, 100, onBattery)} << PowerState{Source::Battery, 33};
        QTest::newRow("energy attributes")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"energy_now"_s, u"30000000"_s}, {u"energy_full"_s, u"40000000"_s}}}}
            << QList{description(30'000'000, 40'000'000, onBattery)} << PowerState{Source::Battery, 75};
        QTest::newRow("charge attributes")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"charge_now"_s, u"1500000"_s}, {u"charge_full"_s, u"4500000"_s}}}, {u"AC"_s, mainsOnline}}
            << QList{description(1'500'000, 4'500'000, onAc)} << PowerState{Source::Ac, 33};
        QTest::newRow("capacity preferred over energy")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"capacity"_s, u"50"_s}, {u"energy_now"_s, u"1"_s}, {u"energy_full"_s, u"10"_s}}}}
            << QList{description(50, 100, onBattery)} << PowerState{Source::Battery, 50};
        QTest::newRow("unreadable capacity falls back to energy")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"capacity"_s, u"N/A"_s}, {u"energy_now"_s, u"1"_s}, {u"energy_full"_s, u"10"_s}}}}
            << QList{description(1, 10, onBattery)} << PowerState{Source::Battery, 10};
        QTest::newRow("energy and charge never mixed")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"energy_now"_s, u"10"_s}, {u"charge_now"_s, u"30"_s}, {u"charge_full"_s, u"60"_s}}}}
            << QList{description(30, 60, onBattery)} << PowerState{Source::Battery, 50};
        QTest::newRow("no complete pair")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"energy_now"_s, u"10"_s}, {u"charge_full"_s, u"60"_s}}}}
            << QList{description(none, none, onBattery)} << PowerState{Source::Battery, std::nullopt};
        QTest::newRow("zero full energy falls back to charge")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}, {u"energy_now"_s, u"0"_s}, {u"energy_full"_s, u"0"_s}, {u"charge_now"_s, u"1"_s}, {u"charge_full"_s, u"4"_s}}}}
            << QList{description(1, 4, onBattery)} << PowerState{Source::Battery, 25};
        QTest::newRow("battery with nothing but its type, on mains")
            << Tree{{u"BAT0"_s, {{u"type"_s, u"Battery"_s}}}, {u"AC"_s, mainsOnline}}
            << QList{description(none, none, onAc)} << PowerState{Source::Ac, std::nullopt};
        QTest::newRow("supply without a type ignored")
            << Tree{{u"BAT0"_s, {{u"capacity"_s, u"50"_s}}}} << QList<QVariantMap>{} << PowerState{};
        // clang-format on
    }

    void trees()
    {
        QFETCH(Tree, tree);
        QFETCH(QList<QVariantMap>, descriptions);
        QFETCH(PowerState, state);

        FakePowerSupplyTree fake;
        QVERIFY(fake.isValid());
        for (auto it = tree.cbegin(); it != tree.cend(); ++it)
            QVERIFY(fake.add(it.key(), it.value()));

        SysfsPowerSources sources(fake.root());
        const auto actual = sources.sourceDescriptions();
        QVERIFY(actual.has_value());
        QVERIFY2(sameDescriptions(*actual, descriptions), qPrintable(describe(*actual)));
        QCOMPARE(PowerSourceMonitor::readPowerState(actual), state);
    }

    void missingDirectoryGivesNoSnapshot()
    {
        FakePowerSupplyTree fake;
        SysfsPowerSources sources(fake.root() + u"/absent"_s);
        QCOMPARE(sources.sourceDescriptions().has_value(), false);
        QCOMPARE(PowerSourceMonitor::readPowerState(&sources), PowerState());
        QCOMPARE(SysfsPowerSources().root(), u"/sys/class/power_supply"_s);
    }
};

QTEST_GUILESS_MAIN(TestSysfsPowerSources)
#include "tst_sysfs_power_sources.moc"
