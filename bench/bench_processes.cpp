// Process watching: parsing and matching a large synthetic listing, and real snapshots of this
// machine. Real runs also report the CPU time of the two ps children (ps_cpu_ms), which the
// benchmark's own CPU time does not include. On a busy machine, run with
// --benchmark_repetitions=10 and read the "min" rows.

#include "NullPowerAssertion.h"
#include "power/AssertionManager.h"
#include "processes/PSProcessSnapshotProvider.h"
#include "processes/ProcessMatching.h"
#include "processes/ProcessWatcher.h"
#include "utilities/Clock.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include <sys/resource.h>

using namespace Qt::StringLiterals;

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

void BM_RealSnapshot(benchmark::State &state)
{
    PSProcessSnapshotProvider provider;
    qsizetype processes = 0;
    const double childrenBefore = childrenCpuSeconds();
    for (auto _ : state)
        processes = provider.snapshot().size();
    state.counters["processes"] = double(processes);
    state.counters["ps_cpu_ms"] =
        (childrenCpuSeconds() - childrenBefore) * 1000.0 / double(state.iterations());
}
BENCHMARK(BM_RealSnapshot)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", minimum);

// One whole poll of this machine's processes against 20 rules, as the watcher's timer runs it.
void BM_RealPoll(benchmark::State &state)
{
    SystemClock clock;
    AssertionManager manager(std::make_shared<NullPowerAssertion>());
    ProcessWatcher watcher(&manager, std::make_unique<PSProcessSnapshotProvider>(), clock);
    watcher.setRules(twentyRules());
    const double childrenBefore = childrenCpuSeconds();
    for (auto _ : state)
        watcher.poll();
    state.counters["ps_cpu_ms"] =
        (childrenCpuSeconds() - childrenBefore) * 1000.0 / double(state.iterations());
    state.counters["processes"] = double(PSProcessSnapshotProvider().snapshot().size());
}
BENCHMARK(BM_RealPoll)->Unit(benchmark::kMillisecond)->UseRealTime()->ComputeStatistics("min", minimum);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
