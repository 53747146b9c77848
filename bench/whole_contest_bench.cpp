// A whole contest as a host works it: reset with Cabrillo output, then for every QSO the call
// check while the call is typed and the add when it is logged, then one result that writes the
// Cabrillo file.
#include "bench/registry.h"

#include <benchmark/benchmark.h>

#include <string>

namespace stats::bench {
namespace {

void wholeContest(benchmark::State& state, std::size_t size) {
    const std::vector<BenchQso> log = benchLog(size);
    BenchContest contest(true);
    int done = 0;
    for (auto _ : state) {
        contest.reset();
        for (const BenchQso& qso : log) {
            benchmark::DoNotOptimize(
                contest.check(qso.call.c_str(), qso.band.c_str(), qso.prefix.c_str()));
            contest.add(qso);
        }
        benchmark::DoNotOptimize(contest.result(&done));
    }
    if (done != -1) {
        state.SkipWithError("no Cabrillo output was written");
    }
}

} // namespace

void registerWholeContestBenchmarks() {
    for (const std::size_t size : {std::size_t{1'000}, std::size_t{100'000}}) {
        benchmark::RegisterBenchmark(("WholeContest/" + std::to_string(size)).c_str(),
                                     [size](benchmark::State& st) { wholeContest(st, size); })
            ->Unit(benchmark::kMillisecond)
            ->UseRealTime();
    }
}

} // namespace stats::bench
