#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Builds Angulon with its benchmarks (installing what they need) and runs them
# under a private Xvfb display with openbox: start-up beside the reference
# window, idle and animation CPU, the calculator core, angulon-chart,
# angulon-locate (bench/locate.sh) and the browser page (bench/web.py). Prints a Markdown report and keeps a copy in
# the build folder as report.md.
#
#   ./bench/run.sh            # 20 counted launches each, 3 idle runs
#   RUNS=40 IDLE_RUNS=5 WEB_RUNS=20 ./bench/run.sh
#   ANGULON_BENCH_BUILD=/tmp/b ./bench/run.sh   # build somewhere else than build/perf
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/setup.sh"

# Single launches vary by a quarter on a shared machine; twenty steady the medians.
runs=${RUNS:-20}
idle_runs=${IDLE_RUNS:-3}
bench_build=${ANGULON_BENCH_BUILD:-$root/build/perf}

install_missing build linux web fonts bench

# An optimised build of its own, so the figures do not depend on how build/
# was last configured.
cmake -S "$root" --preset perf -B "$bench_build" >&2
cmake --build "$bench_build" --target angulon angulon_reference angulon_xbench angulon_corebench angulon_longlife \
    angulon_chart angulon_locate angulon_web >&2

angulon="$bench_build/shell/angulon"
reference="$bench_build/bench/angulon_reference"
xbench="$bench_build/bench/angulon_xbench"
corebench="$bench_build/bench/angulon_corebench"
chart="$bench_build/chart/angulon-chart"

# A display number nobody uses, from 90 up.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do
    display=$((display + 1))
done

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=":$display"
for _ in $(seq 100); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
xdpyinfo >/dev/null 2>&1 || { echo "bench: Xvfb did not start on $DISPLAY" >&2; cat "$work/xvfb.log" >&2; exit 1; }

openbox >"$work/openbox.log" 2>&1 &
pids+=($!)
# openbox has taken over once it announces itself on the root window.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done

# Both programs see the same plain X11 session.
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
unset QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_SCALE_FACTOR QT_FONT_DPI

# Timings are only comparable within one run, and only meaningful when
# nothing else is keeping the cores busy.
load=$(cut -d' ' -f1 /proc/loadavg)
if awk -v load="$load" -v cores="$(nproc)" 'BEGIN { exit !(load > cores / 2) }'; then
    echo "bench: load average $load on $(nproc) cores; expect noisy wall-clock times" >&2
fi

report="$bench_build/report.md"
{
    echo "Measured $(date -u '+%Y-%m-%d %H:%M UTC') on $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg), Xvfb + openbox."
    echo
    "$xbench" startup "$runs" "Angulon=$angulon" "Reference=$reference"
    echo
    "$xbench" idle "$idle_runs" "$angulon"
    echo
    echo "| Core, per call (median of 9) | Time |"
    echo "| --- | ---: |"
    # A shared machine's clock wanders: the median of nine repetitions.
    "$corebench" --benchmark_format=csv --benchmark_min_time=0.1 --benchmark_min_warmup_time=0.2 \
        --benchmark_repetitions=9 --benchmark_report_aggregates_only=true 2>/dev/null |
        awk -F, '/_median"/ { gsub(/"|_median/, "", $1); printf "| %s | %.4g %s |\n", $1, $4, $5 }'
    echo
    # The chart program as a shell starts it, start-up and writing included.
    echo "| angulon-chart (median of 9 runs) | Wall clock |"
    echo "| --- | ---: |"
    median=$(for _ in $(seq 9); do
        start=$(date +%s%N)
        "$chart" --from 1 --to 1000 --step 0.1 --unit mm --decimal . --format csv -o "$work/chart.csv"
        echo $(($(date +%s%N) - start))
    done | sort -n | sed -n 5p)
    awk -v ns="$median" -v rows="$(($(wc -l <"$work/chart.csv") - 1))" \
        'BEGIN { printf "| 1 to 1000 by 0.1, three angles, CSV (%d rows) | %.1f ms |\n", rows, ns / 1e6 }'
    echo
    # angulon-locate with 100,000 sound paths piped through it (bench/locate.sh).
    RUNS=9 "$root/bench/locate.sh" "$bench_build/chart/angulon-locate"
    echo
    # The browser page: its size, its start and a CALCULATE, in headless Chromium.
    /usr/bin/python3 "$root/bench/web.py" "$bench_build/web" "${WEB_RUNS:-10}"
} | tee "$report"
