#!/usr/bin/env bash
# Helpers for whole-program tests of tolvane.exe under Wine: the Linux tests' display, window,
# pointer and pixel helpers (tests/e2e/e2e_lib.sh), with the program started through
# scripts/wine-run.sh. Source this file; every test script gets the executable's path as its first
# argument and, where it compares pixels with the Linux build, the Linux program's as its second.
#
# The tests have a Wine prefix of their own (WINEPREFIX, default build-windows/wineprefix-e2e):
# made with a display, so windows show on Xvfb, and ended with the test, so that no Wine process
# outlives the display it was drawing on.
set -euo pipefail

WINE_E2E_ROOT="$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)"
WINE_E2E_EXE=${1:?usage: $0 TOLVANE.EXE [LINUX-TOLVANE]}
WINE_E2E_LINUX=${2:-}
# e2e_launch and the other helpers start "$E2E_PROGRAM" ARGS: here that is wine-run.sh, and the
# executable comes first among the arguments.
source "$WINE_E2E_ROOT/tests/e2e/e2e_lib.sh" "$WINE_E2E_ROOT/scripts/wine-run.sh"
export WINEPREFIX=${WINEPREFIX:-$WINE_E2E_ROOT/build-windows/wineprefix-e2e}

# Runs the prefix's wineserver with the arguments given (Debian's, beside its Wine loader).
wine_e2e_server() {
    local server=/usr/lib/wine/wineserver
    [ -x "$server" ] || server=$(command -v wineserver)
    "$server" "$@"
}

wine_e2e_cleanup() {
    e2e_cleanup
    wine_e2e_server -k 2>/dev/null || true
}
trap wine_e2e_cleanup EXIT

# Starts the display and its window manager, then runs the executable once with -v: the first run
# in a new prefix prepares it (some twenty seconds), with the display set, so later starts are
# quick and show their windows there.
wine_e2e_start() {
    e2e_start_display
    local version
    version=$(timeout 120 "$E2E_PROGRAM" "$WINE_E2E_EXE" -v 2>&1) ||
        fail "tolvane.exe -v under Wine failed: $version"
    [[ "$version" == "tolvane "* ]] || fail "tolvane.exe -v printed \"$version\""
}

# Starts tolvane.exe with the arguments given, in the background (see e2e_launch).
wine_e2e_launch() {
    e2e_launch "$WINE_E2E_EXE" "$@"
}

# Writes tolvane.exe's own --screenshot at clock $1 to $2.
wine_e2e_exe_shot() {
    local status=0
    "$E2E_PROGRAM" "$WINE_E2E_EXE" --clock "$1" --screenshot "$2" >"$E2E_TMP/shot.out" 2>&1 ||
        status=$?
    [ "$status" -eq 0 ] || fail "tolvane.exe --screenshot at \"$1\" exited $status: $(cat "$E2E_TMP/shot.out")"
}

# Writes the Linux program's --screenshot at clock $1 to $2.
wine_e2e_linux_shot() {
    local status=0
    QT_QPA_PLATFORM=offscreen "$WINE_E2E_LINUX" --clock "$1" --screenshot "$2" \
        >"$E2E_TMP/shot.out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "the Linux program's screenshot at \"$1\" exited $status: $(cat "$E2E_TMP/shot.out")"
}

# Presses and releases key $2 in window $1 once it has the keyboard focus (see e2e_press_enter).
wine_e2e_key() {
    local window=$1
    has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
    if ! has_focus; then
        xdotool windowactivate "$window" >/dev/null 2>&1 || true
        e2e_poll 3 has_focus || fail "window $window did not get the keyboard focus"
    fi
    xdotool key "$2"
}

# Prints how far the counter's digits in screenshot $1 are from those in the Linux program's
# screenshot $2, both at device pixel ratio $3 (default 1): the root mean square error of the
# shapes at a quarter of their logical size (a digit some 8 pixels high), where the faces'
# outlines, which differ between the two rasterisers by a pixel here and there, no longer count.
wine_e2e_counter_distance() {
    local ratio=${3:-1} a="$E2E_TMP/counter-a.png" b="$E2E_TMP/counter-b.png" rect percent
    rect=$(awk -v r="$ratio" -v g="$E2E_LABEL4" 'BEGIN {
        split(g, p, /[x+]/); printf "%dx%d+%d+%d\n", p[1] * r, p[2] * r, p[3] * r, p[4] * r }')
    percent=$(awk -v r="$ratio" 'BEGIN { printf "%g%%\n", 25 / r }')
    for pair in "$1 $a" "$2 $b"; do
        read -r from to <<<"$pair"
        convert "$from" -crop "$rect" +repage -channel RGB -separate \
            -evaluate-sequence max -filter box -resize "$percent" "$to"
    done
    { compare -metric RMSE "$a" "$b" null: 2>&1 || true; } | sed 's/.*(\(.*\))/\1/'
}
