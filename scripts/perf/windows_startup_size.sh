#!/usr/bin/env bash
# Size and start-up time of tolvane.exe next to the smallest Win32 program that shows the same
# picture (bench/win32/minimal_window.cpp), under Wine on a private X display (Xvfb) with the
# xfwm4 window manager.
#
# Usage: scripts/perf/windows_startup_size.sh [BUILD_DIR [RUNS [SCALE]]]
#   (defaults: build-windows, 20, 100). Build both first: scripts/build.sh windows
# SCALE 200 runs both at 200 % (Wine's LogPixels 192 in a prefix of its own): tolvane.exe draws its
# 1100 x 578 client area from the 200 % picture, and so does the minimal window, which is per-monitor
# DPI aware too; the probed pixels are the same points of the picture, twice as far in.
#
# Size: each executable stripped as scripts/build-windows.sh strips tolvane.exe.
# Start-up: the first painted frame as scripts/perf/startup_memory.sh takes it on Linux, with
# scripts/perf/first_frame.py: from just before the start to the first poll of the X display
# in which three pixels of the picture, in rows with no label, show their colours. The colours
# are read from tolvane.exe's own --screenshot, since Wine's JPEG decoder rounds a few pixels
# differently from ImageMagick's. As a Windows desktop runs before a program starts, the
# wineserver and Wine's desktop process (explorer.exe, started by the first window) are kept
# running for the whole measurement by an idle cmd.exe, and both programs run once before it:
# neither pays for starting them. The programs take turns, each round starting with the other.
# Prints each run, the median and range per program, the ratios of the medians and the load
# average at start and end. It asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build-windows}
runs=${2:-20}
scale=${3:-100}
case $scale in
    100) dpi=96 ;;
    200) dpi=192 ;;
    *) echo "windows_startup_size: the scale \"$scale\" is neither 100 nor 200" >&2; exit 2 ;;
esac
tolvane="$build/tolvane.exe"
minimal="$build/bench/win32/tolvane_minimal_win32_window.exe"
for program in "$tolvane" "$minimal"; do
    [ -f "$program" ] || {
        echo "windows_startup_size: $program is missing; run scripts/build.sh windows" >&2
        exit 2
    }
done
load_at_start=$(cut -d' ' -f1-3 /proc/loadavg)

# The display, the Wine prefix (made on the first run) and the clean-up come from the Windows
# whole-program tests' helpers; the prefix is this script's own.
suffix=""
[ "$scale" = 100 ] || suffix="-$scale"
export WINEPREFIX=${WINEPREFIX:-$PWD/$build/wineprefix-perf$suffix}
source tests/windows/wine_e2e_lib.sh "$tolvane"
wine_e2e_start
"$E2E_PROGRAM" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
    >/dev/null || fail "cannot set LogPixels to $dpi"
mkfifo "$E2E_TMP/idle"
"$E2E_PROGRAM" cmd.exe <"$E2E_TMP/idle" >/dev/null 2>&1 &
E2E_PIDS+=($!)
exec 8>"$E2E_TMP/idle" # cmd.exe waits for a command that never comes

strip_size() {
    x86_64-w64-mingw32-strip -o "$E2E_TMP/stripped.exe" "$1"
    stat -c %s "$E2E_TMP/stripped.exe"
}
size_tolvane=$(strip_size "$tolvane")
size_minimal=$(strip_size "$minimal")

wine_e2e_exe_shot "2013-04-28 10:54:50" "$E2E_TMP/tolvane.png"
pixels=""
for point in "408 43" "492 80" "456 50"; do
    read -r x y <<<"$point"
    x=$((x * scale / 100))
    y=$((y * scale / 100))
    pixels+="${pixels:+;}$x,$y,$(e2e_pixel "$E2E_TMP/tolvane.png" "$x" "$y")"
done

# One run of the program named $1; prints "mapped_ms painted_ms resolution_ms".
measure() {
    local times
    case $1 in
        tolvane) set -- Tolvane "$tolvane" --clock "2013-04-28 10:54:50" ;;
        minimal) set -- "Minimal Win32 window" "$minimal" ;;
    esac
    times=$(python3 scripts/perf/first_frame.py "$1" "$pixels" 300 -- \
        scripts/wine-run.sh "${@:2}") || fail "$2: $times"
    echo "$times"
}

measure tolvane >/dev/null
measure minimal >/dev/null
names=(tolvane minimal)
results="$E2E_TMP/results"
: >"$results"
echo "scale: $scale % ($dpi dpi)"
echo "load average at start: $load_at_start"
echo "run program mapped_ms painted_ms resolution_ms"
for run in $(seq 1 "$runs"); do
    for i in 0 1; do
        name=${names[$(((run - 1 + i) % 2))]}
        line=$(measure "$name")
        echo "$run $name $line"
        echo "$name $line" >>"$results"
    done
done
load_at_end=$(cut -d' ' -f1-3 /proc/loadavg)

# Prints "median min max" of column $2 of the program named $1.
column_summary() {
    awk -v name="$1" -v col="$2" '$1 == name {print $col}' "$results" | sort -n |
        awk '{v[NR] = $1} END {h = (NR + 1) / 2; i = int(h); print (v[i] + v[i + (h > i)]) / 2, v[1], v[NR]}'
}
ratio() {
    awk -v a="$1" -v b="$2" 'BEGIN {printf "%.2f", a / b}'
}

echo
printf '%-12s %12s %12s %12s\n' "" tolvane.exe minimal ratio
printf '%-12s %12s %12s %12s\n' "stripped B" "$size_tolvane" "$size_minimal" \
    "$(ratio "$size_tolvane" "$size_minimal")"
for metric in "painted_ms 3" "mapped_ms 2"; do
    read -r metric col <<<"$metric"
    read -r t t_lo t_hi <<<"$(column_summary tolvane "$col")"
    read -r m m_lo m_hi <<<"$(column_summary minimal "$col")"
    printf '%-12s %12s %12s %12s   (ranges: %s-%s, %s-%s)\n' "$metric" "$t" "$m" \
        "$(ratio "$t" "$m")" "$t_lo" "$t_hi" "$m_lo" "$m_hi"
done
echo
echo "medians of $runs runs each at $scale %; load average at start $load_at_start, at end $load_at_end" \
    "($(nproc) cores)"
