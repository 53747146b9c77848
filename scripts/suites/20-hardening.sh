#!/usr/bin/env bash
# The plug-in must never crash, leak or corrupt its host: every test under AddressSanitizer and
# UndefinedBehaviorSanitizer (with leak checks), every test under valgrind memcheck, and each
# fuzz target for 30 seconds.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
scripts/ensure-packages.sh cmake ninja-build g++ libgtest-dev libgmock-dev tmux clang \
  libclang-rt-14-dev valgrind

started=$SECONDS
step() { echo "--- $1 ($((SECONDS - started))s)" >&2; }

step "sanitizers: build and ctest under the asan preset"
cmake --preset asan >/dev/null
cmake --build --preset asan -j2
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1 \
  UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
  ctest --preset asan

step "valgrind memcheck: every test program of the default build"
cmake --preset default >/dev/null
cmake --build --preset default -j2
# One valgrind per program rather than per test case: the same tests, a fraction of the start-up
# cost. Any error, leak or failed test makes the program exit non-zero.
failed=0
mkdir -p build/default/valgrind
while IFS= read -r program; do
  log=$root/build/default/valgrind/$(basename "$program").log
  echo "valgrind ${program#"$root"/}" >&2
  if ! (cd "$(dirname "$program")" &&
    valgrind -q --error-exitcode=1 --leak-check=full \
      "$program" >"$log" 2>&1); then
    grep -E '^==[0-9]+==|FAILED|Failure' "$log" | head -n 60 >&2 || true
    echo "FAILED under valgrind: $program (log: $log)" >&2
    failed=1
  fi
done < <(find "$root/build/default/tests" -mindepth 2 -maxdepth 2 -type f -executable \
  -name '*_test*' | sort)
[ "$failed" -eq 0 ]

step "fuzz targets, 30 seconds each"
scripts/fuzz.sh 30

step "done"
