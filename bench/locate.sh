#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Times angulon-locate as a shell starts it with 100,000 sound paths piped
# in (0 to 999.99 mm in hundredths, in a pipe of 200 mm by 20 mm at 45
# degrees), written as CSV to a file: the median wall-clock and CPU time of
# RUNS (9) runs, as a Markdown table. bench/run.sh runs it on its optimised
# build; alone, give it the program:
#
#   ./bench/locate.sh build/perf/chart/angulon-locate
set -euo pipefail
locate=$1 runs=${RUNS:-9}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
awk 'BEGIN { for (i = 0; i < 100000; i++) printf "%.2f\n", i / 100 }' >"$work/paths"
for _ in $(seq "$runs"); do
    # Wall clock from the shell, CPU time (user and system) from the kernel.
    start=$(date +%s%N)
    cpu=$( (TIMEFORMAT='%3U + %3S' && time "$locate" --od 200 --wall 20 --angle 45 --unit mm --decimal . \
        --format csv <"$work/paths" >"$work/located.csv") 2>&1)
    echo "$(($(date +%s%N) - start))" >>"$work/wall"
    echo "($cpu) * 1000" | bc >>"$work/cpu"
done
median() { sort -n "$1" | sed -n "$(((runs + 1) / 2))p"; }
echo "| angulon-locate, median of $runs runs | Wall clock | CPU time |"
echo "| --- | ---: | ---: |"
awk -v wall="$(median "$work/wall")" -v cpu="$(median "$work/cpu")" -v rows="$(($(wc -l <"$work/located.csv") - 1))" \
    'BEGIN { printf "| %d sound paths from standard input to CSV | %.1f ms | %.1f ms |\n", rows, wall / 1e6, cpu }'
