#!/usr/bin/env bash
# The main job: builds the plug-in and its command-line host ubaspring, then scores the bundled
# sample log of a foreign 80m CW station and writes its Cabrillo file into build/out/.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-packages.sh cmake ninja-build g++ hamradio-files

cmake -S . -B build/run -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DSTATS_BUILD_TESTS=OFF >/dev/null
cmake --build build/run --target ubaspring -j2 >/dev/null

log=examples/dl2hbx-80m-cw.adi
out=build/out
rm -rf "$out" # a fresh contest folder, so that nothing of an earlier run changes the result
build/run/ubaspring score "$log" --dir "$out" --cabrillo --yes
echo
echo "Cabrillo file: $out/DL2HBX.cbr (error log: $out/err.txt)"
