#!/usr/bin/env bash
# Installs the Debian packages Pelorine needs. With "run" it installs what
# building and running need; with "test" also what the test suite needs.
# Does nothing when everything is already there.
set -euo pipefail

run_packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev libjpeg62-turbo-dev libgif-dev libpng-dev
  fonts-wqy-microhei
)
test_packages=(
  libgtest-dev clang libclang-rt-14-dev
  xvfb xauth xdotool x11-utils libjpeg-turbo-progs
)

wanted=("${run_packages[@]}")
if [[ "${1:-run}" == "test" ]]; then
  wanted+=("${test_packages[@]}")
fi

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

sudo_prefix=()
if [[ $(id -u) -ne 0 ]]; then
  sudo_prefix=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo_prefix[@]}" apt-get update -qq
DEBIAN_FRONTEND=noninteractive "${sudo_prefix[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
