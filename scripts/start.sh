#!/usr/bin/env bash
# Installs what is missing, builds Pelorine and starts it.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [[ -z "${DISPLAY:-}" && -z "${WAYLAND_DISPLAY:-}" ]]; then
  echo "pelorine: no display to show the window on (DISPLAY is not set)" >&2
  exit 1
fi
"$root/scripts/install-deps.sh" run
cmake -S "$root" --preset release -DPELORINE_BUILD_TESTS=OFF >/dev/null
cmake --build "$root/build/release" --target pelorine
exec "$root/build/release/app/pelorine"
