#pragma once

#include <benchmark/benchmark.h>

// Runs the benchmarks registered in this program inside a Qt application of the given kind, which
// lives as long as they run.
template <typename Application>
int runBenchmarks(int argc, char **argv)
{
    Application app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
