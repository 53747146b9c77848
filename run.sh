#!/usr/bin/env bash
# Builds the plug-in and shows that a host can load it.
set -euo pipefail
cd "$(dirname "$0")"
scripts/ensure-packages.sh cmake ninja-build g++
cmake --preset default >/dev/null
cmake --build --preset default --target Stats >/dev/null
python3 - <<'PY'
import ctypes
lib = ctypes.CDLL("build/default/Stats.so")
lib.GetSetName.restype = ctypes.c_char_p
lib.GetResult0.restype = ctypes.c_char_p
print(lib.GetSetName(0).decode())
print(lib.GetResult0(ctypes.byref(ctypes.c_int(0))).decode())
PY
