#!/usr/bin/env bash
# Runs a Windows program under Wine: scripts/wine-run.sh program.exe [args...]
# The Windows build's ctest runs its tests through here.
#
# The Wine prefix is a scratch folder, unless WINEPREFIX names another: with a display (DISPLAY
# set) build-windows/wineprefix, where windows show on that display; without one
# build-windows/wineprefix-headless, whose null graphics driver lets windows draw into memory
# without showing (tolvane.exe --screenshot works there). The first run creates the prefix and
# sets up its fonts (scripts/wine-prefix-setup.sh; about twenty seconds). Wine's own
# diagnostics are silenced, so the output is the program's. The exit status is the program's.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
if [ -n "${DISPLAY:-}" ]; then
    export WINEPREFIX="${WINEPREFIX:-$root/build-windows/wineprefix}"
else
    export WINEPREFIX="${WINEPREFIX:-$root/build-windows/wineprefix-headless}"
fi
export WINEDEBUG=-all
# No Mono or Gecko: creating the prefix would otherwise offer to install them. No menu builder:
# shortcuts an installer makes in the prefix stay there, off the host's desktop menus.
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Debian's wine64 package installs the 64-bit loader here; the wine package puts `wine` on PATH.
wine=/usr/lib/wine/wine64
if [ ! -x "$wine" ]; then
    wine=$(command -v wine64 || command -v wine || true)
fi
if [ -z "$wine" ]; then
    echo "wine-run: no Wine found (Debian: wine64)" >&2
    exit 127
fi

# Created once, under a lock so that tests started together do not create it twice. Wine tells
# on standard error that the 32-bit part is missing; that part is not needed. The settings
# take effect when the prefix's wineserver starts again, so it is stopped after them.
mkdir -p "$WINEPREFIX"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.created" ]; then
        "$wine" wineboot --init >"$WINEPREFIX/wineboot.log" 2>&1
        touch "$WINEPREFIX/.created"
    fi
    if [ ! -f "$WINEPREFIX/.tolvane-setup-2" ]; then
        "$root/scripts/wine-prefix-setup.sh" "$wine" >>"$WINEPREFIX/wineboot.log" 2>&1
        "$(dirname "$wine")/wineserver" -w 2>/dev/null || true
        touch "$WINEPREFIX/.tolvane-setup-2"
    fi
) 9>"$WINEPREFIX/.lock"

exec "$wine" "$@"
