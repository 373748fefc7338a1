#!/usr/bin/env bash
# Installs what is missing, builds Pelorine twice (optimised with warnings as
# errors, and under AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# every test in both: unit, widget, fuzz-corpus replays and end-to-end.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
cd "$root"
scripts/install-deps.sh test
for preset in ci asan; do
  echo "== $preset build"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset" -j "$(nproc)"
  echo "== $preset tests"
  ctest --preset "$preset" -j "$(nproc)"
done
