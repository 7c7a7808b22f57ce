#!/usr/bin/env bash
# Helpers for whole-program tests: a private X display with a window manager, the program under
# test, and ways to find its windows, drive the pointer and keyboard and read screen pixels.
# Source this file; every test script gets the program's path as its first argument.
set -euo pipefail

E2E_PROGRAM=${1:?usage: $0 PATH-TO-TOLVANE}
E2E_TMP=$(mktemp -d)
E2E_PIDS=()

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Starts Xvfb on a free display and the xfwm4 window manager on it.
e2e_start_display() {
    local fd_file="$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    local i
    for i in $(seq 1 100); do
        [ -s "$fd_file" ] && break
        sleep 0.05
    done
    [ -s "$fd_file" ] || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    xfwm4 --compositor=off >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    for i in $(seq 1 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.05
    done
    fail "window manager did not start"
}

# Starts the program with the given arguments in the background; its pid is in E2E_APP.
e2e_launch() {
    "$E2E_PROGRAM" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
    E2E_APP=$!
    E2E_PIDS+=($E2E_APP)
}

# Waits up to $2 seconds (default 10) for a mapped window whose title is exactly $1; prints its id.
e2e_wait_window() {
    local title=$1 timeout=${2:-10} i id
    for i in $(seq 1 $((timeout * 20))); do
        id=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n1 || true)
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        sleep 0.05
    done
    return 1
}

# True while no mapped window has the title $1.
e2e_no_window() {
    ! xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Waits up to $1 seconds for the program to end; prints its exit status, or "running".
e2e_wait_exit() {
    local timeout=${1:-10} i
    for i in $(seq 1 $((timeout * 20))); do
        if ! kill -0 "$E2E_APP" 2>/dev/null; then
            local status=0
            wait "$E2E_APP" || status=$?
            echo "$status"
            return 0
        fi
        sleep 0.05
    done
    echo running
}

# Prints "X Y W H" of a window's client area in screen pixels.
e2e_client_geometry() {
    xwininfo -id "$1" | awk '
        /Absolute upper-left X/ {x=$4} /Absolute upper-left Y/ {y=$4}
        /Width:/ {w=$2} /Height:/ {h=$2} END {print x, y, w, h}'
}

# Writes a PNG of the whole screen to $1.
e2e_screenshot() {
    import -window root "$1"
}

# Prints the colour of pixel ($2, $3) of PNG $1 as RRGGBB.
e2e_pixel() {
    convert "$1" -crop "1x1+$2+$3" -depth 8 txt:- | awk 'NR == 2 {print substr($3, 2, 6)}'
}
