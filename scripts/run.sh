#!/usr/bin/env bash
# Installs what is missing, builds Tolvane and runs it. Arguments go to the program unchanged.
# Without arguments it runs on a simulated clock in 2013, since on the real clock the target day
# is long past and the program would only show its closing message. Without a display it renders
# the window to out/tolvane.png instead of showing it, and says so.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh normal

# Qt wants a private runtime folder; a root shell on a bare machine often has none.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    export XDG_RUNTIME_DIR="${TMPDIR:-/tmp}/tolvane-runtime-$(id -u)"
    mkdir -p -m 700 "$XDG_RUNTIME_DIR"
fi

demo_clock="2013-04-28 10:54:50"
if [ $# -eq 0 ]; then
    set -- --clock "$demo_clock"
    echo "run: on a simulated clock from $demo_clock (give --clock or other options to choose)"
fi

if [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    exec build/tolvane "$@"
fi

for arg in "$@"; do
    case "$arg" in
        --screenshot | --screenshot=*) exec build/tolvane "$@" ;;
    esac
done
mkdir -p out
shot="$PWD/out/tolvane.png"
build/tolvane "$@" --screenshot "$shot"
echo "No display: the window was rendered to $shot"
