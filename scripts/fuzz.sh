#!/usr/bin/env bash
# Builds the fuzz targets (preset "fuzz") and runs each in turn for a bounded time, under nice.
# Usage: scripts/fuzz.sh [seconds per target, default 30] [target...]
# Each target starts from its seeds in fuzz/corpus/<target> and keeps what it finds in
# build/fuzz/corpus/<target>; a crash leaves its input in build/fuzz/artifacts/<target>/ and
# makes the script fail. The last lines give executions and coverage per target.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-30}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(exports settings adif country)

# The exports target writes files at every input; a memory-backed folder keeps that quick.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
  export TMPDIR=/dev/shm
fi

cmake --preset fuzz >/dev/null
nice cmake --build --preset fuzz -j2 >/dev/null

summary=()
status=0
for target in "${targets[@]}"; do
  binary=$root/build/fuzz/fuzz/fuzz_$target
  if [ ! -x "$binary" ]; then
    summary+=("$(printf '%-9s not built' "$target")")
    continue
  fi
  corpus=$root/build/fuzz/corpus/$target
  artifacts=$root/build/fuzz/artifacts/$target
  log=$root/build/fuzz/$target.log
  mkdir -p "$corpus" "$artifacts"
  echo "fuzzing $target for ${seconds}s" >&2
  # Paths are absolute: the exports target works in a temporary folder of its own.
  if nice -n 10 "$binary" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$artifacts/" \
      "$corpus" "$root/fuzz/corpus/$target" >"$log" 2>&1; then
    result=ok
  else
    result=FAILED
    status=1
    tail -n 40 "$log" >&2
  fi
  executions=$(sed -n 's/^stat::number_of_executed_units: //p' "$log" | tail -n 1)
  coverage=$(grep -E '^#[0-9]+' "$log" | tail -n 1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)
  summary+=("$(printf '%-9s %-6s execs: %-9s %s' "$target" "$result" "${executions:-?}" "$coverage")")
done
printf '%s\n' "${summary[@]}"
exit $status
