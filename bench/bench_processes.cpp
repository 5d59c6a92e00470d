// Process watching: parsing and matching a large synthetic listing; snapshots of this machine read
// from /proc (the goal: at most 1 ms of CPU per 100 processes) and, to compare, from ps; a synthetic
// /proc tree of 3000 processes (the goal: at most 30 ms); and the delay from a watched process's
// exit to the removal of its reason (the goal: at most 100 ms). ps runs also report the CPU time
// of the ps children (ps_cpu_ms), which the benchmark's own CPU time does not include. On a busy
// machine, run with --benchmark_repetitions=10 and read the "min" rows.

#include "BenchmarkMain.h"
#include "NullPowerAssertion.h"
#include "linux/PidfdExitWatcher.h"
#include "linux/ProcFsProcessSnapshotProvider.h"
#include "power/AssertionManager.h"
#include "processes/PSProcessSnapshotProvider.h"
#include "processes/ProcessMatching.h"
#include "processes/ProcessWatcher.h"
#include "utilities/Clock.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QtCore/qtestsupport_core.h>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <numeric>
#include <vector>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

constexpr auto withCommandLines = ProcessSnapshotProviding::Detail::CommandLines;

namespace {

constexpr int syntheticProcessCount = 10000;

// Two listings as procps prints them: kernel threads, ordinary programs, names the kernel cut to
// 15 bytes (with long, browser-like arguments) and interpreters running scripts.
std::pair<QString, QString> syntheticListings()
{
    QString tasks;
    QString commands;
    for (int pid = 1; pid <= syntheticProcessCount; ++pid) {
        const QString id = QString::number(pid);
        QString task;
        QString command;
        switch (pid % 10) {
        case 0:
            task = u"kworker/"_s + id + u":1-events"_s;
            command = u'[' + task + u']';
            break;
        case 1:
        case 2:
            task = u"Application-Hel"_s;
            command = u"/opt/Vendor/Application-Helper-"_s + id + u" --type=renderer --lang=en-US "_s +
                      u"--field-trial-handle=1718379636,r,2839012,131072 --enable-features=Vaapi "_s +
                      u"--shared-files=v8_context_snapshot_data:100 --variations-seed-version"_s;
            break;
        case 3:
            task = u"python3"_s;
            command = u"/usr/bin/python3 /home/ann/Projects/Tool/script-"_s + id + u".py --Verbose"_s;
            break;
        default:
            task = u"proc-"_s + id;
            command =
                u"/usr/lib/x86_64-linux-gnu/libexec/proc-"_s + id + u" --option=value /home/ann/file.txt"_s;
            break;
        }
        const QString pidColumn = id.rightJustified(7);
        tasks += pidColumn + u' ' + task + u'\n';
        commands += pidColumn + u' ' + command + u'\n';
    }
    return {tasks, commands};
}

QList<ProcessRule> twentyRules()
{
    const QStringList exact{
        u"claude"_s,    u"node"_s,   u"python3"_s,   u"docker"_s, u"rsync"_s,
        u"proc-4242"_s, u"pytest"_s, u"Proc-9999"_s, u"bun"_s,    u"Application-Helper-51"_s};
    const QStringList contains{u"claude"_s,      u"server.js"_s,  u"script-77.py"_s, u"--verbose"_s,
                               u"npm exec"_s,    u"playwright"_s, u"/opt/vendor/"_s, u"proc-1234 "_s,
                               u"field-trial"_s, u"xcodebuild"_s};
    QList<ProcessRule> rules;
    for (const QString &name : exact)
        rules.append({QUuid::createUuid(), name, true, ProcessMatchMode::Exact});
    for (const QString &name : contains)
        rules.append({QUuid::createUuid(), name, true, ProcessMatchMode::Contains});
    return rules;
}

double minimum(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::min_element(values.cbegin(), values.cend());
}

double childrenCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

void BM_ParseSynthetic(benchmark::State &state)
{
    const auto [tasks, commands] = syntheticListings();
    for (auto _ : state)
        benchmark::DoNotOptimize(PSProcessSnapshotProvider::parse(tasks, commands));
    state.counters["processes"] = syntheticProcessCount;
}
BENCHMARK(BM_ParseSynthetic)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

void BM_MatchSynthetic(benchmark::State &state)
{
    const auto [tasks, commands] = syntheticListings();
    const QList<RunningProcess> processes = PSProcessSnapshotProvider::parse(tasks, commands);
    const QList<ProcessRule> rules = twentyRules();
    for (auto _ : state)
        benchmark::DoNotOptimize(ProcessMatching::countMatches(rules, processes));
    const QList<int> counts = ProcessMatching::countMatches(rules, processes);
    state.counters["matches"] = std::accumulate(counts.cbegin(), counts.cend(), 0);
}
BENCHMARK(BM_MatchSynthetic)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

// The goal: parse + match of 10 000 processes against 20 rules in at most 2 ms.
void BM_ParseAndMatchSynthetic(benchmark::State &state)
{
    const auto [tasks, commands] = syntheticListings();
    const QList<ProcessRule> rules = twentyRules();
    for (auto _ : state) {
        const QList<RunningProcess> processes = PSProcessSnapshotProvider::parse(tasks, commands);
        benchmark::DoNotOptimize(ProcessMatching::countMatches(rules, processes));
    }
}
BENCHMARK(BM_ParseAndMatchSynthetic)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

// The same matching through ProcessRule::matchCount, which lower-cases per process.
void BM_MatchSyntheticPerRule(benchmark::State &state)
{
    const auto [tasks, commands] = syntheticListings();
    const QList<RunningProcess> processes = PSProcessSnapshotProvider::parse(tasks, commands);
    const QList<ProcessRule> rules = twentyRules();
    for (auto _ : state) {
        qsizetype total = 0;
        for (const ProcessRule &rule : rules)
            total += rule.matchCount(processes);
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_MatchSyntheticPerRule)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

double processCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

QList<RunningProcess> listed(const QString &root = ProcFsProcessSnapshotProvider::defaultRoot(),
                             ProcessSnapshotProviding::Detail detail = withCommandLines)
{
    return ProcFsProcessSnapshotProvider::list(root, detail).value_or(QList<RunningProcess>());
}

// Turns the event loop until the watcher's poll in progress has applied its listing.
void finishPoll(ProcessWatcher &watcher)
{
    if (!watcher.isListing())
        return;
    QEventLoop loop;
    QObject::connect(&watcher, &ProcessWatcher::matchCountsChanged, &loop, &QEventLoop::quit);
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
}

// One snapshot of this machine from /proc, as a poll takes it: with command lines while a rule
// searches them (range 1), names alone otherwise (range 0).
void BM_ProcFsSnapshot(benchmark::State &state)
{
    const auto detail = state.range(0) == 1 ? withCommandLines : ProcessSnapshotProviding::Detail::Names;
    qsizetype processes = 0;
    const double cpuBefore = processCpuSeconds();
    for (auto _ : state)
        processes = listed(ProcFsProcessSnapshotProvider::defaultRoot(), detail).size();
    const double cpuMs = (processCpuSeconds() - cpuBefore) * 1000.0 / double(state.iterations());
    state.counters["processes"] = double(processes);
    state.counters["cpu_ms_per_100"] = cpuMs * 100.0 / double(std::max<qsizetype>(processes, 1));
}
BENCHMARK(BM_ProcFsSnapshot)
    ->Arg(1)
    ->Arg(0)
    ->Unit(benchmark::kMillisecond)
    ->ComputeStatistics("min", minimum);

// The same machine through two runs of ps, as the listing was taken before.
void BM_PsSnapshot(benchmark::State &state)
{
    PSProcessSnapshotProvider provider;
    qsizetype processes = 0;
    const double childrenBefore = childrenCpuSeconds();
    for (auto _ : state)
        processes = provider.list().value_or(QList<RunningProcess>()).size();
    state.counters["processes"] = double(processes);
    state.counters["ps_cpu_ms"] =
        (childrenCpuSeconds() - childrenBefore) * 1000.0 / double(state.iterations());
}
BENCHMARK(BM_PsSnapshot)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", minimum);

constexpr int syntheticProcDirs = 3000;

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// A /proc tree with the mix of syntheticListings(): kernel threads, programs, names cut to 15 bytes
// with long arguments, interpreters running scripts.
bool writeSyntheticProc(const QString &root)
{
    for (int pid = 1; pid <= syntheticProcDirs; ++pid) {
        const QByteArray id = QByteArray::number(pid);
        const QString dir = root + u'/' + QString::number(pid);
        if (!QDir().mkpath(dir))
            return false;
        QByteArray comm;
        QByteArray cmdline;
        // The flags of a kernel thread, and of a program.
        QByteArray flags = "4194560";
        switch (pid % 10) {
        case 0:
            comm = "kworker/" + id + ":1-events";
            flags = "69238880";
            break;
        case 1:
        case 2:
            comm = "Application-Hel";
            cmdline = "/opt/Vendor/Application-Helper-" + id +
                      "\0--type=renderer\0--lang=en-US\0"_ba
                      "--field-trial-handle=1718379636,r,2839012,131072\0--enable-features=Vaapi\0"_ba;
            break;
        case 3:
            comm = "python3";
            cmdline = "/usr/bin/python3\0/home/ann/Projects/Tool/script-"_ba + id + ".py\0--Verbose\0"_ba;
            break;
        default:
            comm = "proc-" + id;
            cmdline =
                "/usr/lib/x86_64-linux-gnu/libexec/proc-" + id + "\0--option=value\0/home/ann/file.txt\0"_ba;
            break;
        }
        const QByteArray stat =
            id + " (" + comm + ") S 1 1 1 0 -1 " + flags + " 0 0 0 0 0 0 0 0 20 0 1 0 40 0 0\n";
        if (!writeFile(dir + u"/stat"_s, stat) || !writeFile(dir + u"/cmdline"_s, cmdline))
            return false;
    }
    return true;
}

void BM_ProcFsSyntheticSnapshot(benchmark::State &state)
{
    // In memory, as /proc is, where there is a tmpfs to hold it: a disk file system's open is slower.
    const QTemporaryDir root(QDir(u"/dev/shm"_s).exists() ? u"/dev/shm/vigila-bench-XXXXXX"_s : QString());
    if (!root.isValid() || !writeSyntheticProc(root.path())) {
        state.SkipWithError("cannot write the synthetic /proc tree");
        return;
    }
    qsizetype processes = 0;
    for (auto _ : state)
        processes = listed(root.path()).size();
    state.counters["processes"] = double(processes);
}
BENCHMARK(BM_ProcFsSyntheticSnapshot)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

// One whole poll of this machine's processes against 20 rules, as the watcher's timer runs it: the
// listing on its thread, then the matching.
void BM_RealPoll(benchmark::State &state)
{
    SystemClock clock;
    AssertionManager manager(std::make_shared<NullPowerAssertion>());
    ProcessWatcher watcher(&manager, std::make_unique<ProcFsProcessSnapshotProvider>(), clock);
    watcher.setRules(twentyRules());
    for (auto _ : state) {
        watcher.poll();
        finishPoll(watcher);
    }
    state.counters["processes"] = double(listed().size());
}
BENCHMARK(BM_RealPoll)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

// QProcess sees a child start a moment before the kernel gives it its new name.
bool hasExeced(qint64 pid)
{
    return QTest::qWaitFor([pid] {
        QFile comm(u"/proc/%1/comm"_s.arg(pid));
        return comm.open(QIODevice::ReadOnly) && comm.readAll() == "vigila-bench-ex\n";
    });
}

// From the kill of the one process a rule matches to the removal of the rule's reason, with the
// default 5 s poll: the exit, not the timer, ends the watch.
void BM_ExitToRelease(benchmark::State &state)
{
    const QTemporaryDir dir;
    const QString program = dir.filePath(u"vigila-bench-exit"_s);
    if (!QFile::copy(u"/bin/sleep"_s, program) ||
        !QFile::setPermissions(program, QFile::ReadOwner | QFile::ExeOwner)) {
        state.SkipWithError("cannot copy /bin/sleep");
        return;
    }
    SystemClock clock;
    AssertionManager manager(std::make_shared<NullPowerAssertion>());
    ProcessWatcher watcher(&manager, std::make_unique<ProcFsProcessSnapshotProvider>(), clock,
                           std::make_unique<PidfdExitWatcher>());
    watcher.setRules({{QUuid::createUuid(), u"vigila-bench-exit"_s, true, ProcessMatchMode::Exact}});
    std::vector<double> delays;
    for (auto _ : state) {
        QProcess child;
        child.start(program, {u"60"_s});
        if (!child.waitForStarted() || !hasExeced(child.processId())) {
            state.SkipWithError("cannot start the watched process");
            return;
        }
        watcher.start();
        finishPoll(watcher);
        if (manager.reasons().size() != 1) {
            state.SkipWithError("the watched process was not matched");
            return;
        }
        QEventLoop loop;
        QObject::connect(&manager, &AssertionManager::reasonsChanged, &loop, [&] {
            if (manager.reasons().isEmpty())
                loop.quit();
        });
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        const auto killed = std::chrono::steady_clock::now();
        child.kill();
        loop.exec();
        const std::chrono::duration<double> delay = std::chrono::steady_clock::now() - killed;
        if (!manager.reasons().isEmpty()) {
            state.SkipWithError("the reason outlived its process by 10 s");
            return;
        }
        state.SetIterationTime(delay.count());
        delays.push_back(delay.count() * 1000.0);
        watcher.stop();
        child.waitForFinished();
    }
    state.counters["max_ms"] = delays.empty() ? 0.0 : *std::max_element(delays.cbegin(), delays.cend());
}
BENCHMARK(BM_ExitToRelease)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(50)
    ->ComputeStatistics("min", minimum);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
