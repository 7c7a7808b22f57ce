#!/usr/bin/env bash
# Runs a Windows program under Wine without a display: scripts/wine-run.sh program.exe [args...]
# The Windows build's ctest runs its tests through here.
#
# The Wine prefix is a scratch folder, build-windows/wineprefix unless WINEPREFIX names another;
# the first run creates it (about ten seconds). Wine's own diagnostics are silenced, so the
# output is the program's. The exit status is the program's.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
export WINEPREFIX="${WINEPREFIX:-$root/build-windows/wineprefix}"
export WINEDEBUG=-all
# No Mono or Gecko: creating the prefix would otherwise offer to install them.
export WINEDLLOVERRIDES="mscoree,mshtml="

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
# on standard error that the 32-bit part is missing; that part is not needed.
mkdir -p "$WINEPREFIX"
(
    flock 9
    if [ ! -f "$WINEPREFIX/.created" ]; then
        "$wine" wineboot --init >"$WINEPREFIX/wineboot.log" 2>&1
        touch "$WINEPREFIX/.created"
    fi
) 9>"$WINEPREFIX/.lock"

exec "$wine" "$@"
