#!/usr/bin/env bash
# Whether tolvane holds on to more and more memory or X resources while the pointer goes on
# crossing its close button: a soak on a private X display (Xvfb) with the xfwm4 window manager.
#
# Usage: scripts/perf/soak.sh [BUILD_DIR [MINUTES]]   (defaults: build, 10)
#
# The counter is settled (a click on it) and the pointer then moves once a second, into the
# button's centre and out to the screen's corner in turn: a warm-up of 20 s, then MINUTES
# minutes. Every 30 s, on a move into the button, it waits for the button's hover look (proof
# that the hover really happens; the look seen is in the table) and samples
# - the program's resident memory, VmRSS and its peak VmHWM (/proc/PID/status), in KB;
# - what the program's X client holds on the server, from the X-Resource extension
#   (xrestop -b -m 1): windows, pixmaps, GCs, fonts, pictures, cursors, other resources, and
#   the pixmaps' bytes. xrestop tells the clients by their resource id range (res_base and
#   res_mask), not reliably by pid; the program's client is the one whose range holds the
#   window xdotool finds by its title.
# The verdict gives the growth from the warm-up sample to the last one: RSS (aim: under 1 MB)
# and each X resource count (aim: none). It asserts nothing.
set -euo pipefail
cd "$(dirname "$0")/../.."

build=${1:-build}
minutes=${2:-10}
warmup=20
every=30
tolvane="$build/tolvane"
[ -x "$tolvane" ] || {
    echo "soak: $tolvane is missing; build the tolvane target" >&2
    exit 2
}
command -v xrestop >/dev/null || {
    echo "soak: xrestop is missing (Debian package xrestop)" >&2
    exit 2
}

# The display, the window manager and their clean-up come from the whole-program tests' helpers.
set -- "$tolvane"
source tests/e2e/e2e_lib.sh
e2e_start_display

e2e_mousemove 0 0
e2e_launch --clock "2013-04-28 10:54:50"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"
e2e_pointer_to "$win" 260 205
xdotool click 1
e2e_mousemove 0 0
e2e_poll 5 e2e_button_shows "$win" focused || fail "the button does not show its focused look"
read -r button_x button_y <<<"$(e2e_screen_point "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y")"

# Prints "VmRSS VmHWM" of the program in KB.
memory() {
    awk '/^VmRSS:/ {rss = $2} /^VmHWM:/ {hwm = $2} END {print rss, hwm}' "/proc/$E2E_APP/status"
}

# Prints "windows pixmaps GCs fonts pictures cursors other pixmap_bytes" of the program's client.
x_resources() {
    local base mask counts
    xrestop -b -m 1 | awk -F': *' '
        /res_base/ {base = $2} /res_mask/ {mask = $2}
        /windows/ {w = $2} /pixmaps/ {p = $2} /GCs/ {g = $2} /fonts/ {f = $2}
        /pictures/ {pic = $2} /cursors/ {c = $2} /unknowns/ {u = $2}
        /pixmap bytes/ {print base, mask, w, p, g, f, pic, c, u, $2}' |
        while read -r base mask counts; do
            if (((win & ~mask) == base)); then
                echo "$counts"
                break
            fi
        done
}

row() {
    printf '%8s %7s %7s %4s %5s %4s %5s %5s %5s %5s %9s  %s\n' "$@"
}

# One row of the table, kept in $samples too: the time $1, memory, X resources and the look $2
# (default: the one last seen).
samples="$E2E_TMP/samples"
sample() {
    e2e_app_running || fail "the program ended during the soak"
    local figures
    read -r -a figures <<<"$1 $(memory) $(x_resources) ${2:-${E2E_BUTTON_SEEN%% *}}"
    [ "${#figures[@]}" -eq 12 ] || fail "cannot read the program's figures: ${figures[*]}"
    echo "${figures[*]}" >>"$samples"
    row "${figures[@]}"
}

row "t (s)" "RSS KB" "HWM KB" win pixm GCs fonts pics curs other pixbytes look
sample settled focused

ticks=$((warmup + minutes * 60))
moves=0
late=0
start_ms=$(e2e_now_ms)
for tick in $(seq 1 "$ticks"); do
    wait_ms=$((start_ms + tick * 1000 - $(e2e_now_ms)))
    if [ "$wait_ms" -gt 0 ]; then
        sleep "$((wait_ms / 1000)).$(printf '%03d' $((wait_ms % 1000)))"
    elif [ "$wait_ms" -lt -500 ]; then
        late=$((late + 1))
    fi
    if ((tick % 2 == 0)); then
        e2e_mousemove "$button_x" "$button_y"
    else
        e2e_mousemove 0 0
    fi
    moves=$((moves + 1))
    if ((tick >= warmup && (tick - warmup) % every == 0)); then
        e2e_poll 2 e2e_button_shows "$win" hover || true
        sample $((tick - warmup))
    fi
done
e2e_mousemove 0 0
left=$(e2e_poll 2 e2e_button_shows "$win" focused && echo yes || echo "no ($E2E_BUTTON_SEEN)")

echo
echo "$moves pointer moves in $(((($(e2e_now_ms) - start_ms) + 500) / 1000)) s, $late of them over 0.5 s late;" \
    "hover look at $(awk 'NR > 1 && $12 == "hover"' "$samples" | wc -l) of $(($(wc -l <"$samples") - 1)) samples;" \
    "focused look again after the pointer left: $left"
awk -v minutes="$minutes" '
    NR == 2 {for (i = 2; i <= 11; i++) first[i] = $i}
    {for (i = 2; i <= 11; i++) last[i] = $i}
    END {
        split("rss hwm windows pixmaps GCs fonts pictures cursors other pixmap-bytes", name, " ")
        rss = last[2] - first[2]
        out = sprintf("verdict over %s min: RSS %+d KB (aim < 1024: %s), HWM %+d KB;", minutes, rss,
            rss < 1024 ? "ok" : "over", last[3] - first[3])
        grown = 0
        for (i = 4; i <= 11; i++) {
            out = out sprintf(" %s %+d", name[i - 1], last[i] - first[i])
            if (last[i] > first[i]) grown = 1
        }
        print out "; X resource counts " (grown ? "GREW" : "no growth")
    }' "$samples"
