#pragma once

#include "bench/bench_contest.h"

#include <array>
#include <cstddef>

// The benchmark groups. Each registers its benchmarks under names that end in the log size, so
// that a filter such as "/1000$" picks the small runs.
namespace stats::bench {

inline constexpr std::array<std::size_t, 3> kLogSizes = {1'000, 10'000, 100'000};

// AddData0, CheckCall0, RemoveData0 and GetResult0 on logs of every size.
void registerCallBenchmarks(ContestShelf& shelf);
// Reset, the QSOs with a call check each, and one result with Cabrillo output.
void registerWholeContestBenchmarks();
// The file work intake must do, done by a plain loop of the platform calls.
void registerFloorBenchmarks();

} // namespace stats::bench
