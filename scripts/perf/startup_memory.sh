#!/usr/bin/env bash
# Start-up time to the first painted frame and peak memory of tolvane, next to the smallest Qt
# Widgets program that shows the same background picture (bench/minimal_qt_window.cpp), on a
# private X display (Xvfb) with the xfwm4 window manager.
#
# Usage: scripts/perf/startup_memory.sh [BUILD_DIR [RUNS]]   (defaults: build, 10)
# Build both programs first, in the same configuration:
#   cmake --build BUILD_DIR --target tolvane tolvane_minimal_qt_window
#
# Method, per run (the two programs take turns, so a busy moment of the machine hits both):
#   scripts/perf/first_frame.py starts the program under /usr/bin/time -v and polls the display
#   through libX11 every millisecond or two:
#   - mapped: the first poll that can read the window's own pixels (XGetImage succeeds only on a
#     viewable window), counted from just before the start;
#   - painted: the first poll in which three bright pixels of the background picture, in rows
#     with no label (client (408, 43), (492, 80), (456, 50)), show their exact colours, read from
#     the picture itself. "resolution" is how late that figure can be: one poll and its pause;
#   - peak memory: "Maximum resident set size" of /usr/bin/time -v, for a run that lasts until
#     2 s after the first painted frame (tolvane's counter is still running down then) and ends
#     with SIGTERM.
# Prints each run, the medians and the ratios tolvane / minimal. It asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
runs=${2:-10}
tolvane="$build/app/tolvane"
minimal="$build/bench/tolvane_minimal_qt_window"
for program in "$tolvane" "$minimal"; do
    [ -x "$program" ] || {
        echo "startup_memory: $program is missing; build tolvane and tolvane_minimal_qt_window" >&2
        exit 2
    }
done
[ -x /usr/bin/time ] || {
    echo "startup_memory: /usr/bin/time is missing (Debian package time)" >&2
    exit 2
}
command -v python3 >/dev/null || {
    echo "startup_memory: python3 is missing (Debian package python3)" >&2
    exit 2
}

# The display, the window manager and their clean-up come from the whole-program tests' helpers.
set -- "$tolvane"
source tests/e2e/e2e_lib.sh
e2e_start_display

# The three sample pixels with their colours in the picture, as first_frame.py takes them.
pixels=""
for point in "408 43" "492 80" "456 50"; do
    read -r x y <<<"$point"
    colour=$(convert resources/background.jpg -crop "1x1+$x+$y" -depth 8 rgb:- |
        od -An -tx1 | tr -d ' \n')
    pixels+="${pixels:+;}$x,$y,$colour"
done

# One run of program $1 with window title $2 and arguments $3...; prints
# "mapped_ms painted_ms resolution_ms peak_kb".
measure() {
    local program=$1 title=$2 times peak
    shift 2
    times=$(python3 scripts/perf/first_frame.py "$title" "$pixels" 2000 -- \
        /usr/bin/time -v -o "$E2E_TMP/time.txt" "$program" "$@") || fail "$program: $times"
    peak=$(awk -F': ' '/Maximum resident set size/ {print $2}' "$E2E_TMP/time.txt")
    echo "$times $peak"
}

median() {
    sort -n | awk '{v[NR] = $1}
        END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}

results="$E2E_TMP/results"
: >"$results"
echo "run program mapped_ms painted_ms resolution_ms peak_rss_kb"
for run in $(seq 1 "$runs"); do
    line=$(measure "$tolvane" Tolvane --clock "2013-04-28 10:54:50")
    echo "$run tolvane $line"
    echo "tolvane $line" >>"$results"
    line=$(measure "$minimal" "Minimal Qt window")
    echo "$run minimal $line"
    echo "minimal $line" >>"$results"
done

column_median() {
    awk -v name="$1" -v col="$2" '$1 == name {print $col}' "$results" | median
}
echo
printf '%-28s %10s %10s %8s\n' "median of $runs runs" tolvane minimal ratio
for metric in "mapped_ms 2" "painted_ms 3" "resolution_ms 4" "peak_rss_kb 5"; do
    read -r name col <<<"$metric"
    t=$(column_median tolvane "$col")
    m=$(column_median minimal "$col")
    ratio=$(awk -v t="$t" -v m="$m" 'BEGIN {printf "%.2f", t / m}')
    printf '%-28s %10s %10s %8s\n' "$name" "$t" "$m" "$ratio"
done
