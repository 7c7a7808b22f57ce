#!/usr/bin/env bash
# What tolvane costs while nothing happens, next to the floor (bench/floor_qt_window.cpp: the same
# settled window made of plain QLabels, whose time line changes once a second as tolvane's does),
# on a private X display (Xvfb) with the xfwm4 window manager. Both run side by side, settled,
# their windows apart and the pointer away from both.
#
# Usage: scripts/perf/idle_cpu.sh [BUILD_DIR [SECONDS [COUNT_SECONDS]]]   (defaults: build, 60, 10)
# Build both programs first: cmake --build BUILD_DIR --target tolvane tolvane_floor_qt_window
#
# 1. CPU: utime + stime of each program (/proc/PID/stat, in clock ticks of 1/CLK_TCK s) over the
#    same SECONDS, as a percentage of one core, and where perf is at hand its task clock over
#    the same time; the same ticks for the X server, which does the drawing both programs ask
#    for. The only changes on screen then are the two time lines, once a second; tolvane's
#    button also polls the pointer every 50 ms.
# 2. Repaints of tolvane: gdb attaches and counts, without stopping (breakpoints with a large
#    ignore count), the calls of the button's Redraw, of its widget's paintEvent and of the
#    window's paintEvent over COUNT_SECONDS with nothing changing; then, as a check that the
#    counting works, over a second COUNT_SECONDS in which the pointer moves onto the button and
#    off it again, which must cost one Redraw each way. The CPU figures are taken before gdb
#    attaches: breakpoints slow the program down.
# It asserts nothing; it prints the figures.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
seconds=${2:-60}
count_seconds=${3:-10}
tolvane="$build/tolvane"
floor="$build/bench/tolvane_floor_qt_window"
for program in "$tolvane" "$floor"; do
    [ -x "$program" ] || {
        echo "idle_cpu: $program is missing; build tolvane and tolvane_floor_qt_window" >&2
        exit 2
    }
done
command -v gdb >/dev/null || {
    echo "idle_cpu: gdb is missing (Debian package gdb)" >&2
    exit 2
}

# The display, the window manager and their clean-up come from the whole-program tests' helpers.
set -- "$tolvane"
source tests/e2e/e2e_lib.sh
e2e_start_display
xserver=${E2E_PIDS[0]}

# Both windows are titled Tolvane: each is found by its process.
window_of() {
    xdotool search --all --onlyvisible --pid "$1" --name '^Tolvane$' 2>/dev/null | head -n1
}
has_window() {
    [ -n "$(window_of "$1")" ]
}
# Where the pointer waits: below both windows and between them.
away() {
    e2e_mousemove 640 790
}

away
# The floor first; tolvane last, so that E2E_APP and e2e_app_running are about tolvane.
E2E_PROGRAM=$floor e2e_launch
floor_pid=$E2E_APP
e2e_poll 15 has_window "$floor_pid" || fail "the floor program shows no window"
floor_win=$(window_of "$floor_pid")
e2e_launch --clock "2013-04-28 10:54:50"
e2e_poll 15 has_window "$E2E_APP" || fail "tolvane shows no window"
win=$(window_of "$E2E_APP")
e2e_wait_placed "$win"
# Both open centred, one over the other: tolvane goes to the left edge, the floor to the right.
xdotool windowmove "$win" 5 0 windowmove "$floor_win" 715 0
apart() {
    local a b
    read -r -a a <<<"$(e2e_frame_geometry "$win")"
    read -r -a b <<<"$(e2e_frame_geometry "$floor_win")"
    [ $((a[0] + a[2])) -lt 640 ] && [ "${b[0]}" -gt 640 ] && [ $((a[1] + a[3])) -lt 790 ] &&
        [ $((b[1] + b[3])) -lt 790 ]
}
e2e_poll 5 apart || fail "the windows are not apart: $(e2e_frame_geometry "$win")," \
    "$(e2e_frame_geometry "$floor_win") (x y w h)"
# A click on the counter settles it at once; then the pointer leaves the window.
e2e_pointer_to "$win" 260 205
xdotool click 1
away
e2e_poll 5 e2e_button_shows "$win" focused || fail "the button does not show its focused look"
sleep 2

ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}
# Clock ticks are charged whole to whoever runs when the tick falls; where perf is at hand
# (Debian linux-perf), its task clock of process $1 over the same time is exact. Writes it to $2.
task_clock() {
    if command -v perf >/dev/null &&
        perf stat -e task-clock -p "$1" -o "$2" -- sleep "$seconds" 2>/dev/null; then
        return
    fi
    rm -f "$2"
    sleep "$seconds"
}
hz=$(getconf CLK_TCK)
app_before=$(ticks "$E2E_APP")
floor_before=$(ticks "$floor_pid")
x_before=$(ticks "$xserver")
start_ms=$(e2e_now_ms)
task_clock "$E2E_APP" "$E2E_TMP/perf.tolvane" &
perf_pids=($!)
task_clock "$floor_pid" "$E2E_TMP/perf.floor" &
perf_pids+=($!)
wait "${perf_pids[@]}"
app_after=$(ticks "$E2E_APP")
floor_after=$(ticks "$floor_pid")
x_after=$(ticks "$xserver")
elapsed_ms=$(($(e2e_now_ms) - start_ms))
e2e_app_running || fail "tolvane ended during the measurement"
kill -0 "$floor_pid" 2>/dev/null || fail "the floor program ended during the measurement"

percent() {
    awk -v t="$1" -v hz="$hz" -v ms="$elapsed_ms" 'BEGIN {printf "%.3f", t / hz * 100000 / ms}'
}
task_ms() {
    [ -s "$1" ] && awk '/task-clock/ {gsub(",", "", $1); print $1}' "$1"
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {if (b > 0) printf "%.1f", a / b; else print "n/a"}'
}
echo "idle CPU over the same $((elapsed_ms / 1000)) s (one tick = $((1000 / hz)) ms):"
app_ticks=$((app_after - app_before))
floor_ticks=$((floor_after - floor_before))
x_ticks=$((x_after - x_before))
echo "  tolvane   $app_ticks ticks = $(percent "$app_ticks") % of one core"
echo "  floor     $floor_ticks ticks = $(percent "$floor_ticks") % of one core"
echo "  X server  $x_ticks ticks = $(percent "$x_ticks") % of one core (drawing for both)"
echo "  tolvane / floor (ticks)  $(ratio "$app_ticks" "$floor_ticks")"
if app_task=$(task_ms "$E2E_TMP/perf.tolvane") && floor_task=$(task_ms "$E2E_TMP/perf.floor"); then
    for line in "tolvane $app_task" "floor $floor_task"; do
        read -r name value <<<"$line"
        awk -v n="$name" -v t="$value" -v ms="$elapsed_ms" \
            'BEGIN {printf "  %-9s perf task-clock %.1f ms = %.3f %% of one core\n", n, t, t * 100 / ms}'
    done
    echo "  tolvane / floor (task-clock)  $(ratio "$app_task" "$floor_task")"
fi

# Counts the calls of the three functions over COUNT_SECONDS while the command "$@" runs (in
# the background, started once gdb is attached); prints the three counts: Redraw, the button's
# paintEvent and the window's paintEvent.
count_calls() {
    local gdb_out="$E2E_TMP/gdb.out"
    gdb -p "$E2E_APP" -batch -nx \
        -ex 'set pagination off' \
        -ex 'break tolvane::styler::StylerButton::Redraw' -ex 'ignore 1 100000000' \
        -ex 'break tolvane::styler::StylerButtonWidget::paintEvent' -ex 'ignore 2 100000000' \
        -ex 'break tolvane::forms::FormWindow::paintEvent' -ex 'ignore 3 100000000' \
        -ex 'continue' \
        -ex 'info breakpoints' -ex 'detach' >"$gdb_out" 2>&1 &
    local gdb_pid=$!
    E2E_PIDS+=("$gdb_pid")
    # The last breakpoint set, the program runs on; a moment later gdb surely has it running.
    e2e_poll 20 grep -q '^Breakpoint 3 at' "$gdb_out" ||
        fail "gdb did not attach: $(cat "$gdb_out")"
    sleep 0.5
    "$@"
    sleep "$count_seconds"
    # An interrupt ends gdb's continue; it then prints the hit counts and detaches.
    kill -INT "$gdb_pid"
    wait "$gdb_pid" || true
    e2e_app_running || fail "the program ended under gdb: $(cat "$gdb_out")"
    awk '/^[0-9]+ +breakpoint/ {n = $1} /already hit/ {hits[n] = $4}
         END {printf "%d %d %d\n", hits[1], hits[2], hits[3]}' "$gdb_out"
}

nothing() { :; }
hover_in_and_out() {
    e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
    sleep 1
    away
}
idle_counts=$(count_calls nothing)
hover_counts=$(count_calls hover_in_and_out)
read -r idle_redraw idle_button_paint idle_window_paint <<<"$idle_counts"
read -r hover_redraw hover_button_paint hover_window_paint <<<"$hover_counts"
echo "calls over ${count_seconds} s          Redraw  button paintEvent  window paintEvent"
row() {
    printf '  %-20s %6d %18d %18d\n' "$@"
}
row "nothing changing" "$idle_redraw" "$idle_button_paint" "$idle_window_paint"
row "pointer in and out" "$hover_redraw" "$hover_button_paint" "$hover_window_paint"
