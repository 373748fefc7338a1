#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and fuzzes each in turn:
#   scripts/fuzz.sh [SECONDS_PER_TARGET] [TARGET...]
# New inputs go to build/fuzz/corpus/TARGET (the committed seeds are read,
# never written); findings land in build/fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-900}
shift || true
targets=("$@")
if [[ ${#targets[@]} -eq 0 ]]; then
  targets=()
  for source in "$root"/fuzz/*_fuzzer.cpp; do
    targets+=("$(basename "$source" .cpp)")
  done
fi
"$root/scripts/install-deps.sh" test
cmake -S "$root" --preset fuzz >/dev/null
cmake --build "$root/build/fuzz" --target "${targets[@]}"
mkdir -p "$root/build/fuzz/findings"
for target in "${targets[@]}"; do
  work="$root/build/fuzz/corpus/$target"
  mkdir -p "$work"
  echo "== $target for ${seconds}s"
  "$root/build/fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=2048 \
    -timeout=10 -print_final_stats=1 \
    -artifact_prefix="$root/build/fuzz/findings/$target-" \
    "$work" "$root/fuzz/corpus/$target" 2>&1 | grep -E "^(stat::|#[0-9]+ +DONE|==[0-9]+==ERROR|SUMMARY)" || true
done
