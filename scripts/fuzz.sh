#!/usr/bin/env bash
# Builds the libFuzzer targets with clang into build-fuzz/ and runs each for a bounded time
# (FUZZ_SECONDS, default 45) from the seed corpus in fuzz/corpus/. Any crash fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
seconds=${FUZZ_SECONDS:-45}
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DDRELMIKS_FUZZ=ON -DDRELMIKS_SANITIZE=ON >/dev/null
cmake --build build-fuzz --target fuzz_fields fuzz_run
export ASAN_OPTIONS=detect_leaks=0
for target in fuzz_fields fuzz_run; do
  # The run target works in a directory of its own, so every path it gets is absolute.
  work=$PWD/build-fuzz/corpus-$target
  mkdir -p "$work"
  echo "== $target: $seconds s"
  build-fuzz/$target -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$work" "$PWD/fuzz/corpus/$target" 2>&1 | tail -n 12
  status=${PIPESTATUS[0]}
  [ "$status" -eq 0 ] || { echo "$target failed ($status)"; exit 1; }
done
