#include "processes/PSProcessSnapshotProvider.h"
#include "processes/TaskNames.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <limits>

using namespace Qt::StringLiterals;

constexpr auto withCommandLines = ProcessSnapshotProviding::Detail::CommandLines;

namespace {

// A task listing and a command listing as procps prints them, with the lines the parser must skip.
const QByteArray taskListing = "  PID COMMAND\n"
                               "    1 systemd\n"
                               "    2 kthreadd\n"
                               "   57 kworker/0:1H-events_highpri\n"
                               "  812 python3\n"
                               " 4242 Some App\n"
                               " 5000 vigila-test-ver\n"
                               "\n"
                               "  900 old-name\n"
                               "  900 new-name\n"
                               "garbage\n";
const QByteArray commandListing = "    1 /sbin/init splash\n"
                                  "    2 [kthreadd]\n"
                                  "   57 [kworker/0:1H-events_highpri]\n"
                                  "  812   /usr/bin/python3  \n"
                                  " 4242 /opt/Some App/bin/Some App --flag\n"
                                  " 5000 /tmp/bin/vigila-test-very-long-executable-name 30\n"
                                  " 6000 /usr/bin/python3 /tmp/job.py\n"
                                  "  900 /usr/bin/new-name\n"
                                  "  901 [defunct-worker-] <defunct>\n"
                                  "  PID COMMAND\n"
                                  "813\n";
const QList<RunningProcess> joined{
    {1, u"systemd"_s, u"/sbin/init splash"_s},
    {2, u"kthreadd"_s, u"[kthreadd]"_s},
    {57, u"kworker/0:1H-events_highpri"_s, u"[kworker/0:1H-events_highpri]"_s},
    {812, u"python3"_s, u"/usr/bin/python3"_s},
    {4242, u"Some App"_s, u"/opt/Some App/bin/Some App --flag"_s},
    {5000, u"vigila-test-very-long-executable-name"_s,
     u"/tmp/bin/vigila-test-very-long-executable-name 30"_s},
    // Started between the two runs: named after the last path component of its command line.
    {6000, u"job.py"_s, u"/usr/bin/python3 /tmp/job.py"_s},
    {900, u"new-name"_s, u"/usr/bin/new-name"_s},
};

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

const RunningProcess *findPid(const QList<RunningProcess> &processes, qint64 pid)
{
    for (const RunningProcess &process : processes) {
        if (process.pid == pid)
            return &process;
    }
    return nullptr;
}

} // namespace

class TestPSSnapshot : public QObject {
    Q_OBJECT

    // A directory holding the stand-in ps and its fixtures.
    std::unique_ptr<QTemporaryDir> fakeDir;

    QString fakePS() const { return fakeDir->filePath(u"ps"_s); }

    QStringList fakeCalls() const
    {
        QFile file(fakeDir->filePath(u"calls.txt"_s));
        if (!file.open(QIODevice::ReadOnly))
            return {};
        return QString::fromUtf8(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    }

private slots:
    void init()
    {
        fakeDir = std::make_unique<QTemporaryDir>();
        QVERIFY(fakeDir->isValid());
        QVERIFY(QFile::copy(QStringLiteral(VIGILA_FAKE_PS), fakePS()));
        QVERIFY(QFile::setPermissions(fakePS(), QFile::ReadOwner | QFile::ExeOwner));
    }

    void splitPIDAndRest_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<qint64>("pid");
        QTest::addColumn<QString>("rest");
        QTest::newRow("padded") << u"  812   /usr/bin/python3  "_s << true << 812ll << u"/usr/bin/python3"_s;
        QTest::newRow("inner spaces kept") << u"7 a  b"_s << true << 7ll << u"a  b"_s;
        QTest::newRow("rest trimmed") << u"7 \u00A0x"_s << true << 7ll << u"x"_s;
        QTest::newRow("unicode spaces trimmed") << u"\u00A0\u2003812 a\u3000"_s << true << 812ll << u"a"_s;
        QTest::newRow("tab before rest trimmed") << u"\t812 \ta\t"_s << true << 812ll << u"a"_s;
        QTest::newRow("line breaks kept") << u"812 \u2028x\r"_s << true << 812ll << u"\u2028x\r"_s;
        QTest::newRow("plus") << u"+5 x"_s << true << 5ll << u"x"_s;
        QTest::newRow("minus") << u"-1 x"_s << true << -1ll << u"x"_s;
        QTest::newRow("largest") << u"9223372036854775807 x"_s << true << std::numeric_limits<qint64>::max()
                                 << u"x"_s;
        QTest::newRow("smallest") << u"-9223372036854775808 x"_s << true << std::numeric_limits<qint64>::min()
                                  << u"x"_s;
        QTest::newRow("no space") << u"812"_s << false << 0ll << QString();
        QTest::newRow("only trailing space") << u"812  "_s << false << 0ll << QString();
        QTest::newRow("header") << u"PID COMMAND"_s << false << 0ll << QString();
        QTest::newRow("blank") << u"   "_s << false << 0ll << QString();
        QTest::newRow("tab is no separator") << u"812\t/bin/x y"_s << false << 0ll << QString();
        QTest::newRow("sign only") << u"+ x"_s << false << 0ll << QString();
        QTest::newRow("hex") << u"0x1f x"_s << false << 0ll << QString();
        QTest::newRow("other digits") << u"\u0668\u0661\u0662 x"_s << false << 0ll << QString();
        QTest::newRow("overflow") << u"9223372036854775808 x"_s << false << 0ll << QString();
    }

    void splitPIDAndRest()
    {
        QFETCH(QString, line);
        QFETCH(bool, accepted);
        const auto result = PSProcessSnapshotProvider::splitPIDAndRest(line);
        QCOMPARE(result.has_value(), accepted);
        if (accepted) {
            QFETCH(qint64, pid);
            QFETCH(QString, rest);
            QCOMPARE(result->first, pid);
            QCOMPARE(result->second.toString(), rest);
        }
    }

    void lastPathComponent_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("component");
        QTest::newRow("path") << u"/usr/bin/python3"_s << u"python3"_s;
        QTest::newRow("spaces") << u"/Applications/Some App.app/Contents/MacOS/Some App"_s << u"Some App"_s;
        QTest::newRow("no slash") << u"python3"_s << u"python3"_s;
        QTest::newRow("trailing slash") << u"/tmp/"_s << u"tmp"_s;
        QTest::newRow("slashes") << u"a//b//"_s << u"b"_s;
        QTest::newRow("root") << u"/"_s << u"/"_s;
        QTest::newRow("empty") << QString() << QString();
        QTest::newRow("arguments") << u"/usr/bin/python3 /tmp/job.py"_s << u"job.py"_s;
    }

    void lastPathComponent()
    {
        QFETCH(QString, path);
        QFETCH(QString, component);
        QCOMPARE(TaskNames::lastPathComponent(path).toString(), component);
    }

    void executableName_data()
    {
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QString>("task");
        QTest::addColumn<QString>("commandLine");
        QTest::addColumn<QString>("name");
        QTest::newRow("short task name")
            << true << u"python3"_s << u"/usr/bin/python3 /tmp/job.py"_s << u"python3"_s;
        QTest::newRow("argv rewritten") << true << u"sshd"_s << u"sshd: ann@pts/0"_s << u"sshd"_s;
        QTest::newRow("kernel thread")
            << true << u"kworker/0:1H-events_highpri"_s << u"[kworker/0:1H-events_highpri]"_s
            << u"kworker/0:1H-events_highpri"_s;
        QTest::newRow("kernel thread renamed between runs")
            << true << u"kworker/u8:1-ext4-rsv-conversion"_s << u"[kworker/u8:1-events_unbound]"_s
            << u"kworker/u8:1-events_unbound"_s;
        QTest::newRow("unlisted kernel thread")
            << false << QString() << u"[kworker/u8:2-flush]"_s << u"kworker/u8:2-flush"_s;
        QTest::newRow("zombie") << true << u"defunct-worker-"_s << u"[defunct-worker-] <defunct>"_s
                                << u"defunct-worker-"_s;
        QTest::newRow("unlisted") << false << QString() << u"/usr/bin/python3 /tmp/job.py"_s << u"job.py"_s;
        QTest::newRow("cut name") << true << u"vigila-test-ver"_s
                                  << u"/tmp/x/vigila-test-very-long-executable-name 30"_s
                                  << u"vigila-test-very-long-executable-name"_s;
        QTest::newRow("cut name, bare")
            << true << u"vigila-test-ver"_s << u"vigila-test-very-long-executable-name"_s
            << u"vigila-test-very-long-executable-name"_s;
        QTest::newRow("arguments are not the name")
            << true << u"vigila-very-lon"_s << u"/nonexistent/vigila-very-long-tool --config x"_s
            << u"vigila-very-long-tool"_s;
        QTest::newRow("exactly fifteen")
            << true << u"gsd-screensaver"_s << u"/usr/libexec/gsd-screensaver"_s << u"gsd-screensaver"_s;
        QTest::newRow("script") << true << u"very-long-scrip"_s
                                << u"/bin/bash ./very-long-script-name.sh --opt a/b"_s
                                << u"very-long-script-name.sh"_s;
        QTest::newRow("cut, not in command line")
            << true << u"long-daemon-nam"_s << u"daemon: idle"_s << u"long-daemon-nam"_s;
        QTest::newRow("short name with spaces")
            << true << u"Some App"_s << u"/opt/Some App/bin/Some App --flag"_s << u"Some App"_s;
        // Fourteen bytes is whole however long argv[0] is; fifteen bytes may be cut.
        QTest::newRow("14 bytes") << true << u"ééééééé"_s << u"/opt/éééééééabc"_s << u"ééééééé"_s;
        QTest::newRow("15 bytes") << true << u"éééééééa"_s << u"/opt/éééééééabc"_s << u"éééééééabc"_s;
        QTest::newRow("character cut in half")
            << true << u"aaaaaaaaaaaaaa?"_s << u"/opt/aaaaaaaaaaaaaaé-tool 20"_s << u"aaaaaaaaaaaaaaé-tool"_s;
        QTest::newRow("long kernel thread") << true << u"pool_workqueue_release"_s
                                            << u"[pool_workqueue_release]"_s << u"pool_workqueue_release"_s;
    }

    void executableName()
    {
        QFETCH(bool, listed);
        QFETCH(QString, task);
        QFETCH(QString, commandLine);
        QFETCH(QString, name);
        const std::optional<QStringView> taskName = listed ? std::optional<QStringView>(task) : std::nullopt;
        QCOMPARE(PSProcessSnapshotProvider::executableName(taskName, commandLine), name);
    }

    void cutNameWithSpacesPrefersAnExistingFile()
    {
        const QString root = fakeDir->path();
        QVERIFY(QDir(root).mkpath(u"Some Application"_s));
        QVERIFY(QDir(root).mkpath(u"Some Application Suite/bin"_s));
        const QString helper = root + u"/Some Application Suite/bin/Some Application Helper"_s;
        QVERIFY(writeFile(helper, "#!/bin/sh\n"));
        QCOMPARE(
            PSProcessSnapshotProvider::executableName(u"Some Applicatio", QString(helper + u" --flag"_s)),
            u"Some Application Helper"_s);
    }

    void parseJoinsByPid()
    {
        const QString tasks = QString::fromUtf8(taskListing);
        const QString commands = QString::fromUtf8(commandListing);
        QCOMPARE(PSProcessSnapshotProvider::parse(tasks, commands), joined);

        // Task names in pid order, command lines in any order.
        const QList<RunningProcess> shuffled{{3, u"c"_s, u"/x/c"_s},       {1, u"a"_s, u"/x/a"_s},
                                             {4, u"d.sh"_s, u"/x/d.sh"_s}, {2, u"b"_s, u"/x/b"_s},
                                             {2, u"b"_s, u"/x/b"_s},       {5, u"e"_s, u"/x/e"_s}};
        const QString sortedTasks = u"1 a\n2 b\n3 c\n5 e\n"_s;
        const QString unsortedCommands = u"3 /x/c\n1 /x/a\n4 /x/d.sh\n2 /x/b\n2 /x/b\n5 /x/e"_s;
        QCOMPARE(PSProcessSnapshotProvider::parse(sortedTasks, unsortedCommands), shuffled);
    }

    void snapshotRunsPSTwice()
    {
        QVERIFY(writeFile(fakeDir->filePath(u"task.txt"_s), taskListing));
        QVERIFY(writeFile(fakeDir->filePath(u"command.txt"_s), commandListing));
        PSProcessSnapshotProvider provider(fakePS());
        // Off the calling thread, which goes on with its events meanwhile.
        const QFuture<ProcessSnapshotProviding::Listing> listing = provider.snapshot(withCommandLines);
        QTRY_VERIFY(listing.isFinished());
        QCOMPARE(listing.result(), std::optional(joined));
        QCOMPARE(fakeCalls(),
                 (QStringList{u"C.UTF-8|-axww -o pid=,comm="_s, u"C.UTF-8|-axww -o pid=,command="_s}));
    }

    void failedRuns_data()
    {
        QTest::addColumn<QByteArray>("tasks");
        QTest::addColumn<QByteArray>("commands");
        QTest::addColumn<bool>("listed");
        QTest::addColumn<QStringList>("names");
        const QByteArray commands = "1 /usr/bin/python3 /tmp/job.py\n2 [kthreadd]\n";
        const QByteArray tasks = "1 python3\n2 kthreadd\n";
        // A null fixture makes the stand-in fail without output. Without task names the command
        // lines name the processes; without command lines the listing fails, which is not the
        // same as no processes.
        QTest::newRow("task run fails")
            << QByteArray() << commands << true << QStringList{u"job.py"_s, u"kthreadd"_s};
        QTest::newRow("command run fails") << tasks << QByteArray() << false << QStringList{};
        QTest::newRow("task run not UTF-8")
            << QByteArray("1 pyth\xffon3\n") << commands << true << QStringList{u"job.py"_s, u"kthreadd"_s};
        QTest::newRow("command run not UTF-8")
            << tasks << QByteArray("1 /usr/bin/\xc3\x28\n") << false << QStringList{};
        QTest::newRow("command run cut mid-character")
            << tasks << QByteArray("1 /usr/bin/caf\xc3") << false << QStringList{};
        QTest::newRow("empty output") << tasks << QByteArray("") << true << QStringList{};
    }

    void failedRuns()
    {
        QFETCH(QByteArray, tasks);
        QFETCH(QByteArray, commands);
        QFETCH(bool, listed);
        QFETCH(QStringList, names);
        if (!tasks.isNull())
            QVERIFY(writeFile(fakeDir->filePath(u"task.txt"_s), tasks));
        if (!commands.isNull())
            QVERIFY(writeFile(fakeDir->filePath(u"command.txt"_s), commands));
        const auto processes = PSProcessSnapshotProvider(fakePS()).list();
        QCOMPARE(processes.has_value(), listed);
        QStringList actual;
        for (const RunningProcess &process : processes.value_or(QList<RunningProcess>()))
            actual << process.executableName;
        QCOMPARE(actual, names);
    }

    void missingPSFails()
    {
        PSProcessSnapshotProvider provider(fakeDir->filePath(u"no-such-ps"_s));
        QVERIFY(!provider.list());
    }

    void hungPSIsKilled()
    {
        QVERIFY(writeFile(fakeDir->filePath(u"command.txt"_s), "1 /bin/true\n"));
        QVERIFY(writeFile(fakeDir->filePath(u"hang"_s), ""));
        PSProcessSnapshotProvider provider(fakePS(), 300);
        QElapsedTimer elapsed;
        elapsed.start();
        QVERIFY(!provider.list());
        QVERIFY2(elapsed.elapsed() < 10000, "each run is cut off at its timeout");
        QCOMPARE(fakeCalls().size(), 2);
    }

    void realPSFindsLongNames()
    {
        // Copies of sleep whose names the kernel cuts to 15 bytes, one of them in a path with spaces.
        const QString longName = u"vigila-test-very-long-executable-name"_s;
        const QString longPath = fakeDir->filePath(longName);
        QVERIFY(QDir(fakeDir->path()).mkpath(u"dir with space"_s));
        const QString spacedPath = fakeDir->filePath(u"dir with space/Some Long Application Name Here"_s);
        for (const QString &path : {longPath, spacedPath}) {
            QVERIFY(QFile::copy(u"/bin/sleep"_s, path));
            QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner));
        }
        QProcess longChild;
        QProcess spacedChild;
        longChild.start(longPath, {u"30"_s});
        spacedChild.start(spacedPath, {u"30"_s});
        QVERIFY(longChild.waitForStarted());
        QVERIFY(spacedChild.waitForStarted());

        const qint64 longPid = longChild.processId();
        const qint64 spacedPid = spacedChild.processId();
        const QList<RunningProcess> processes =
            PSProcessSnapshotProvider().list().value_or(QList<RunningProcess>());
        longChild.kill();
        spacedChild.kill();
        longChild.waitForFinished();
        spacedChild.waitForFinished();

        const RunningProcess *listedLong = findPid(processes, longPid);
        QVERIFY(listedLong);
        QCOMPARE(listedLong->executableName, longName);
        QCOMPARE(listedLong->commandLine, longPath + u" 30"_s);
        const ProcessRule rule{QUuid::createUuid(), u"Vigila-Test-Very-Long-Executable-Name"_s, true,
                               ProcessMatchMode::Exact};
        QVERIFY(rule.matches(*listedLong));
        QVERIFY(rule.matchCount(processes) >= 1);

        const RunningProcess *listedSpaced = findPid(processes, spacedPid);
        QVERIFY(listedSpaced);
        QCOMPARE(listedSpaced->executableName, u"Some Long Application Name Here"_s);
        QCOMPARE(listedSpaced->commandLine, spacedPath + u" 30"_s);

        // This test program's own name is longer than 15 bytes too.
        const RunningProcess *self = findPid(processes, QCoreApplication::applicationPid());
        QVERIFY(self);
        QCOMPARE(self->executableName, QFileInfo(QCoreApplication::applicationFilePath()).fileName());

        for (const RunningProcess &process : processes) {
            if (process.commandLine.startsWith(u'[') && process.commandLine.endsWith(u']'))
                QCOMPARE(QString(u'[' + process.executableName + u']'), process.commandLine);
        }
    }
};

QTEST_GUILESS_MAIN(TestPSSnapshot)
#include "tst_ps_snapshot.moc"
