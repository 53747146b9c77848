#!/usr/bin/env bash
# The benchmarks, built in Release and run briefly on the smallest log, so that they keep
# building and running. Figures worth reading come from longer runs (README, "Performance").
set -euo pipefail
scripts/ensure-packages.sh cmake ninja-build g++ libbenchmark-dev
cmake --preset bench
cmake --build --preset bench --target stats_bench --parallel 2
output=$(build/bench/bench/stats_bench --benchmark_filter='/1000/|^Floor' --benchmark_min_time=0.01)
echo "$output"
# A benchmark that finds the plug-in answering otherwise than it expects reports an error but
# still exits 0.
if grep -q 'ERROR OCCURRED' <<<"$output"; then
  echo "a benchmark reported an error" >&2
  exit 1
fi
