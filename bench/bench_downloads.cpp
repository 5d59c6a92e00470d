// Download watching in a crowded folder: 10 000 ordinary files beside a few partial ones. The
// periodic size check (the goal: at most 1 ms) and a full reading of the folder, which only a
// change to its entries brings about. On a busy machine, run with --benchmark_repetitions=10 and
// read the "min" rows.

#include "BenchmarkMain.h"
#include "triggers/FolderDownloadSource.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int ordinaryFiles = 10000;
constexpr int partialFiles = 5;

double minimum(const std::vector<double> &values)
{
    return values.empty() ? 0.0 : *std::min_element(values.cbegin(), values.cend());
}

struct CrowdedFolder {
    QTemporaryDir dir;
    QStringList partials;

    CrowdedFolder()
    {
        for (int i = 0; i < ordinaryFiles; ++i) {
            QFile file(dir.filePath(u"photo-%1.jpg"_s.arg(i)));
            if (file.open(QIODevice::WriteOnly))
                file.write("x");
        }
        for (int i = 0; i < partialFiles; ++i) {
            partials.append(u"download-%1.iso.part"_s.arg(i));
            QFile file(dir.filePath(partials.last()));
            if (file.open(QIODevice::WriteOnly))
                file.write("partial");
        }
    }
};

const CrowdedFolder &crowdedFolder()
{
    static const CrowdedFolder folder;
    return folder;
}

void BM_SizeCheck(benchmark::State &state)
{
    const CrowdedFolder &folder = crowdedFolder();
    for (auto _ : state) {
        const auto reading = FolderDownloadSource::readSizes(folder.dir.path(), folder.partials);
        benchmark::DoNotOptimize(reading.files.size());
    }
    state.counters["files"] = ordinaryFiles + partialFiles;
}
BENCHMARK(BM_SizeCheck)->Unit(benchmark::kMicrosecond)->ComputeStatistics("min", minimum);

void BM_FolderReading(benchmark::State &state)
{
    const CrowdedFolder &folder = crowdedFolder();
    const QStringList patterns = FolderDownloadSource::defaultPatterns();
    qsizetype found = 0;
    for (auto _ : state) {
        const auto reading = FolderDownloadSource::readFolder(folder.dir.path(), patterns);
        found = reading.files.size();
        benchmark::DoNotOptimize(found);
    }
    state.counters["files"] = ordinaryFiles + partialFiles;
    state.counters["partials"] = double(found);
}
BENCHMARK(BM_FolderReading)->Unit(benchmark::kMillisecond)->ComputeStatistics("min", minimum);

} // namespace

int main(int argc, char **argv)
{
    return runBenchmarks<QCoreApplication>(argc, argv);
}
