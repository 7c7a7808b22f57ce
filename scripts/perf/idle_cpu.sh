#!/usr/bin/env bash
# What tolvane costs while nothing happens, on a private X display (Xvfb) with the xfwm4 window
# manager, after its counter has settled and with the pointer away from its window.
#
# Usage: scripts/perf/idle_cpu.sh [BUILD_DIR [SECONDS [COUNT_SECONDS]]]   (defaults: build, 60, 10)
#
# 1. CPU: utime + stime of the process (/proc/PID/stat, in clock ticks of 1/CLK_TCK s) over
#    SECONDS, as a percentage of one core; the same for the X server, which does the drawing the
#    program asks for. The only changes on screen then are the time line, once a second, and the
#    button's hover poll runs every 50 ms.
# 2. Repaints: gdb attaches and counts, without stopping (breakpoints with a large ignore count),
#    the calls of the button's Redraw, of its widget's paintEvent and of the window's paintEvent
#    over COUNT_SECONDS with nothing changing; then, as a check that the counting works, over a
#    second COUNT_SECONDS in which the pointer moves onto the button and off it again, which must
#    cost one Redraw each way. The CPU figure is taken before gdb attaches: breakpoints slow the
#    program down.
# It asserts nothing; it prints the figures.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
seconds=${2:-60}
count_seconds=${3:-10}
tolvane="$build/app/tolvane"
[ -x "$tolvane" ] || {
    echo "idle_cpu: $tolvane is missing; build the tolvane target" >&2
    exit 2
}
command -v gdb >/dev/null || {
    echo "idle_cpu: gdb is missing (Debian package gdb)" >&2
    exit 2
}

# The display, the window manager and their clean-up come from the whole-program tests' helpers.
set -- "$tolvane"
source tests/e2e/e2e_lib.sh
e2e_start_display
xserver=${E2E_PIDS[0]}

e2e_mousemove 0 0
e2e_launch --clock "2013-04-28 10:54:50"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"
# A click on the counter settles it at once; then the pointer leaves the window.
e2e_pointer_to "$win" 260 205
xdotool click 1
e2e_mousemove 0 0
e2e_poll 5 e2e_button_shows "$win" focused || fail "the button does not show its focused look"
sleep 2

ticks() {
    awk '{print $14 + $15}' "/proc/$1/stat"
}
hz=$(getconf CLK_TCK)
app_before=$(ticks "$E2E_APP")
x_before=$(ticks "$xserver")
start_ms=$(e2e_now_ms)
# Clock ticks are charged whole to whoever runs when the tick falls; where perf is at hand
# (Debian linux-perf), its task clock measures the same interval exactly.
perf_out="$E2E_TMP/perf.out"
if command -v perf >/dev/null && perf stat -e task-clock -p "$E2E_APP" -o "$perf_out" -- sleep "$seconds" 2>/dev/null; then
    :
else
    rm -f "$perf_out"
    sleep "$seconds"
fi
app_after=$(ticks "$E2E_APP")
x_after=$(ticks "$xserver")
elapsed_ms=$(($(e2e_now_ms) - start_ms))
e2e_app_running || fail "the program ended during the measurement"

percent() {
    awk -v t="$1" -v hz="$hz" -v ms="$elapsed_ms" 'BEGIN {printf "%.3f", t / hz * 100000 / ms}'
}
echo "idle CPU over $((elapsed_ms / 1000)) s (one tick = $((1000 / hz)) ms):"
app_ticks=$((app_after - app_before))
x_ticks=$((x_after - x_before))
echo "  tolvane   $app_ticks ticks = $(percent "$app_ticks") % of one core"
echo "  X server  $x_ticks ticks = $(percent "$x_ticks") % of one core"
if [ -s "$perf_out" ]; then
    task_ms=$(awk '/task-clock/ {gsub(",", "", $1); print $1}' "$perf_out")
    awk -v t="$task_ms" -v ms="$elapsed_ms" \
        'BEGIN {printf "  tolvane   perf task-clock %.1f ms = %.3f %% of one core\n", t, t * 100 / ms}'
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
    e2e_mousemove 0 0
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
