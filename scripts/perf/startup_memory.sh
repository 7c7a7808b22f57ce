#!/usr/bin/env bash
# Start-up time to the first painted frame and peak memory of tolvane, next to two plain Qt
# Widgets programs: the floor, the same settled window made of QLabels over the same picture
# (bench/floor_qt_window.cpp), and the smallest program that shows the picture alone
# (bench/minimal_qt_window.cpp). On a private X display (Xvfb) with the xfwm4 window manager and a
# D-Bus session bus that runs for the whole measurement, as on a desktop, so that no program
# starts one of its own.
#
# Usage: scripts/perf/startup_memory.sh [BUILD_DIR [RUNS]]   (defaults: build, 20)
# Build the three programs first, in the same configuration:
#   cmake --build BUILD_DIR --target tolvane tolvane_floor_qt_window tolvane_minimal_qt_window
#
# Method, per run (the programs take turns, each round starting with the next one, so a busy
# moment of the machine hits all of them):
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
# Prints each run; per program the median, quartiles and range of each figure; the ratios of the
# medians tolvane / floor and tolvane / minimal; the load average at start and end. It asserts
# nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
runs=${2:-20}
tolvane="$build/tolvane"
floor="$build/bench/tolvane_floor_qt_window"
minimal="$build/bench/tolvane_minimal_qt_window"
for program in "$tolvane" "$floor" "$minimal"; do
    [ -x "$program" ] || {
        echo "startup_memory: $program is missing; build tolvane, tolvane_floor_qt_window" \
            "and tolvane_minimal_qt_window" >&2
        exit 2
    }
done
for tool in /usr/bin/time:time python3:python3 dbus-daemon:dbus-daemon dbus-send:dbus-bin; do
    command -v "${tool%:*}" >/dev/null || {
        echo "startup_memory: ${tool%:*} is missing (Debian package ${tool#*:})" >&2
        exit 2
    }
done
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

# The clean-up and the display come from the whole-program tests' helpers.
set -- "$tolvane"
source tests/e2e/e2e_lib.sh

# The session bus comes first, so that the window manager uses it too instead of starting one of
# its own; the clean-up ends it. Qt asks it at start whether a screen reader runs, which starts
# the accessibility bus launcher: a desktop has that running already, so it is started here.
dbus-daemon --session --nofork --print-address=3 3>"$E2E_TMP/session-bus" >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_poll 10 test -s "$E2E_TMP/session-bus" || fail "the D-Bus session bus did not start"
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$E2E_TMP/session-bus")
export DBUS_SESSION_BUS_ADDRESS
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
    >/dev/null 2>&1 || true
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

# One run of the program named $1.
measure_named() {
    case $1 in
        tolvane) measure "$tolvane" Tolvane --clock "2013-04-28 10:54:50" ;;
        floor) measure "$floor" Tolvane ;;
        minimal) measure "$minimal" "Minimal Qt window" ;;
    esac
}

names=(tolvane floor minimal)
results="$E2E_TMP/results"
: >"$results"
echo "load average at start: $load_at_start"
echo "run program mapped_ms painted_ms resolution_ms peak_rss_kb"
for run in $(seq 1 "$runs"); do
    for i in 0 1 2; do
        name=${names[$(((run - 1 + i) % 3))]}
        line=$(measure_named "$name")
        echo "$run $name $line"
        echo "$name $line" >>"$results"
    done
done
load_at_end=$(cut -d' ' -f1-3 /proc/loadavg)

# Prints "median q1 q3 min max" of the numbers on standard input (quartiles interpolated).
summary() {
    sort -n | awk '
        function q(p,  h, i) { h = (NR - 1) * p + 1; i = int(h); return v[i] + (h - i) * (v[i + 1] - v[i]) }
        {v[NR] = $1}
        END {print q(0.5), q(0.25), q(0.75), v[1], v[NR]}'
}
column_summary() {
    awk -v name="$1" -v col="$2" '$1 == name {print $col}' "$results" | summary
}

echo
for metric in "painted_ms 3" "peak_rss_kb 5" "mapped_ms 2" "resolution_ms 4"; do
    read -r metric col <<<"$metric"
    printf '%-16s %10s %20s %20s\n' "$metric" median "quartiles" "range"
    for name in "${names[@]}"; do
        read -r med q1 q3 lo hi <<<"$(column_summary "$name" "$col")"
        printf '  %-14s %10s %20s %20s\n' "$name" "$med" "$q1 - $q3" "$lo - $hi"
    done
done

echo
printf '%-26s %10s %10s\n' "ratio of medians" start-up "peak RSS"
for base in floor minimal; do
    ratios=""
    for col in 3 5; do
        read -r t _ <<<"$(column_summary tolvane "$col")"
        read -r b _ <<<"$(column_summary "$base" "$col")"
        ratios+=" $(awk -v t="$t" -v b="$b" 'BEGIN {printf "%.2f", t / b}')"
    done
    read -r startup rss <<<"$ratios"
    printf '  %-24s %10s %10s\n' "tolvane / $base" "$startup" "$rss"
done
echo
echo "runs: $runs of each program; load average at start $load_at_start, at end $load_at_end" \
    "($(nproc) cores)"
