#include "DBusMockService.h"
#include "ManualClock.h"
#include "TestFiles.h"
#include "linux/triggers/MachinedSource.h"
#include "linux/triggers/ProcFsCpuSource.h"
#include "linux/triggers/SysfsNetworkSource.h"

#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool callMock(const DBusMockService &mock, const QString &method, const QVariantList &args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(mock.busName(), u"/org/freedesktop/machine1"_s,
                                                          u"org.freedesktop.DBus.Mock"_s, method);
    message.setArguments(args);
    return mock.connection().call(message, QDBus::Block, 5000).type() == QDBusMessage::ReplyMessage;
}

std::unique_ptr<DBusMockService> startMachined()
{
    return DBusMockService::start(DBusMockService::templateDirectory() + u"/machined.py"_s,
                                  DBusMockService::Bus::System, u"org.freedesktop.machine1"_s);
}

QList<Machine> sorted(QList<Machine> machines)
{
    std::sort(machines.begin(), machines.end(), [](const Machine &a, const Machine &b) { return a.name < b.name; });
    return machines;
}

// Whether the source has a timer that will wake the process.
bool timed(const QObject &source)
{
    const QList<QTimer *> timers = source.findChildren<QTimer *>();
    return std::any_of(timers.cbegin(), timers.cend(), [](const QTimer *timer) { return timer->isActive(); });
}

// /sys/class/net as the kernel lays it out: a link per interface to its folder, which holds the
// counters, "type", and a "device" link when a device backs it.
struct FakeNetTree {
    QTemporaryDir dir;
    enum Flag { NoFlags = 0, Device = 1, Bridge = 2 };

    bool add(const QString &name, int flags, const QByteArray &type = "1", quint64 rx = 0, quint64 tx = 0)
    {
        const QString folder = dir.filePath(u"devices/virtual/net/"_s + name);
        const QString link = dir.filePath(u"class/net/"_s + name);
        if (!set(name, rx, tx) || !TestFiles::write(folder + u"/type"_s, type + '\n') ||
            !QDir().mkpath(dir.filePath(u"class/net"_s)) || !QFile::link(folder, link))
            return false;
        if ((flags & Bridge) && !QDir().mkpath(folder + u"/bridge"_s))
            return false;
        return !(flags & Device) || (QDir().mkpath(dir.filePath(u"devices/pci0"_s)) &&
                                     QFile::link(dir.filePath(u"devices/pci0"_s), folder + u"/device"_s));
    }
    bool set(const QString &name, quint64 rx, quint64 tx)
    {
        const QString statistics = dir.filePath(u"devices/virtual/net/"_s + name + u"/statistics/"_s);
        return TestFiles::write(statistics + u"rx_bytes"_s, QByteArray::number(rx) + '\n') &&
               TestFiles::write(statistics + u"tx_bytes"_s, QByteArray::number(tx) + '\n');
    }
};

// "stat" as the kernel writes it, up to the 22nd field; utime and stime are the 14th and 15th.
QByteArray statLine(qint64 pid, const QByteArray &name, quint64 utime, quint64 stime, bool kernelThread = false)
{
    return QByteArray::number(pid) + " (" + name + ") S 2 0 0 0 -1 " + (kernelThread ? "69238880" : "4194560") +
           " 0 0 0 0 " + QByteArray::number(utime) + ' ' + QByteArray::number(stime) + " 0 0 20 0 1 0 43\n";
}

} // namespace

// Machines run on the private buses of tests/dbus/with-buses.sh against tests/dbus/machined.py;
// network counters and CPU times against fake sysfs and /proc trees.
class TestSampledTriggerSources : public QObject {
    Q_OBJECT

private slots:
    // --- machines (systemd-machined) ---

    void machinesFollowMachined()
    {
        MachinedSource source(QDBusConnection::systemBus());
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        QCOMPARE(source.machines(), std::nullopt); // machined is not there, and is not started for us

        auto machined = startMachined();
        QVERIFY(machined);
        QTRY_COMPARE(source.machines(), std::optional(QList<Machine>()));

        const Machine vm{u"win 11"_s, u"vm"_s, u"libvirt-qemu"_s};
        const Machine container{u"build-box"_s, u"container"_s, u"nspawn"_s};
        QVERIFY(callMock(*machined, u"AddMachine"_s, {vm.name, vm.machineClass, vm.service}));
        QVERIFY(callMock(*machined, u"AddMachine"_s, {container.name, container.machineClass, container.service}));
        QTRY_COMPARE(sorted(source.machines().value_or(QList<Machine>())), (QList<Machine>{container, vm}));

        // A source that starts now finds both in the listing.
        MachinedSource later(QDBusConnection::systemBus());
        later.setFollowing(true);
        QTRY_COMPARE(sorted(later.machines().value_or(QList<Machine>())), (QList<Machine>{container, vm}));

        changed.clear();
        QVERIFY(callMock(*machined, u"RemoveMachine"_s, {vm.name}));
        QVERIFY(changed.wait());
        QCOMPARE(source.machines(), std::optional(QList<Machine>{container}));

        // machined goes: nothing is known; let go, nothing is kept.
        machined->stop();
        QTRY_COMPARE(source.machines(), std::nullopt);
        later.setFollowing(false);
        QCOMPARE(later.machines(), std::nullopt);
        QVERIFY(!timed(source));
    }

    // --- network traffic (sysfs counters) ---

    void physicalInterfaces_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("flags");
        QTest::addColumn<QByteArray>("type");
        QTest::addColumn<bool>("physical");

        QTest::newRow("ethernet") << u"enp0s31f6"_s << int(FakeNetTree::Device) << "1"_ba << true;
        QTest::newRow("wifi") << u"wlan0"_s << int(FakeNetTree::Device) << "1"_ba << true;
        QTest::newRow("modem, raw IP") << u"wwan0"_s << int(FakeNetTree::Device) << "519"_ba << true;
        QTest::newRow("loopback") << u"lo"_s << int(FakeNetTree::NoFlags) << "772"_ba << false;
        QTest::newRow("no device") << u"dummy0"_s << int(FakeNetTree::NoFlags) << "1"_ba << false;
        QTest::newRow("bridge on a device") << u"lan"_s << int(FakeNetTree::Device | FakeNetTree::Bridge) << "1"_ba
                                            << false;
        QTest::newRow("docker bridge") << u"docker0"_s << int(FakeNetTree::Bridge) << "1"_ba << false;
        // Names and types tell even where a device shows.
        QTest::newRow("veth") << u"veth3f2a1b"_s << int(FakeNetTree::Device) << "1"_ba << false;
        QTest::newRow("tap of a VM") << u"vnet0"_s << int(FakeNetTree::Device) << "1"_ba << false;
        QTest::newRow("libvirt bridge") << u"virbr0"_s << int(FakeNetTree::Device) << "1"_ba << false;
        QTest::newRow("compose network") << u"br-5e1c"_s << int(FakeNetTree::Device) << "1"_ba << false;
        QTest::newRow("tun by type") << u"wg0"_s << int(FakeNetTree::Device) << "65534"_ba << false;
        QTest::newRow("ip tunnel by type") << u"sit1"_s << int(FakeNetTree::Device) << "776"_ba << false;
    }

    void physicalInterfaces()
    {
        QFETCH(QString, name);
        QFETCH(int, flags);
        QFETCH(QByteArray, type);
        QFETCH(bool, physical);
        FakeNetTree tree;
        QVERIFY(tree.add(name, flags, type, 1000, 234));
        const auto interfaces = SysfsNetworkSource::read(tree.dir.path());
        QCOMPARE(interfaces, std::optional(QList<InterfaceCounters>{{name, physical, 1234}}));
    }

    void networkSamplesWhileFollowing()
    {
        FakeNetTree tree;
        QVERIFY(tree.add(u"eth0"_s, FakeNetTree::Device, "1", 100, 50));
        QVERIFY(tree.add(u"lo"_s, FakeNetTree::NoFlags, "772", 7, 7));
        auto clock = std::make_shared<ManualClock>();
        SysfsNetworkSource source(clock, tree.dir.path());
        QSignalSpy changed(&source, &TriggerSource::changed);
        QVERIFY(!timed(source));

        source.setFollowing(true); // the first sample at once, then at the interval
        QCOMPARE(changed.size(), 1);
        QVERIFY(timed(source));
        for (int i = 1; i <= 70; ++i) {
            clock->advance(NetworkSource::sampleIntervalSeconds);
            QVERIFY(tree.set(u"eth0"_s, 100 + quint64(i) * 1000, 50));
            source.sample();
        }
        QCOMPARE(changed.size(), 71);
        // As far back as the history reaches, no further.
        const QList<NetworkSample> samples = source.samples();
        QCOMPARE(samples.size(), NetworkSource::maximumHistorySeconds / NetworkSource::sampleIntervalSeconds + 1);
        QCOMPARE(samples.constFirst().at, clock->now().addSecs(-NetworkSource::maximumHistorySeconds));
        QCOMPARE(samples.constLast(),
                 (NetworkSample{clock->now(), {{u"eth0"_s, true, 70150}, {u"lo"_s, false, 14}}}));

        // The clock set back: what seemed to come later goes.
        clock->advance(-25);
        source.sample();
        QCOMPARE(source.samples().constLast().at, clock->now());
        QCOMPARE(source.samples().size(), samples.size() - 2);

        // The counters cannot be read: no history rather than a quiet one.
        QVERIFY(QDir(tree.dir.filePath(u"class"_s)).removeRecursively());
        source.sample();
        QCOMPARE(source.samples(), QList<NetworkSample>());

        source.setFollowing(false);
        QVERIFY(!timed(source));
    }

    void manyLinksLeaveTheDevicesRead()
    {
        FakeNetTree tree;
        for (int i = 0; i < 80; ++i)
            QVERIFY(tree.add(u"veth%1"_s.arg(i, 3, 10, QChar(u'0')), FakeNetTree::NoFlags));
        QVERIFY(tree.add(u"wlan0"_s, FakeNetTree::Device, "1", 5, 5));
        const auto interfaces = SysfsNetworkSource::read(tree.dir.path());
        QVERIFY(interfaces);
        QCOMPARE(interfaces->size(), SysfsNetworkSource::maximumInterfaces);
        QCOMPARE(interfaces->constLast(), (InterfaceCounters{u"wlan0"_s, true, 10}));
    }

    // --- the CPU time of processes (/proc) ---

    void cpuListing_data()
    {
        QTest::addColumn<bool>("commandLines");
        QTest::newRow("names") << false;
        QTest::newRow("command lines") << true;
    }

    void cpuListing()
    {
        QFETCH(bool, commandLines);
        QTemporaryDir proc;
        const QString root = proc.path();
        const long ticks = ::sysconf(_SC_CLK_TCK);
        QVERIFY(TestFiles::write(root + u"/100/stat"_s, statLine(100, "a) (b", 3 * ticks, ticks / 2)));
        QVERIFY(TestFiles::write(root + u"/100/cmdline"_s, "/opt/a) (b\0--fast\0"_ba));
        QVERIFY(TestFiles::write(root + u"/2/stat"_s, statLine(2, "kthreadd", 0, 7, true)));
        QVERIFY(QDir(root).mkpath(u"300"_s)); // went while listed: its files are gone
        QVERIFY(TestFiles::write(root + u"/uptime"_s, "1.0 1.0\n"));

        auto clock = std::make_shared<ManualClock>();
        ProcFsCpuSource source(clock, root);
        source.setCommandLines(commandLines);
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        QVERIFY(source.sampling());
        QVERIFY(changed.wait());
        QVERIFY(timed(source));

        QList<ProcessCpu> processes = source.samples().value(0).processes;
        std::sort(processes.begin(), processes.end(), [](auto &a, auto &b) { return a.pid < b.pid; });
        const QList<ProcessCpu> expected{
            {2, u"kthreadd"_s, u"[kthreadd]"_s, 7.0 / double(ticks)},
            {100, u"a) (b"_s, commandLines ? u"/opt/a) (b --fast"_s : QString(), 3.5}};
        QCOMPARE(processes, expected);
        QCOMPARE(source.samples().value(0).at, clock->now());

        clock->advance(ProcessCpuSource::sampleIntervalSeconds);
        QVERIFY(source.sample());
        QVERIFY(changed.wait());
        QCOMPARE(source.samples().size(), 2);
        QCOMPARE(source.samples().constLast().at, clock->now());

        source.setFollowing(false);
        QCOMPARE(source.samples(), QList<CpuSample>());
        QVERIFY(!timed(source));
    }

    // A listing that ends after its source was let go adds nothing.
    void letGoWhileListing()
    {
        auto clock = std::make_shared<ManualClock>();
        ProcFsCpuSource source(clock);
        QSignalSpy changed(&source, &TriggerSource::changed);
        source.setFollowing(true);
        source.setFollowing(false);
        QTRY_VERIFY(!source.sampling());
        QCOMPARE(changed.size(), 0);
        QCOMPARE(source.samples(), QList<CpuSample>());
    }

    // The real /proc: this process is listed with the CPU time it has used.
    void realProcesses()
    {
        const auto listing = ProcFsCpuSource::list(u"/proc"_s, true);
        QVERIFY(listing);
        const auto self = std::find_if(listing->cbegin(), listing->cend(),
                                       [](const ProcessCpu &process) { return process.pid == ::getpid(); });
        QVERIFY(self != listing->cend());
        QCOMPARE(self->executableName, u"test_sampled_trigger_sources"_s);
        QVERIFY(self->cpuSeconds > 0);
        QVERIFY(!ProcFsCpuSource::list(u"/nonexistent"_s, false));
    }
};

QTEST_GUILESS_MAIN(TestSampledTriggerSources)
#include "tst_sampled_trigger_sources.moc"
