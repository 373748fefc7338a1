#!/usr/bin/env bash
# Regenerates the committed artwork in this folder from make_assets.cpp.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(mktemp -d)
trap 'rm -rf "$build"' EXIT
g++ -std=c++20 -O2 -o "$build/make_assets" "$here/make_assets.cpp" -ljpeg -lpng
mkdir -p "$here/icons"
"$build/make_assets" "$here"
