#!/usr/bin/env bash
# The plug-in, the command-line host and their tests, built and run on Linux.
set -euo pipefail
scripts/ensure-packages.sh cmake ninja-build g++ libgtest-dev libgmock-dev tmux
cmake --preset default
cmake --build --preset default
ctest --preset default
