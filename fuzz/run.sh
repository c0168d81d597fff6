#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds the core's fuzz target with Clang and runs it for a number of
# seconds (default 60): ./fuzz/run.sh 3600 runs it for an hour.
# New inputs it finds go to a scratch folder, so the seed corpus in
# fuzz/corpus stays as it is; a failing input is saved in build/fuzz/
# (or in $ANGULON_FUZZ_BUILD, when set, which is also where it builds).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd) seconds=${1:-60} scratch=$(mktemp -d) build=${ANGULON_FUZZ_BUILD:-$root/build/fuzz}
trap 'rm -rf "$scratch"' EXIT
clang=$(command -v clang++ || command -v clang++-14) || { echo "angulon: clang++ not found; skipping the fuzz run"; exit 0; }
cmake -S "$root/fuzz" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER="$clang" >/dev/null
cmake --build "$build"

echo "angulon: fuzzing the calculator core for $seconds s"
"$build/core_fuzz" "$scratch" "$root/fuzz/corpus" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -malloc_limit_mb=256 -max_len=70000 -print_final_stats=1 -artifact_prefix="$build/" 2>"$build/last-run.log" || {
    tail -n 60 "$build/last-run.log"; echo "angulon: the fuzz target failed; the input is in $build/"; exit 1
} >&2
grep -E '^stat::(number_of_executed_units|new_units_added)' "$build/last-run.log" || true
