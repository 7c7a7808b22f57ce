#!/usr/bin/env bash
# Helpers for whole-program tests: a private X display with a window manager, the program under
# test, and ways to find its windows, drive the pointer and keyboard and read screen pixels.
# Source this file; every test script gets the program's path as its first argument.
set -euo pipefail

E2E_PROGRAM=${1:?usage: $0 PATH-TO-TOLVANE}
E2E_TMP=$(mktemp -d)
E2E_PIDS=()
E2E_NAME=$(basename "$0" .sh)
# Window titles are Chinese: xdotool matches them only in a UTF-8 locale, which a bare machine
# may not set.
export LC_ALL=C.UTF-8

# Where a failing test leaves its screenshots and the program's output.
E2E_FAILURES=${E2E_FAILURES:-/tmp/tolvane-e2e-failures}
rm -rf "${E2E_FAILURES:?}/$E2E_NAME"  # evidence of an earlier run would mislead

# A private runtime folder keeps Qt's warning about a missing one off the program's stderr,
# so tests can check that stderr holds exactly the program's own lines.
export XDG_RUNTIME_DIR="$E2E_TMP/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"

e2e_cleanup() {
    local pid
    for pid in "${E2E_PIDS[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    wait 2>/dev/null || true
    rm -rf "$E2E_TMP"
}
trap e2e_cleanup EXIT

# Reports a failure, keeps the evidence (a screenshot of the display if one runs, every PNG the
# test made, the program's output) under $E2E_FAILURES/<test name>, and ends the test.
fail() {
    echo "FAIL: $*" >&2
    local dir="$E2E_FAILURES/$E2E_NAME"
    rm -rf "$dir"
    mkdir -p "$dir"
    if [ -n "${DISPLAY:-}" ]; then
        import -window root "$dir/screen-at-failure.png" 2>/dev/null || true
    fi
    cp "$E2E_TMP"/*.png "$E2E_TMP"/*.log "$E2E_TMP"/stdout "$E2E_TMP"/stderr "$dir"/ 2>/dev/null || true
    echo "FAIL: evidence kept in $dir" >&2
    exit 1
}

# Starts Xvfb on a free display and the xfwm4 window manager on it.
e2e_start_display() {
    local fd_file="$E2E_TMP/display"
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$fd_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    # Generous deadlines: on a busy two-core machine the server and the window manager can take
    # several seconds to come up.
    e2e_poll 20 test -s "$fd_file" || fail "Xvfb did not start"
    export DISPLAY=":$(head -n1 "$fd_file")"
    unset QT_QPA_PLATFORM WAYLAND_DISPLAY
    # NO_AT_BRIDGE keeps the window manager's toolkit from starting an accessibility bus of its
    # own: it would listen on the same socket path as the one the accessibility test starts, and
    # the program could then register on the wrong one.
    NO_AT_BRIDGE=1 xfwm4 --compositor=off >"$E2E_TMP/xfwm4.log" 2>&1 &
    E2E_PIDS+=($!)
    # The first start on a fresh machine also builds the font cache.
    e2e_poll 60 e2e_wm_running ||
        fail "window manager did not start: $(tail -n 5 "$E2E_TMP/xfwm4.log")"
}

e2e_wm_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}

# Starts the program with the given arguments in the background; its pid is in E2E_APP.
# A small keeper shell waits for it and writes its exit status to a file, so that the status
# can be read from anywhere, also from inside $(...), where the program is no child to wait for.
E2E_LAUNCHES=0
e2e_launch() {
    E2E_LAUNCHES=$((E2E_LAUNCHES + 1))
    local pid_file="$E2E_TMP/app.$E2E_LAUNCHES.pid"
    (
        "$E2E_PROGRAM" "$@" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" &
        echo $! >"$pid_file"
        status=0
        wait $! || status=$?
        echo "$status" >"$E2E_TMP/app.$E2E_LAUNCHES.status"
    ) &
    E2E_PIDS+=($!)
    e2e_poll 10 test -s "$pid_file" || fail "could not start $E2E_PROGRAM"
    E2E_APP=$(cat "$pid_file")
    E2E_PIDS+=("$E2E_APP")
}

# True while the program last launched runs.
e2e_app_running() {
    [ ! -s "$E2E_TMP/app.$E2E_LAUNCHES.status" ]
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
    local timeout=${1:-10} i status_file="$E2E_TMP/app.$E2E_LAUNCHES.status"
    for i in $(seq 1 $((timeout * 20))); do
        if [ -s "$status_file" ]; then
            cat "$status_file"
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

# --- Time -------------------------------------------------------------------------------------

# Milliseconds since the epoch.
e2e_now_ms() {
    local us=${EPOCHREALTIME/[.,]/}
    echo $((us / 1000))
}

# Runs the command "$2..." every 50 ms until it succeeds or $1 seconds have passed; returns its
# last status. Tests wait on conditions this way instead of sleeping for a fixed time.
e2e_poll() {
    local timeout=$1
    shift
    local deadline=$(($(e2e_now_ms) + timeout * 1000))
    while true; do
        "$@" && return 0
        [ "$(e2e_now_ms)" -ge "$deadline" ] && return 1
        sleep 0.05
    done
}

# --- Windows ----------------------------------------------------------------------------------

# True while a mapped window has the title $1.
e2e_has_window() {
    xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

# Prints the value of the numeric property $2 (CARDINAL or similar) of window $1 as
# space-separated decimal numbers, or nothing when the window does not have it.
e2e_cardinals() {
    xprop -id "$1" "$2" 2>/dev/null | awk -F' = ' 'NF == 2 {gsub(/,/, "", $2); print $2}' |
        while read -r -a values; do
            local v out=()
            for v in "${values[@]}"; do out+=($((v))); done
            echo "${out[*]}"
        done
}

# Prints "X Y W H" of the window manager's frame around window $1, from _NET_FRAME_EXTENTS.
e2e_frame_geometry() {
    local client extents
    read -r -a client <<<"$(e2e_client_geometry "$1")"
    read -r -a extents <<<"$(e2e_cardinals "$1" _NET_FRAME_EXTENTS)"
    [ "${#extents[@]}" -eq 4 ] || return 1
    # Extents are left, right, top, bottom.
    echo "$((client[0] - extents[0])) $((client[1] - extents[2]))" \
        "$((client[2] + extents[0] + extents[1])) $((client[3] + extents[2] + extents[3]))"
}

# Prints "W H" of the root window.
e2e_screen_size() {
    xwininfo -root | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w, h}'
}

# Records every window the window manager manages from now on (in _NET_CLIENT_LIST), so a test
# can tell afterwards which windows ever appeared, however briefly.
# Calling it again forgets what was recorded so far.
e2e_watch_clients() {
    if [ -n "${E2E_WATCHER:-}" ]; then
        kill "$E2E_WATCHER" 2>/dev/null || true
        wait "$E2E_WATCHER" 2>/dev/null || true
    fi
    xprop -root -spy _NET_CLIENT_LIST >"$E2E_TMP/clients" 2>/dev/null &
    E2E_WATCHER=$!
    E2E_PIDS+=("$E2E_WATCHER")
    # The first line is the list as it stands; once it is there, nothing later can be missed.
    e2e_poll 5 test -s "$E2E_TMP/clients" || fail "cannot watch _NET_CLIENT_LIST"
}

# Prints, one per line, the id (decimal) of every window managed since e2e_watch_clients.
e2e_clients_seen() {
    grep -o '0x[0-9a-f]*' "$E2E_TMP/clients" 2>/dev/null | sort -u | while read -r id; do
        echo $((id))
    done
}

# Presses and releases Enter in window $1 once it has the keyboard focus. The key goes through
# the XTEST extension to the focused window: "xdotool key --window" would abort on the error
# that the window, closed by the press, raises for the release, and leave the key held down on
# the server, so that the next program's press would arrive as an auto-repeat.
e2e_press_enter() {
    local window=$1
    has_focus() { [ "$(xdotool getwindowfocus 2>/dev/null)" = "$window" ]; }
    if ! has_focus; then
        xdotool windowactivate "$window" >/dev/null 2>&1 || true
        e2e_poll 3 has_focus || fail "window $window did not get the keyboard focus"
    fi
    xdotool key Return
}

# --- Pixels -----------------------------------------------------------------------------------

# Writes a PNG of the client area of window $1 (as it shows on screen) to $2.
e2e_client_shot() {
    local g
    read -r -a g <<<"$(e2e_client_geometry "$1")"
    import -window root -crop "${g[2]}x${g[3]}+${g[0]}+${g[1]}" +repage "$2"
}

# Renders the settled window at clock $1 offscreen to $2 (the program's --screenshot).
e2e_reference() {
    local status=0
    QT_QPA_PLATFORM=offscreen "$E2E_PROGRAM" --clock "$1" --screenshot "$2" \
        >"$E2E_TMP/reference.out" 2>&1 || status=$?
    [ "$status" -eq 0 ] || fail "reference at \"$1\" exited $status: $(cat "$E2E_TMP/reference.out")"
}

# Prints how many pixels differ between the rectangle $3 (WxH+X+Y) of PNG $1 and of PNG $2.
e2e_region_diff() {
    local a="$E2E_TMP/region-a.png" b="$E2E_TMP/region-b.png"
    convert "$1" -crop "$3" +repage "$a"
    convert "$2" -crop "$3" +repage "$b"
    compare -metric AE "$a" "$b" null: 2>&1 || true
}

# True when the rectangle $3 of PNGs $1 and $2 is identical.
e2e_region_same() {
    [ "$(e2e_region_diff "$@")" = 0 ]
}

# Prints how many pixels differ between the text shapes in rectangle $3 of PNGs $1 and $2,
# whatever the text colours: each pixel becomes text or background by its brightest channel.
e2e_region_shape_diff() {
    local a="$E2E_TMP/shape-a.png" b="$E2E_TMP/shape-b.png"
    convert "$1" -crop "$3" +repage -channel RGB -separate -evaluate-sequence max -threshold 40% "$a"
    convert "$2" -crop "$3" +repage -channel RGB -separate -evaluate-sequence max -threshold 40% "$b"
    compare -metric AE "$a" "$b" null: 2>&1 || true
}

# True when rectangle $3 of PNGs $1 and $2 holds the same text in possibly different colours.
# The anti-aliased edges of a glyph land on the threshold a little differently in each colour,
# so a few pixels may differ; one changed digit of the date line differs in some twenty.
e2e_region_same_shape() {
    [ "$(e2e_region_shape_diff "$@")" -le 4 ]
}

# Prints "white=N green=N yellow=N red=N": how many pixels of rectangle $2 of PNG $1 are text
# of each of the program's label colours. Text is anti-aliased over a dark picture, so a pixel
# counts by its hue (a dimmed 00FF00 such as 01A902 is green) rather than by its exact value;
# dark background pixels count as none of them.
e2e_colour_counts() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | awk '
        NR > 1 {
            split($2, c, /[(),]/); r = c[2] + 0; g = c[3] + 0; b = c[4] + 0
            hi = r; if (g > hi) hi = g; if (b > hi) hi = b
            lo = r; if (g < lo) lo = g; if (b < lo) lo = b
            rg = r < g ? r : g
            if (g >= 96 && r * 4 <= g && b * 4 <= g) n["green"]++
            else if (r >= 96 && g * 4 <= r && b * 4 <= r) n["red"]++
            else if (rg >= 96 && b * 4 <= rg && (r - g) * (r - g) * 16 <= hi * hi) n["yellow"]++
            else if (lo >= 96 && hi - lo < 40) n["white"]++
        }
        END { printf "white=%d green=%d yellow=%d red=%d\n", n["white"], n["green"], n["yellow"], n["red"] }'
}

# Succeeds when the text in rectangle $2 of PNG $1 has the colour $3 (white, green, yellow or
# red): at least $4 (default 40) pixels of that colour and fewer than a tenth as many of any other
# text colour. Otherwise prints the counts and fails.
e2e_text_colour_is() {
    local counts wanted=0 other=0 pair name value
    counts=$(e2e_colour_counts "$1" "$2")
    for pair in $counts; do
        name=${pair%=*}
        value=${pair#*=}
        if [ "$name" = "$3" ]; then
            wanted=$value
        elif [ "$value" -gt "$other" ]; then
            other=$value
        fi
    done
    if [ "$wanted" -ge "${4:-40}" ] && [ $((other * 10)) -lt "$wanted" ]; then
        return 0
    fi
    echo "$counts"
    return 1
}

# Label rectangles in client pixels, each wide enough for the texts the label takes at run time
# and clear of its neighbours. Tests read them through e2e_label_rect.
# shellcheck disable=SC2034
{
    E2E_LABEL1="180x16+320+136" # heading 距离2014年4月8日还剩 ：
    E2E_LABEL2="22x18+392+216"  # 天
    E2E_LABEL3="220x16+16+264"  # date line 现在日期：...
    E2E_LABEL4="160x50+224+184" # day counter
    E2E_LABEL6="120x18+416+216" # time left today
    E2E_VISIBLE_LABELS=(Label1 Label2 Label3 Label4 Label6)
}

# Prints the rectangle of label $1 (Label1 ... Label6).
e2e_label_rect() {
    local var="E2E_${1^^}"
    echo "${!var}"
}

# Prints the clock text "YYYY-MM-DD hh:mm:ss" that lies $2 seconds after the clock text $1.
e2e_clock_plus() {
    local start
    start=$(TZ=UTC date -d "$1" +%s)
    TZ=UTC date -d "@$((start + $2))" '+%Y-%m-%d %H:%M:%S'
}

# Prints the percentage (rounded down) of the aligned 2 x 2 blocks of rectangle $2 (WxH+X+Y,
# X and Y even) of PNG $1 whose four pixels are all the same colour. A picture enlarged to twice
# its size by repeating pixels is made of such blocks alone.
e2e_uniform_block_percent() {
    convert "$1" -crop "$2" +repage -depth 8 txt:- | awk '
        NR > 1 {
            split($1, xy, /[,:]/)
            block = int(xy[1] / 2) "," int(xy[2] / 2)
            if (!(block in first)) { first[block] = $2; blocks++ }
            else if (first[block] != $2 && !(block in mixed)) { mixed[block] = 1; mixed_blocks++ }
        }
        END { printf "%d\n", 100 * (blocks - mixed_blocks) / blocks }'
}

# --- The close button -------------------------------------------------------------------------

# The device pixels per logical pixel the program under test runs at (QT_SCALE_FACTOR), a whole
# number. Client points and the button's rectangle below are logical; the functions that read the
# screen multiply them by it.
E2E_RATIO=${E2E_RATIO:-1}

# The close button in client pixels: its rectangle and its centre.
# shellcheck disable=SC2034
{
    E2E_BUTTON="105x33+432+248"
    E2E_BUTTON_X=432
    E2E_BUTTON_Y=248
    E2E_BUTTON_CENTRE_X=484
    E2E_BUTTON_CENTRE_Y=264
}

# The silver theme's colours (r,g,b) of each look the button can show while enabled: the corner
# colours of its two quadrant gradients, Q1TL Q1TR Q1BL Q1BR (upper) and Q2TL Q2TR Q2BL Q2BR
# (lower), then the outline.
# Read through E2E_SILVER_LOOKS.
# shellcheck disable=SC2034
{
    E2E_SILVER_LOOKS=(normal hover focused pressed)
    E2E_SILVER_normal="213,213,214 239,239,239 193,194,195 234,234,234 178,177,180 228,229,228 195,195,198 236,236,236 99,99,99"
    E2E_SILVER_hover="183,226,249 220,244,248 153,216,250 228,253,254 128,207,250 220,253,254 161,221,254 224,255,252 32,87,170"
    E2E_SILVER_focused="168,198,223 227,244,248 152,189,217 236,253,254 126,173,207 234,254,254 161,195,222 237,255,255 32,87,170"
    E2E_SILVER_pressed="142,179,209 218,239,248 120,165,200 224,245,253 85,142,186 217,244,253 129,170,205 225,246,254 32,87,170"
}

# Pixels of the 105 x 33 button (button coordinates) that tell its looks apart, each with the part
# of the picture that holds it: a quadrant gradient (upper left [1, 1, 52, 16], lower left
# [1, 16, 52, 16], upper right [52, 1, 52, 16], lower right [52, 16, 52, 16]; the right half
# mirrors the left) or the outline. They avoid the edge strips (columns 0-1 and 102-104, rows 1
# and 30-32), the focus dots (columns 2 and 101, rows 2 and 29) and the caption. At ratio r the
# button paints 105r x 33r device pixels: the samples are r times as far in, and the quadrants
# begin at r with the size's half and the half less r, rounded half to even.
E2E_BUTTON_SAMPLES=("4 4 UL" "20 12 UL" "6 20 LL" "30 26 LL" "80 8 UR" "98 24 LR" "50 0 O")

# Writes a PNG of the close button of window $1 (its 105 x 33 rectangle, in device pixels as it
# shows on screen) to $2.
e2e_button_shot() {
    local x y r=$E2E_RATIO
    read -r x y _ _ <<<"$(e2e_client_geometry "$1")"
    import -window root -crop "$((105 * r))x$((33 * r))+$((x + E2E_BUTTON_X * r))+$((y + E2E_BUTTON_Y * r))" \
        +repage "$2"
}

# Prints the look of the close button in the picture $1 of the button alone (e2e_button_shot)
# or, given the rectangle $2 it lies in, of a larger picture: normal, hover, focused or pressed, when
# every sample pixel is within 2 of the colour that look's gradients give it (the quadrants are
# four-corner gradients: each edge ramp is rounded to whole channel values, halves to even, and
# each row is a ramp between the rounded edge colours). Otherwise prints "unknown" with the
# pixels seen and fails.
e2e_button_look() {
    local spec points=() look tables=()
    for spec in "${E2E_BUTTON_SAMPLES[@]}"; do
        read -r -a spec <<<"$spec"
        points+=("${spec[0]},${spec[1]}")
    done
    for look in "${E2E_SILVER_LOOKS[@]}"; do
        local var="E2E_SILVER_$look"
        tables+=("$look ${!var}")
    done
    {
        printf 'sample %s\n' "${E2E_BUTTON_SAMPLES[@]}"
        printf 'look %s\n' "${tables[@]}"
        convert "$1" -crop "${2:-$((105 * E2E_RATIO))x$((33 * E2E_RATIO))+0+0}" +repage -depth 8 \
            txt:- | awk -v points="${points[*]}" -v r="$E2E_RATIO" '
            BEGIN {
                n = split(points, p, " ")
                for (i = 1; i <= n; i++) { split(p[i], xy, ","); want[xy[1] * r "," xy[2] * r] = p[i] }
            }
            NR > 1 { split($1, xy, /[,:]/); key = xy[1] "," xy[2]; if (key in want) print "pixel", want[key], $2 }'
    } | awk -v r="$E2E_RATIO" '
        function rne(v,  f, d) {
            f = int(v); d = v - f
            if (d > 0.5 || (d == 0.5 && f % 2 == 1)) f++
            return f
        }
        function ramp(count, from, to, i) { return rne((to - from) / count * i + from) }
        # Channel c of the four-corner gradient with corners tl, tr, bl, br (indices into col)
        # over w x h, at (x, y) inside it.
        function four(tl, tr, bl, br, w, h, x, y, c,  left, right) {
            left = ramp(h, col[tl, c], col[bl, c], y)
            right = ramp(h, col[tr, c], col[br, c], y)
            return ramp(w, left, right, x)
        }
        BEGIN { qw = rne(105 * r / 2); qh = rne(33 * r / 2 - r) }
        $1 == "sample" { ns++; sx[ns] = $2; sy[ns] = $3; part[ns] = $4 }
        $1 == "look" {
            nl++; name[nl] = $2
            for (k = 3; k <= NF; k++) {
                split($k, rgb, ","); for (c = 1; c <= 3; c++) col[nl "." (k - 2), c] = rgb[c]
            }
        }
        $1 == "pixel" {
            split($2, xy, ","); split($3, rgb, /[(),]/)
            for (c = 1; c <= 3; c++) seen[xy[1], xy[2], c] = rgb[c + 1]
            hex[xy[1], xy[2]] = sprintf("%02X%02X%02X", rgb[2], rgb[3], rgb[4])
        }
        END {
            for (l = 1; l <= nl; l++) {
                ok = 1
                for (s = 1; s <= ns; s++) {
                    x = sx[s]; y = sy[s]; dx = x * r; dy = y * r; q = l "."
                    for (c = 1; c <= 3; c++) {
                        if (part[s] == "O") want = col[q 9, c]
                        else if (part[s] == "UL") want = four(q 1, q 2, q 3, q 4, qw, qh, dx - r, dy - r, c)
                        else if (part[s] == "LL") want = four(q 5, q 6, q 7, q 8, qw, qh, dx - r, dy - qh, c)
                        else if (part[s] == "UR") want = four(q 2, q 1, q 4, q 3, qw, qh, dx - qw, dy - r, c)
                        else want = four(q 6, q 5, q 8, q 7, qw, qh, dx - qw, dy - qh, c)
                        d = seen[x, y, c] - want
                        if (!((x, y, c) in seen) || d > 2 || d < -2) ok = 0
                    }
                }
                if (ok) { print name[l]; exit 0 }
            }
            out = "unknown:"
            for (s = 1; s <= ns; s++) out = out " (" sx[s] "," sy[s] ")=" hex[sx[s], sy[s]]
            print out
            exit 1
        }'
}

# True when the close button of window $1 shows the look $2 now. The look seen is left in
# E2E_BUTTON_SEEN and the button's picture in $E2E_TMP/look.png, for the failure message and its
# evidence.
e2e_button_shows() {
    e2e_button_shot "$1" "$E2E_TMP/look.png"
    E2E_BUTTON_SEEN=$(e2e_button_look "$E2E_TMP/look.png") || true
    [ "$E2E_BUTTON_SEEN" = "$2" ]
}

# --- Pointer ----------------------------------------------------------------------------------

# Prints the screen position "X Y" of the point ($2, $3) of window $1's client area, given in
# logical pixels.
e2e_screen_point() {
    local x y
    read -r x y _ _ <<<"$(e2e_client_geometry "$1")"
    echo "$((x + $2 * E2E_RATIO)) $((y + $3 * E2E_RATIO))"
}

# Moves the pointer to the screen point ($1, $2) and waits until it is there. (xdotool's own
# wait, --sync, waits for a movement and hangs for 15 s when the pointer is there already.)
e2e_mousemove() {
    local X Y
    eval "$(xdotool getmouselocation --shell | grep -E '^[XY]=')"
    [ "$X" = "$1" ] && [ "$Y" = "$2" ] && return 0
    xdotool mousemove --sync "$1" "$2"
}

# Moves the pointer to the point ($2, $3) of window $1's client area.
e2e_pointer_to() {
    local x y
    read -r x y <<<"$(e2e_screen_point "$1" "$2" "$3")"
    e2e_mousemove "$x" "$y"
}

# Drags with mouse button $1 (1 left, 2 middle, 3 right) from screen point ($2, $3) by ($4, $5)
# in $6 (default 4) equal steps, releasing at the end.
e2e_drag() {
    local button=$1 x=$2 y=$3 dx=$4 dy=$5 steps=${6:-4} i
    e2e_mousemove "$x" "$y"
    xdotool mousedown "$button"
    for i in $(seq 1 "$steps"); do
        e2e_mousemove $((x + dx * i / steps)) $((y + dy * i / steps))
    done
    xdotool mouseup "$button"
}

# True when the frame of window $1 is centred on the screen (within two pixels): where the program
# places the window once the window manager has framed it.
e2e_frame_centred() {
    local sw sh fx fy fw fh
    read -r sw sh <<<"$(e2e_screen_size)"
    read -r fx fy fw fh <<<"$(e2e_frame_geometry "$1")" || return 1
    # Twice the centres, so odd sizes stay whole numbers; a difference of 2 is one pixel.
    local dx=$((2 * fx + fw - sw)) dy=$((2 * fy + fh - sh))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}

# True when the frame of window $1 stays at the same place for half a second; the two places
# read are left in E2E_FRAME_BEFORE and E2E_FRAME_AFTER.
e2e_frame_still() {
    E2E_FRAME_BEFORE=$(e2e_frame_geometry "$1")
    sleep 0.5
    E2E_FRAME_AFTER=$(e2e_frame_geometry "$1")
    [ "$E2E_FRAME_BEFORE" = "$E2E_FRAME_AFTER" ]
}

# Waits until window $1 has its place: centred, or else (should the program leave it elsewhere)
# at the same place for half a second. Fails after a few seconds of neither.
e2e_wait_placed() {
    e2e_poll 10 e2e_frame_centred "$1" && return 0
    echo "note: the window is not centred: frame $(e2e_frame_geometry "$1") (x y w h)" >&2
    e2e_poll 5 e2e_frame_still "$1" ||
        fail "the window keeps moving: $E2E_FRAME_BEFORE, then $E2E_FRAME_AFTER (x y w h)"
}

# --- Assistive technology ---------------------------------------------------------------------

# Starts a private D-Bus session bus and, on it, the AT-SPI accessibility bus with accessibility
# switched on, as a desktop does when a screen reader runs: programs started afterwards publish
# their accessible tree there, and clients such as pyatspi read it. Exports
# DBUS_SESSION_BUS_ADDRESS. The launcher is $TOLVANE_AT_SPI_BUS_LAUNCHER, or Debian's.
e2e_start_accessibility() {
    local bus_file="$E2E_TMP/session-bus"
    local launcher=${TOLVANE_AT_SPI_BUS_LAUNCHER:-/usr/libexec/at-spi-bus-launcher}
    dbus-daemon --session --nofork --print-address=3 3>"$bus_file" >/dev/null 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll 10 test -s "$bus_file" || fail "the D-Bus session bus did not start"
    DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$bus_file")
    export DBUS_SESSION_BUS_ADDRESS
    "$launcher" --launch-immediately --a11y=1 >"$E2E_TMP/at-spi.log" 2>&1 &
    E2E_PIDS+=($!)
    e2e_poll 10 e2e_accessibility_bus_up ||
        fail "the AT-SPI bus did not start: $(cat "$E2E_TMP/at-spi.log")"
    # Qt reads this once, at start-up, and never registers when it is off.
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.freedesktop.DBus.Properties.Get string:org.a11y.Status string:IsEnabled 2>/dev/null |
        grep -q 'boolean true' || fail "the AT-SPI bus is up but accessibility is switched off"
    e2e_poll 10 e2e_accessibility_address_known ||
        fail "the AT-SPI bus did not tell its address: $(cat "$E2E_TMP/at-spi.log")"
    # The registry starts on the first call that needs it; a program that registers while it is
    # still starting on a loaded machine may never appear in the desktop tree. Start it first.
    dbus-send --bus="$E2E_A11Y_BUS" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.StartServiceByName string:org.a11y.atspi.Registry uint32:0 \
        >/dev/null 2>&1 || true
    e2e_poll 20 e2e_accessibility_registry_up || fail "the AT-SPI registry did not start"
}

# True once an application has registered with the AT-SPI registry.
e2e_accessible_application_registered() {
    dbus-send --bus="$E2E_A11Y_BUS" --print-reply --dest=org.a11y.atspi.Registry \
        /org/a11y/atspi/accessible/root org.a11y.atspi.Accessible.GetChildren 2>/dev/null |
        grep -q 'object path'
}

# True once the AT-SPI bus tells its address, which it leaves in E2E_A11Y_BUS.
e2e_accessibility_address_known() {
    E2E_A11Y_BUS=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
        org.a11y.Bus.GetAddress 2>/dev/null | sed -n 's/^ *string "\(unix:.*\)"$/\1/p')
    [ -n "$E2E_A11Y_BUS" ]
}

# True once the AT-SPI registry owns its name on the accessibility bus.
e2e_accessibility_registry_up() {
    dbus-send --bus="$E2E_A11Y_BUS" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null |
        grep -q 'boolean true'
}

# True once the launcher started above owns the AT-SPI bus's name on the session bus. It asks the
# bus daemon rather than the name itself: a call to the name before the launcher owns it would
# have the daemon start a second launcher of its own, with accessibility as the desktop settings
# have it (off); when that one won the name, the program saw accessibility off and never
# registered.
e2e_accessibility_bus_up() {
    dbus-send --session --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null | grep -q 'boolean true'
}
