// Process watching under load, on this machine's real /proc:
// - the worst stall of the main thread (the longest gap between turns of its event loop, less the
//   1 ms tick that measures it) while a rule matches 500 processes and a poll runs every second;
//   the same with the listing read on the main thread, as polls used to, for comparison;
// - the descriptors the watcher holds with 5 000 matched processes, for one broad rule and for
//   1 000 rules of 5 processes each.
// Not a Google Benchmark: it runs for a set time. process_load [seconds, default 120] [stall]

#include "NullPowerAssertion.h"
#include "linux/PidfdExitWatcher.h"
#include "linux/ProcFsProcessSnapshotProvider.h"
#include "power/AssertionManager.h"
#include "processes/ProcessMatching.h"
#include "processes/ProcessWatcher.h"
#include "utilities/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <csignal>
#include <ctime>

using namespace Qt::StringLiterals;

namespace {

// Children running the named copy of sleep, each with its argument; their pids.
QList<qint64> spawn(const QString &program, int count, int perGroup)
{
    QProcess shell;
    const QString script = u"i=0; while [ $i -lt %1 ]; do \"$0\" $(printf '6000.%04d1' $((i / %2))) & "
                           u"echo $!; i=$((i + 1)); done"_s.arg(count)
                               .arg(perGroup);
    shell.start(u"/bin/sh"_s, {u"-c"_s, script, program});
    shell.waitForFinished(600000);
    QList<qint64> pids;
    for (const QByteArray &line : shell.readAllStandardOutput().split('\n')) {
        if (!line.isEmpty())
            pids.append(line.toLongLong());
    }
    // Until each has become the program: a listing sees the shell's copy for a moment.
    const QByteArray name = QFile::encodeName(QFileInfo(program).fileName()) + '\n';
    for (const qint64 pid : std::as_const(pids)) {
        for (int tries = 0; tries < 1000; ++tries) {
            QFile comm(u"/proc/%1/comm"_s.arg(pid));
            if (comm.open(QIODevice::ReadOnly) && comm.readAll() == name)
                break;
            QThread::usleep(1000);
        }
    }
    return pids;
}

void killAll(const QList<qint64> &pids)
{
    for (const qint64 pid : pids)
        ::kill(pid_t(pid), SIGKILL);
}

qsizetype openDescriptors()
{
    return QDir(u"/proc/self/fd"_s).entryList(QDir::Files | QDir::System | QDir::NoDotAndDotDot).size();
}

struct Stall {
    qint64 longestMs = 0;
    qint64 turns = 0;
    int polls = 0;
    // Gaps of more than 16 ms: a frame or more of the tray's menu.
    qint64 longGaps = 0;
    // The longest time one poll itself held the main thread, where the poll is run here.
    qint64 longestPollUs = 0;
    // CPU time of the main thread alone over the whole run: unlike the gaps, not inflated by a
    // busy machine.
    qint64 mainThreadCpuUs = 0;
};

qint64 threadCpuMicroseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000 + now.tv_nsec / 1000;
}

// Turns the event loop for the given time with a 1 ms tick, recording the longest gap.
Stall measure(int seconds, const std::function<void()> &everySecond)
{
    Stall stall;
    QElapsedTimer sinceTick;
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 gap = sinceTick.restart() - 1;
        stall.longestMs = std::max(stall.longestMs, gap);
        stall.longGaps += gap > 16 ? 1 : 0;
        ++stall.turns;
    });
    QTimer second;
    if (everySecond) {
        QObject::connect(&second, &QTimer::timeout, [&] {
            QElapsedTimer poll;
            poll.start();
            everySecond();
            stall.longestPollUs = std::max(stall.longestPollUs, poll.nsecsElapsed() / 1000);
            ++stall.polls;
        });
        second.start(1000);
    }
    QEventLoop loop;
    QTimer::singleShot(seconds * 1000, &loop, &QEventLoop::quit);
    const qint64 cpuBefore = threadCpuMicroseconds();
    sinceTick.start();
    tick.start(1);
    loop.exec();
    stall.mainThreadCpuUs = threadCpuMicroseconds() - cpuBefore;
    return stall;
}

ProcessRule containsRule(const QString &text)
{
    return {QUuid::createUuid(), text, true, ProcessMatchMode::Contains};
}

void waitForPoll(ProcessWatcher &watcher)
{
    if (!watcher.isListing())
        return;
    QEventLoop loop;
    QObject::connect(&watcher, &ProcessWatcher::matchCountsChanged, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    const int seconds = argc > 1 ? std::max(1, QByteArray(argv[1]).toInt()) : 120;
    // "stall" measures the stall alone.
    const bool descriptors = argc <= 2 || QByteArray(argv[2]) != "stall";
    const QTemporaryDir dir;
    const QString program = dir.filePath(u"vigila-load"_s);
    if (!QFile::copy(u"/bin/sleep"_s, program) ||
        !QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner)) {
        std::fprintf(stderr, "cannot copy /bin/sleep\n");
        return 1;
    }
    SystemClock clock;

    // The stall, with a rule matching 500 processes polled every second.
    {
        const QList<qint64> pids = spawn(program, 500, 1);
        AssertionManager manager(std::make_shared<NullPowerAssertion>());
        ProcessWatcher watcher(&manager, std::make_unique<ProcFsProcessSnapshotProvider>(), clock,
                               std::make_unique<PidfdExitWatcher>());
        const ProcessRule rule = containsRule(u"vigila-load 6000."_s);
        watcher.setRules({rule});
        watcher.setPollInterval(1);
        int polls = 0;
        QObject::connect(&watcher, &ProcessWatcher::matchCountsChanged, [&polls] { ++polls; });
        watcher.start();
        waitForPoll(watcher);
        const int matched = watcher.matchCounts().value(rule.id);
        // What the loop itself, the tick and the machine cost, with no poll at all.
        watcher.stop();
        const int idleSeconds = std::max(10, seconds / 4);
        const Stall idle = measure(idleSeconds, {});
        std::printf("main-thread stall, no polls (the machine's own noise): longest %lld ms over %d s, "
                    "%lld gaps over 16 ms, main thread CPU %lld ms\n",
                    idle.longestMs, idleSeconds, idle.longGaps, idle.mainThreadCpuUs / 1000);
        polls = 0;
        watcher.start();
        const Stall listingOnAThread = measure(seconds, {});
        watcher.stop();
        std::printf(
            "main-thread stall, listing on its thread: longest %lld ms over %d s, %lld gaps over 16 ms, "
            "%d polls, %d processes matched, main thread CPU %lld ms\n",
            listingOnAThread.longestMs, seconds, listingOnAThread.longGaps, polls, matched,
            listingOnAThread.mainThreadCpuUs / 1000);

        const QList<ProcessRule> rules{rule};
        const int hereSeconds = std::max(10, seconds / 4);
        const Stall listingHere = measure(hereSeconds, [&rules] {
            const auto listing = ProcFsProcessSnapshotProvider::list(
                ProcFsProcessSnapshotProvider::defaultRoot(), ProcessSnapshotProviding::Detail::CommandLines);
            if (listing)
                ProcessMatching::countMatches(rules, *listing);
        });
        std::printf("main-thread stall, listing on the main thread (as before): longest %lld ms over %d s, "
                    "%lld gaps over 16 ms, %d polls, longest poll %lld us, main thread CPU %lld ms\n",
                    listingHere.longestMs, hereSeconds, listingHere.longGaps, listingHere.polls,
                    listingHere.longestPollUs, listingHere.mainThreadCpuUs / 1000);
        killAll(pids);
    }

    // Descriptors with 5 000 matched processes, in groups of 5 by their argument.
    if (descriptors) {
        QElapsedTimer started;
        started.start();
        const QList<qint64> pids = spawn(program, 5000, 5);
        std::printf("started %lld processes in %lld ms\n", qint64(pids.size()), started.elapsed());
        QList<ProcessRule> narrow;
        for (int group = 0; group < 1000; ++group)
            narrow.append(containsRule(u"6000.%1"_s.arg(group, 4, 10, QChar(u'0')) + u'1'));
        const QList<std::pair<const char *, QList<ProcessRule>>> shapes{
            {"one rule matching all", {containsRule(u"vigila-load 6000."_s)}}, {"1 000 rules of 5", narrow}};
        for (const auto &[shape, rules] : shapes) {
            const qsizetype before = openDescriptors();
            AssertionManager manager(std::make_shared<NullPowerAssertion>());
            auto exits = std::make_unique<PidfdExitWatcher>();
            const PidfdExitWatcher *exitWatcher = exits.get();
            ProcessWatcher watcher(&manager, std::make_unique<ProcFsProcessSnapshotProvider>(), clock,
                                   std::move(exits));
            watcher.setRules(rules);
            QElapsedTimer listing;
            listing.start();
            watcher.start();
            waitForPoll(watcher);
            const qint64 listingMs = listing.elapsed();
            int matched = 0;
            for (const int count : watcher.matchCounts())
                matched += count;
            std::printf(
                "%s: %d processes matched, %lld watched, %lld descriptors more (first poll %lld ms)\n", shape,
                matched, qint64(exitWatcher->watchedCount()), qint64(openDescriptors() - before), listingMs);
            watcher.stop();
        }
        killAll(pids);
    }
    return 0;
}
