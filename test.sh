#!/usr/bin/env bash
# Runs every test: each suite in scripts/suites/, in order. Installs what is missing first.
set -euo pipefail
cd "$(dirname "$0")"
status=0
for suite in scripts/suites/*.sh; do
  echo "=== ${suite}" >&2
  bash "$suite" || { echo "FAILED: ${suite}" >&2; status=1; }
done
exit $status
