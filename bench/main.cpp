// The benchmarks of the plug-in, driven through its exports as a host drives them.
#include "bench/registry.h"

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    stats::bench::ContestShelf shelf; // outlives every run that uses its contests
    stats::bench::registerCallBenchmarks(shelf);
    stats::bench::registerWholeContestBenchmarks();
    stats::bench::registerFloorBenchmarks();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
