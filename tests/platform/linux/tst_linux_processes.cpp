#include "FakePowerAssertion.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "TestFiles.h"
#include "linux/PidfdExitWatcher.h"
#include "linux/ProcFsProcessSnapshotProvider.h"
#include "power/AssertionManager.h"
#include "processes/PSProcessSnapshotProvider.h"
#include "processes/ProcessWatcher.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

#include <csignal>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

constexpr auto withCommandLines = ProcessSnapshotProviding::Detail::CommandLines;

// Files of one fake process directory; a null value puts a directory where the file would be,
// so that reading it fails.
using ProcessFiles = QMap<QString, QByteArray>;
Q_DECLARE_METATYPE(ProcessFiles)

namespace {

constexpr qint64 fakePid = 4242;

enum class Task { Program, KernelThread };

// "stat" as the kernel writes it, up to just past the number of threads (the 20th field).
QByteArray statLine(const QByteArray &name, char state = 'S', Task task = Task::Program, int threads = 1)
{
    const QByteArray flags = task == Task::KernelThread ? "69238880" : "4194560";
    return QByteArray::number(fakePid) + " (" + name + ") " + state + " 2 0 0 0 -1 " + flags +
           " 0 0 0 0 0 12 0 0 20 0 " + QByteArray::number(threads) + " 0 43 0 0\n";
}

// A /proc of one process, or of none, beside entries that are not processes.
bool makeTree(const QString &root, const std::optional<ProcessFiles> &process)
{
    QDir dir(root);
    if (!dir.mkpath(u"sys/kernel"_s) || !TestFiles::write(root + u"/version"_s, "Linux\n") ||
        !QFile::link(root + u"/4242"_s, root + u"/self"_s) || !dir.mkpath(u"1a"_s))
        return false;
    if (!process)
        return true;
    if (!dir.mkpath(u"4242"_s))
        return false;
    for (auto file = process->cbegin(); file != process->cend(); ++file) {
        const QString path = root + u"/4242/"_s + file.key();
        if (file->isNull() ? !dir.mkpath(path) : !TestFiles::write(path, *file))
            return false;
    }
    return true;
}

QHash<qint64, RunningProcess> byPid(const QList<RunningProcess> &processes)
{
    QHash<qint64, RunningProcess> result;
    for (const RunningProcess &process : processes)
        result.insert(process.pid, process);
    return result;
}

// ps shows control characters and bytes that are not UTF-8 as "?".
bool printable(const RunningProcess &process)
{
    for (const QString &text : {process.executableName, process.commandLine}) {
        for (const QChar c : text) {
            if (c.unicode() < 0x20 || c.unicode() == 0x7F || c == QChar(QChar::ReplacementCharacter))
                return false;
        }
    }
    return true;
}

// A copy of sleep under the given name, so that the kernel's task name is that name, cut.
QString sleeper(const QTemporaryDir &dir, const QString &name)
{
    const QString path = dir.filePath(name);
    QDir().mkpath(QFileInfo(path).path());
    if (!QFile::exists(path) && !QFile::copy(u"/bin/sleep"_s, path))
        return {};
    QFile::setPermissions(path, QFile::ReadOwner | QFile::ExeOwner);
    return path;
}

bool hasExeced(qint64 pid, const QString &program)
{
    const QByteArray name = QFile::encodeName(QFileInfo(program).fileName()).left(15);
    return TestFiles::read(u"/proc/%1/comm"_s.arg(pid)) == name + '\n' &&
           TestFiles::read(u"/proc/%1/cmdline"_s.arg(pid))
               .startsWith(QByteArray(QFile::encodeName(program) + '\0'));
}

char stateOf(qint64 pid)
{
    const QByteArray line = TestFiles::read(u"/proc/%1/stat"_s.arg(pid));
    const qsizetype close = line.lastIndexOf(')');
    return close >= 0 && close + 2 < line.size() ? line[close + 2] : '?';
}

// What this process has read so far, through any call that reads.
qint64 bytesRead()
{
    for (const QByteArray &line : TestFiles::read(u"/proc/self/io"_s).split('\n')) {
        if (line.startsWith("rchar: "))
            return line.mid(7).toLongLong();
    }
    return -1;
}

qsizetype openDescriptors()
{
    return QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size();
}

// The listing of a tree, counting how many were started.
class CountingProvider final : public ProcessSnapshotProviding {
public:
    CountingProvider(QString root, int &count)
        : m_provider(std::move(root))
        , m_count(count)
    {
    }
    QFuture<Listing> snapshot(Detail detail) override
    {
        ++m_count;
        return m_provider.snapshot(detail);
    }

private:
    ProcFsProcessSnapshotProvider m_provider;
    int &m_count;
};

} // namespace

class TestLinuxProcesses : public QObject {
    Q_OBJECT

    std::vector<std::unique_ptr<QProcess>> children;

    // Waits for the kernel to give the child its name and arguments too, which it does a moment
    // after QProcess sees the start.
    QProcess &spawn(const QString &program, const QStringList &arguments)
    {
        children.push_back(std::make_unique<QProcess>());
        QProcess &child = *children.back();
        child.start(program, arguments);
        const auto execed = [&child, &program] { return hasExeced(child.processId(), program); };
        if (child.waitForStarted() && !QTest::qWaitFor(execed))
            qWarning("%s did not start", qPrintable(program));
        return child;
    }

private slots:
    void cleanup()
    {
        for (const auto &child : children) {
            child->kill();
            child->waitForFinished();
        }
        children.clear();
    }

    void fakeProcess_data()
    {
        QTest::addColumn<ProcessFiles>("files");
        // 1: listed, 0: left out, -1: the whole listing fails.
        QTest::addColumn<int>("listed");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("commandLine");

        QTest::newRow("program") << ProcessFiles{{u"cmdline"_s, "/usr/bin/python3\0/tmp/job.py\0"_ba},
                                                 {u"stat"_s, statLine("python3")}}
                                 << 1 << u"python3"_s << u"/usr/bin/python3 /tmp/job.py"_s;
        QTest::newRow("name cut at 15 bytes")
            << ProcessFiles{{u"cmdline"_s, "/tmp/x/vigila-test-very-long-executable-name\0"
                                           "30\0"_ba},
                            {u"stat"_s, statLine("vigila-test-ver")}}
            << 1 << u"vigila-test-very-long-executable-name"_s
            << u"/tmp/x/vigila-test-very-long-executable-name 30"_s;
        // The first argument is the path, spaces and all: no file needs to exist to tell.
        QTest::newRow("cut name in a path with spaces")
            << ProcessFiles{{u"cmdline"_s, "/nonexistent/My Long Program Name\0data\0"_ba},
                            {u"stat"_s, statLine("My Long Program")}}
            << 1 << u"My Long Program Name"_s << u"/nonexistent/My Long Program Name data"_s;
        QTest::newRow("cut name with a space as 15th byte")
            << ProcessFiles{{u"cmdline"_s, "/opt/Some Long Appl Name\0-f\0"_ba},
                            {u"stat"_s, statLine("Some Long Appl ")}}
            << 1 << u"Some Long Appl Name"_s << u"/opt/Some Long Appl Name -f"_s;
        QTest::newRow("line feed in the name")
            << ProcessFiles{{u"cmdline"_s, "./two\nlines\0-x\0"_ba}, {u"stat"_s, statLine("two\nlines")}} << 1
            << u"two\nlines"_s << u"./two\nlines -x"_s;
        QTest::newRow("character cut in half")
            << ProcessFiles{{u"cmdline"_s, "/opt/aaaaaaaaaaaaaa\xc3\xa9-tool\0"
                                           "20\0"_ba},
                            {u"stat"_s, statLine("aaaaaaaaaaaaaa\xc3")}}
            << 1 << u"aaaaaaaaaaaaaa\u00E9-tool"_s << u"/opt/aaaaaaaaaaaaaa\u00E9-tool 20"_s;
        QTest::newRow("not UTF-8") << ProcessFiles{{u"cmdline"_s, "/opt/caf\xe9\0-v\0"_ba},
                                                   {u"stat"_s, statLine("caf\xe9")}}
                                   << 1 << u"caf\uFFFD"_s << u"/opt/caf\uFFFD -v"_s;
        QTest::newRow("empty arguments and padding")
            << ProcessFiles{{u"cmdline"_s, "\0/bin/tool\0\0b\0\0\0\0"_ba}, {u"stat"_s, statLine("tool")}} << 1
            << u"tool"_s << u"/bin/tool  b"_s;
        // Read up to a bound: what lies past it is not listed.
        const QByteArray longArgument(20000, 'x');
        QTest::newRow("long command line")
            << ProcessFiles{{u"cmdline"_s, "/bin/tool\0"_ba + longArgument + '\0'},
                            {u"stat"_s, statLine("tool")}}
            << 1 << u"tool"_s
            << u"/bin/tool "_s +
                   QString(ProcFsProcessSnapshotProvider::commandLineBytes - qsizetype(sizeof "/bin/tool"),
                           u'x');
        QTest::newRow("no arguments") << ProcessFiles{{u"cmdline"_s, ""}, {u"stat"_s, statLine("daemon")}}
                                      << 1 << u"daemon"_s << u"[daemon]"_s;
        QTest::newRow("kernel thread")
            << ProcessFiles{{u"stat"_s, statLine("kworker/0:1H-events_highpri", 'I', Task::KernelThread)}}
            << 1 << u"kworker/0:1H-events_highpri"_s << u"[kworker/0:1H-events_highpri]"_s;
        QTest::newRow("parentheses in the name")
            << ProcessFiles{{u"stat"_s, statLine("a) S (b", 'S', Task::KernelThread)}} << 1 << u"a) S (b"_s
            << u"[a) S (b]"_s;
        QTest::newRow("first thread ended, others run")
            << ProcessFiles{{u"cmdline"_s, ""}, {u"stat"_s, statLine("server", 'Z', Task::Program, 4)}} << 1
            << u"server"_s << u"[server]"_s;
        QTest::newRow("zombie") << ProcessFiles{{u"cmdline"_s, ""},
                                                {u"stat"_s, statLine("defunct-worker", 'Z')}}
                                << 0 << QString() << QString();
        QTest::newRow("exited before it was read") << ProcessFiles{} << 0 << QString() << QString();
        QTest::newRow("exited while it was read")
            << ProcessFiles{{u"stat"_s, statLine("tool")}} << 0 << QString() << QString();
        // A read that fails for another reason than a process gone or not ours (here EISDIR) would
        // leave out a process that runs.
        QTest::newRow("unreadable command line")
            << ProcessFiles{{u"cmdline"_s, QByteArray()}, {u"stat"_s, statLine("tool")}} << -1 << QString()
            << QString();
        QTest::newRow("unreadable stat")
            << ProcessFiles{{u"stat"_s, QByteArray()}} << -1 << QString() << QString();
    }

    void fakeProcess()
    {
        QFETCH(ProcessFiles, files);
        QFETCH(int, listed);
        const QTemporaryDir root;
        QVERIFY(makeTree(root.path(), files));
        const auto processes = ProcFsProcessSnapshotProvider::list(root.path(), withCommandLines);
        QCOMPARE(processes.has_value(), listed >= 0);
        if (!processes)
            return;
        QCOMPARE(processes->size(), listed);
        if (listed) {
            QFETCH(QString, name);
            QFETCH(QString, commandLine);
            QCOMPARE(processes->first(), (RunningProcess{fakePid, name, commandLine}));
            // Names alone: the same name, and a command line only where the name needed it.
            const auto names =
                ProcFsProcessSnapshotProvider::list(root.path(), ProcessSnapshotProviding::Detail::Names);
            QVERIFY(names && names->size() == 1);
            QCOMPARE(names->first().executableName, name);
            QVERIFY(names->first().commandLine.isEmpty() || names->first().commandLine == commandLine);
        }
    }

    void failedListing()
    {
        const QTemporaryDir root;
        // No /proc, a file in its place, or /proc not mounted: a failure, not "no processes".
        QVERIFY(!ProcFsProcessSnapshotProvider::list(root.filePath(u"missing"_s), withCommandLines));
        QVERIFY(TestFiles::write(root.filePath(u"file"_s), "1\n"));
        QVERIFY(!ProcFsProcessSnapshotProvider::list(root.filePath(u"file"_s), withCommandLines));
        QVERIFY(makeTree(root.path(), std::nullopt));
        QVERIFY(!ProcFsProcessSnapshotProvider::list(root.path(), withCommandLines));
    }

    void longCommandLineCostsOnlyItsPrefix()
    {
        const QTemporaryDir root;
        QByteArray arguments = "/usr/bin/python3\0-m\0pytest\0"_ba;
        arguments += QByteArray(2 * 1024 * 1024, 'a') + "\0--late-flag\0"_ba;
        QVERIFY(
            makeTree(root.path(), ProcessFiles{{u"cmdline"_s, arguments}, {u"stat"_s, statLine("python3")}}));
        const qint64 readBefore = bytesRead();
        const auto processes = ProcFsProcessSnapshotProvider::list(root.path(), withCommandLines);
        const qint64 read = bytesRead() - readBefore;
        QVERIFY(processes && processes->size() == 1);
        const RunningProcess &process = processes->first();
        QCOMPARE(process.commandLine.size(), ProcFsProcessSnapshotProvider::commandLineBytes);
        QVERIFY2(read < 64 * 1024, qPrintable(u"read %1 bytes"_s.arg(read)));
        // A contains rule matches within the prefix, and only there.
        const auto contains = [](const QString &name) {
            return ProcessRule{QUuid::createUuid(), name, true, ProcessMatchMode::Contains};
        };
        QVERIFY(contains(u"-m pytest"_s).matches(process));
        QVERIFY(!contains(u"--late-flag"_s).matches(process));
    }

    void descriptorShortageFailsTheListing_data()
    {
        QTest::addColumn<int>("room");
        QTest::addColumn<int>("status");
        // Exit status 0: the listing failed; 1: it listed.
        QTest::newRow("room for the directory alone: EMFILE") << 1 << 0;
        QTest::newRow("room for one file more") << 2 << 1;
    }

    void descriptorShortageFailsTheListing()
    {
        QFETCH(int, room);
        QFETCH(int, status);
        const QTemporaryDir root;
        QVERIFY(makeTree(root.path(),
                         ProcessFiles{{u"cmdline"_s, "/bin/tool\0"_ba}, {u"stat"_s, statLine("tool")}}));
        // In a child, with the descriptor limit just above those already open.
        const pid_t child = ::fork();
        QVERIFY(child >= 0);
        if (child == 0) {
            const int lowest = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
            ::close(lowest);
            const rlimit limit{rlim_t(lowest + room), rlim_t(lowest + room)};
            if (lowest < 0 || ::setrlimit(RLIMIT_NOFILE, &limit) != 0)
                ::_exit(2);
            ::_exit(ProcFsProcessSnapshotProvider::list(root.path(), withCommandLines) ? 1 : 0);
        }
        int exitStatus = 0;
        QCOMPARE(::waitpid(child, &exitStatus, 0), child);
        QVERIFY(WIFEXITED(exitStatus));
        QCOMPARE(WEXITSTATUS(exitStatus), status);
    }

    void stuckListingKeepsTheLoopTurning()
    {
        // Two processes: one a rule matches, and one whose command line will block its reader.
        const QTemporaryDir root;
        QVERIFY(makeTree(root.path(), ProcessFiles{{u"cmdline"_s, "/usr/bin/rsync\0-a\0"_ba},
                                                   {u"stat"_s, statLine("rsync")}}));
        const QString stuck = root.filePath(u"77"_s);
        QVERIFY(QDir().mkpath(stuck));
        QVERIFY(TestFiles::write(stuck + u"/stat"_s, statLine("fuse-client")));
        const QString commandLine = stuck + u"/cmdline"_s;
        QVERIFY(TestFiles::write(commandLine, "fuse-client\0"_ba));

        int listings = 0;
        ManualClock clock;
        AssertionManager manager(std::make_shared<FakePowerAssertion>());
        ProcessWatcher watcher(&manager, std::make_unique<CountingProvider>(root.path(), listings), clock);
        watcher.setListingDeadline(300);
        watcher.setRules({{QUuid::createUuid(), u"rsync -a"_s, true, ProcessMatchMode::Contains}});
        watcher.poll();
        QTRY_COMPARE(manager.reasons().size(), 1);

        // rsync ends, and a FIFO with no writer stands in for a process stuck in the kernel.
        QVERIFY(QDir(root.filePath(u"4242"_s)).removeRecursively());
        QVERIFY(QFile::remove(commandLine));
        QVERIFY(::mkfifo(QFile::encodeName(commandLine).constData(), 0600) == 0);
        LogCapture log;
        QElapsedTimer sinceTick;
        qint64 longestGap = 0;
        int ticks = 0;
        QTimer ticker;
        ticker.setTimerType(Qt::PreciseTimer);
        connect(&ticker, &QTimer::timeout, this, [&] {
            longestGap = std::max(longestGap, sinceTick.restart());
            ++ticks;
        });
        sinceTick.start();
        ticker.start(10);
        watcher.poll();
        QVERIFY(watcher.isListing());
        QTRY_COMPARE(log.texts(QtCriticalMsg).filter(u"running processes"_s).size(), 1);
        watcher.poll();
        watcher.poll();
        ticker.stop();
        QVERIFY(watcher.isListing());
        QCOMPARE(listings, 2);
        QCOMPARE(manager.reasons().size(), 1);
        // Reading on this thread would never return at all; the limit is loose for a busy machine.
        QVERIFY2(ticks >= 5 && longestGap < 1000,
                 qPrintable(u"%1 ticks, %2 ms"_s.arg(ticks).arg(longestGap)));

        // A writer lets the stuck read end; a file takes the FIFO's place for the next listing,
        // which releases the reason.
        const int writer =
            ::open(QFile::encodeName(commandLine).constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
        QVERIFY(writer >= 0);
        QVERIFY(TestFiles::write(stuck + u"/cmdline.new"_s, "fuse-client\0"_ba));
        QVERIFY(::rename(QFile::encodeName(stuck + u"/cmdline.new"_s).constData(),
                         QFile::encodeName(commandLine).constData()) == 0);
        ::close(writer);
        QTRY_VERIFY(!watcher.isListing());
        QCOMPARE(manager.reasons().size(), 1);
        watcher.poll();
        QTRY_VERIFY(manager.reasons().isEmpty());
        QCOMPARE(listings, 3);
    }

    void exitWatchesAreBounded()
    {
        // More processes than the bound, all alive.
        QProcess shell;
        shell.start(u"/bin/sh"_s, {u"-c"_s, u"for i in $(seq 80); do sleep 30 & echo $!; done; wait"_s});
        QVERIFY(shell.waitForStarted());
        QList<qint64> pids;
        while (pids.size() < 80 && shell.waitForReadyRead(5000)) {
            while (shell.canReadLine())
                pids.append(shell.readLine().trimmed().toLongLong());
        }
        QCOMPARE(pids.size(), 80);
        const qsizetype descriptorsBefore = openDescriptors();
        {
            PidfdExitWatcher watcher;
            watcher.watch(pids);
            QCOMPARE(watcher.watchedCount(), ProcessExitWatching::maximumWatches);
            QVERIFY(openDescriptors() - descriptorsBefore <= ProcessExitWatching::maximumWatches);
        }
        QCOMPARE(openDescriptors(), descriptorsBefore);
        for (const qint64 pid : std::as_const(pids))
            ::kill(pid_t(pid), SIGKILL);
        shell.kill();
        shell.waitForFinished();
    }

    void agreesWithPs()
    {
        // Children whose names the kernel cuts to 15 bytes, and a zombie (sleep never reaps the
        // child the shell left it).
        const QTemporaryDir dir;
        const QString longPath = sleeper(dir, u"vigila-test-very-long-executable-name"_s);
        const QString spacedPath = sleeper(dir, u"dir with space/Some Long Application Name Here"_s);
        QVERIFY(!longPath.isEmpty() && !spacedPath.isEmpty());
        const qint64 longPid = spawn(longPath, {u"30"_s}).processId();
        const qint64 spacedPid = spawn(spacedPath, {u"30"_s}).processId();
        children.push_back(std::make_unique<QProcess>());
        QProcess &parent = *children.back();
        // The child outlives the shell's own moment to reap it: it ends under the exec'd sleep.
        parent.start(u"/bin/sh"_s, {u"-c"_s, u"sleep 0.5 & echo $!; exec sleep 30"_s});
        QVERIFY(parent.waitForReadyRead());
        const qint64 zombiePid = parent.readAllStandardOutput().trimmed().toLongLong();
        QTRY_COMPARE(stateOf(zombiePid), 'Z');

        const auto before = PSProcessSnapshotProvider().list();
        const auto ours = ProcFsProcessSnapshotProvider::list(ProcFsProcessSnapshotProvider::defaultRoot(),
                                                              withCommandLines);
        const auto after = PSProcessSnapshotProvider().list();
        QVERIFY(before && ours && after);
        const QHash<qint64, RunningProcess> listed = byPid(*ours);
        const QHash<qint64, RunningProcess> psBefore = byPid(*before);
        const QHash<qint64, RunningProcess> psAfter = byPid(*after);

        // Every process both list, and that stayed the same between the two ps runs (kernel workers
        // rename themselves as they work), has the same three fields.
        int compared = 0;
        for (const RunningProcess &process : *ours) {
            const auto ps = psBefore.constFind(process.pid);
            if (ps == psBefore.cend() || psAfter.value(process.pid) != *ps || !printable(process))
                continue;
            // ps reads command lines whole; past the bound only the beginning can agree.
            if (ps->commandLine.toUtf8().size() >= ProcFsProcessSnapshotProvider::commandLineBytes) {
                QVERIFY(ps->commandLine.startsWith(process.commandLine.chopped(1)));
                continue;
            }
            QCOMPARE(process, *ps);
            ++compared;
        }
        QVERIFY2(compared >= 5, qPrintable(u"compared %1 processes"_s.arg(compared)));

        QCOMPARE(listed.value(longPid).executableName, u"vigila-test-very-long-executable-name"_s);
        QCOMPARE(listed.value(spacedPid).executableName, u"Some Long Application Name Here"_s);
        QCOMPARE(listed.value(spacedPid).commandLine, spacedPath + u" 30"_s);
        QCOMPARE(listed.value(QCoreApplication::applicationPid()).executableName,
                 QFileInfo(QCoreApplication::applicationFilePath()).fileName());
        QVERIFY(!listed.contains(zombiePid));
        QVERIFY(!psBefore.contains(zombiePid));
        QVERIFY(listed.contains(parent.processId()));
    }

    void exitsAreReported()
    {
        PidfdExitWatcher watcher;
        QList<qint64> exited;
        watcher.onExit = [&exited](qint64 pid) { exited << pid; };
        const qint64 first = spawn(u"/bin/sleep"_s, {u"30"_s}).processId();
        QProcess &second = spawn(u"/bin/sleep"_s, {u"30"_s});
        const qint64 secondPid = second.processId();
        // Beyond any pid the kernel hands out: gone before it is watched.
        constexpr qint64 gone = 0x3FFFFFFF;
        watcher.watch({first, secondPid, gone});
        QCOMPARE(watcher.watchedCount(), 2);
        QTRY_COMPARE(exited, QList<qint64>{gone});

        second.kill();
        QTRY_COMPARE(exited, (QList<qint64>{gone, secondPid}));
        QCOMPARE(watcher.watchedCount(), 1);
        watcher.watch({});
        QCOMPARE(watcher.watchedCount(), 0);
    }

    void watchEndsWhenTheLastProcessExits()
    {
        // Polling only every 30 s: the release within the few seconds QTRY waits comes from the exit.
        const QTemporaryDir dir;
        const QString path = sleeper(dir, u"vigila-exit-%1"_s.arg(QCoreApplication::applicationPid()));
        QProcess &child = spawn(path, {u"30"_s});
        ManualClock clock;
        AssertionManager manager(std::make_shared<FakePowerAssertion>());
        ProcessWatcher watcher(&manager, std::make_unique<ProcFsProcessSnapshotProvider>(), clock,
                               std::make_unique<PidfdExitWatcher>());
        watcher.setRules({{QUuid::createUuid(), QFileInfo(path).fileName(), true, ProcessMatchMode::Exact}});
        watcher.setPollInterval(30);
        watcher.start();
        QTRY_COMPARE(manager.reasons().size(), 1);

        child.kill();
        QTRY_VERIFY(manager.reasons().isEmpty());
        QVERIFY(!manager.isAssertionActive());
    }
};

QTEST_GUILESS_MAIN(TestLinuxProcesses)
#include "tst_linux_processes.moc"
