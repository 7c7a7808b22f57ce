#!/usr/bin/env bash
# The countdown window on a real display: its title, size, centred frame, window-manager hints,
# the running counter, the settled texts and their green colour at 344 days left.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"

e2e_start_display
e2e_watch_clients
launch_ms=$(e2e_now_ms)
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
shown_ms=$(e2e_now_ms)

# Size, position and frame. The program centres the client area when it shows the window and
# the frame as soon as the window manager has told it the frame's size, a moment later.
read -r _ _ w h <<<"$(e2e_client_geometry "$win")"
[ "$w" -eq 550 ] && [ "$h" -eq 289 ] || fail "client area is ${w}x${h}, expected 550x289"
read -r sw sh <<<"$(e2e_screen_size)"
frame_centred() {
    local fx fy fw fh dx dy
    read -r fx fy fw fh <<<"$(e2e_frame_geometry "$win")" || return 1
    # Twice the centres, so odd sizes stay whole numbers; a difference of 2 is one pixel.
    dx=$((2 * fx + fw - sw))
    dy=$((2 * fy + fh - sh))
    [ "${dx#-}" -le 4 ] && [ "${dy#-}" -le 4 ]
}
e2e_poll 10 frame_centred ||
    fail "frame $(e2e_frame_geometry "$win") (x y w h) is not centred on the ${sw}x${sh} screen"
e2e_client_shot "$win" "$E2E_TMP/early.png"
# A title bar: the frame's top edge is far thicker than a border. Extents: left, right, top, bottom.
read -r -a extents <<<"$(e2e_cardinals "$win" _NET_FRAME_EXTENTS)"
[ "${extents[2]}" -ge 15 ] || fail "frame has no title bar (extents ${extents[*]})"
hints=$(xprop -id "$win" WM_NORMAL_HINTS)
grep -q 'minimum size: 550 by 289' <<<"$hints" && grep -q 'maximum size: 550 by 289' <<<"$hints" ||
    fail "window is resizable: $hints"

# No taskbar entry.
xprop -id "$win" _NET_WM_STATE | grep -q '_NET_WM_STATE_SKIP_TASKBAR' ||
    fail "_NET_WM_STATE lacks _NET_WM_STATE_SKIP_TASKBAR: $(xprop -id "$win" _NET_WM_STATE)"

# Motif hints: flags, functions, decorations, input mode, status. A title bar, but no close,
# minimise or maximise function and no menu, minimise or maximise decoration.
read -r -a motif <<<"$(e2e_cardinals "$win" _MOTIF_WM_HINTS)"
[ "${#motif[@]}" -ge 3 ] || fail "window has no _MOTIF_WM_HINTS"
readonly MWM_HINTS_FUNCTIONS=1 MWM_HINTS_DECORATIONS=2
readonly MWM_FUNC_ALL=1 MWM_FUNC_MINIMIZE=8 MWM_FUNC_MAXIMIZE=16 MWM_FUNC_CLOSE=32
readonly MWM_DECOR_ALL=1 MWM_DECOR_TITLE=8 MWM_DECOR_MENU=16 MWM_DECOR_MINIMIZE=32 MWM_DECOR_MAXIMIZE=64
flags=${motif[0]} functions=${motif[1]} decorations=${motif[2]}
((flags & MWM_HINTS_FUNCTIONS)) || fail "_MOTIF_WM_HINTS does not restrict functions: ${motif[*]}"
unwanted=$((MWM_FUNC_MINIMIZE | MWM_FUNC_MAXIMIZE | MWM_FUNC_CLOSE))
if ((functions & MWM_FUNC_ALL)); then
    # MWM_FUNC_ALL inverts the meaning: the other bits name the functions taken away.
    (((functions & unwanted) == unwanted)) || fail "_MOTIF_WM_HINTS functions allow buttons: ${motif[*]}"
else
    ((functions & unwanted)) && fail "_MOTIF_WM_HINTS functions allow buttons: ${motif[*]}"
fi
# Without the decorations field a window manager draws its own set, window menu included.
((flags & MWM_HINTS_DECORATIONS)) || fail "_MOTIF_WM_HINTS leaves the decorations open: ${motif[*]}"
if ((flags & MWM_HINTS_DECORATIONS)); then
    ((decorations & MWM_DECOR_ALL)) && fail "_MOTIF_WM_HINTS asks for all decorations: ${motif[*]}"
    ((decorations & (MWM_DECOR_MENU | MWM_DECOR_MINIMIZE | MWM_DECOR_MAXIMIZE))) &&
        fail "_MOTIF_WM_HINTS decorations include buttons: ${motif[*]}"
    ((decorations & MWM_DECOR_TITLE)) || fail "_MOTIF_WM_HINTS decorations lack the title: ${motif[*]}"
fi

# The counter starts high, in white, and runs down.
e2e_text_colour_is "$E2E_TMP/early.png" "$E2E_LABEL4" white >/dev/null ||
    fail "counter is not white at the start: $(e2e_colour_counts "$E2E_TMP/early.png" "$E2E_LABEL4")"
counter_moved() {
    e2e_client_shot "$win" "$E2E_TMP/moving.png"
    ! e2e_region_same "$E2E_TMP/early.png" "$E2E_TMP/moving.png" "$E2E_LABEL4"
}
e2e_poll 3 counter_moved || fail "the counter did not change within 3 s of the window appearing"

# It settles on the true count, 0 3 4 4, like the window rendered offscreen at the same clock.
e2e_reference "$CLOCK" "$E2E_TMP/reference.png"
counter_settled() {
    e2e_client_shot "$win" "$E2E_TMP/settled.png"
    e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/settled.png" "$E2E_LABEL4"
}
e2e_poll 30 counter_settled || fail "the counter did not settle on the reference's 0 3 4 4"
settled_ms=$(e2e_now_ms)
for label in Label1 Label2 Label3; do
    e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/settled.png" "$(e2e_label_rect "$label")" ||
        fail "$label differs from the reference"
done
for label in "${E2E_VISIBLE_LABELS[@]}"; do
    counts=$(e2e_text_colour_is "$E2E_TMP/settled.png" "$(e2e_label_rect "$label")" green) ||
        fail "$label is not green at 344 days left: $counts"
done

# The time left today follows the running clock: it matches the reference rendered at one of
# the seconds the clock can have shown when the screenshot was taken.
low=$(((settled_ms - shown_ms) / 1000 - 1))
high=$(((settled_ms - launch_ms) / 1000 + 1))
matched=""
for seconds in $(seq "$low" "$high"); do
    e2e_reference "$(e2e_clock_plus "$CLOCK" "$seconds")" "$E2E_TMP/reference-$seconds.png"
    if e2e_region_same "$E2E_TMP/reference-$seconds.png" "$E2E_TMP/settled.png" "$E2E_LABEL6"; then
        matched=$seconds
    fi
done
[ -n "$matched" ] || fail "Label6 matches no reference $low to $high s after $CLOCK"

# Settled means settled: the counter stays put.
sleep 0.3
e2e_client_shot "$win" "$E2E_TMP/later.png"
e2e_region_same "$E2E_TMP/settled.png" "$E2E_TMP/later.png" "$E2E_LABEL4" ||
    fail "the counter changed after settling"

# The window was the only one, and the program keeps running until it is ended.
[ "$(e2e_clients_seen)" = "$win" ] || fail "windows other than the countdown appeared: $(e2e_clients_seen)"
e2e_app_running || fail "the program ended by itself"
kill "$E2E_APP"
[ "$(e2e_wait_exit 5)" != running ] || fail "the program did not end on SIGTERM"
echo "PASS: window (settled $(((settled_ms - shown_ms) / 1000)) s after showing)"
