#!/usr/bin/env bash
# Makes docs/screenshot.png: the window under a private Xvfb, after a picture
# was opened, scaled to fit and cut into tiles, all done with xdotool as a
# person would. Usage: scripts/screenshot.sh [PATH_TO_PELORINE]; without a
# path it builds the release preset first.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/scripts/install-deps.sh" test
if ! command -v import >/dev/null; then
  sudo_prefix=()
  [[ $(id -u) -ne 0 ]] && sudo_prefix=(sudo)
  "${sudo_prefix[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq \
    --no-install-recommends imagemagick
fi

program=${1:-}
if [[ -z $program ]]; then
  cmake -S "$root" --preset release -DPELORINE_BUILD_TESTS=OFF >/dev/null
  cmake --build "$root/build/release" --target pelorine
  program="$root/build/release/app/pelorine"
fi

# shellcheck source=SCRIPTDIR/../tests/e2e/lib.sh
source "$root/tests/e2e/lib.sh"
e2e_begin "$program"

# A landscape twice as wide as high: sky, sun and hills, larger than the
# preview so that scaling shows.
picture="$E2E_WORK/landscape"
LC_ALL=C awk 'BEGIN {
  width = 800; height = 400
  printf "P6\n%d %d\n255\n", width, height
  for (y = 0; y < height; ++y) {
    for (x = 0; x < width; ++x) {
      far = 250 + 35 * sin(x / 90) + 15 * sin(x / 23)
      near = 320 + 30 * sin(x / 140 + 2) + 8 * sin(x / 31)
      sun = sqrt((x - 560) ^ 2 + (y - 150) ^ 2)
      if (y > near) {
        r = 40; g = 110 + (y - near) / 3; b = 50
      } else if (y > far) {
        r = 70; g = 120; b = 140
      } else if (sun < 55) {
        r = 255; g = 240; b = 170
      } else {
        glow = sun < 160 ? (160 - sun) / 160 : 0
        r = 60 + 190 * y / height + 80 * glow
        g = 110 + 60 * y / height + 60 * glow
        b = 210 - 60 * y / height
      }
      printf "%c%c%c", (r > 255 ? 255 : r), (g > 255 ? 255 : g), b
    }
  }
}' >"$picture.ppm"
cjpeg -quality 92 "$picture.ppm" >"$picture.jpg"

e2e_start_program "$E2E_WORK"
e2e_select_picture "$picture.jpg"
e2e_show_scaled
e2e_cut_tiles
# Off the window, so that no label is shown hovered.
xdotool mousemove 0 0
sleep 0.5
mkdir -p "$root/docs"
import -window "$E2E_WINDOW" "$root/docs/screenshot.png"
echo "wrote $root/docs/screenshot.png"
