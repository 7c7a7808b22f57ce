#!/usr/bin/env bash
# The window running natively on Wayland under weston, which draws no title bars (started by the
# test on its X11 backend over Xvfb, which gives the window a keyboard and the focus): the window
# draws its own title strip, which reads "Tolvane" and has no buttons, above a client area equal
# pixel for pixel to the program's --screenshot; a drag on the strip moves the window.
# Usage: weston_test.sh PROGRAM TITLE_STRIP_PICTURE
source "$(dirname "$0")/../e2e_lib.sh"
source "$(dirname "$0")/wayland_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly OUTPUT_W=1024 OUTPUT_H=700

wl_prepare "$E2E_PROGRAM" "${2:?usage: $0 PROGRAM TITLE_STRIP_PICTURE}"
strip_picture="$WL_DIR/$(basename "$2")"

# Xvfb alone, no window manager: weston's output is an X window at the screen's top-left.
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_TMP/display" >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_poll 20 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
export DISPLAY=":$(head -n1 "$E2E_TMP/display")"
unset QT_QPA_PLATFORM WAYLAND_DISPLAY

cat >"$WL_DIR/weston.ini" <<EOF
[core]
xwayland=false
[shell]
background-color=0xff000000
panel-position=none
locking=false
animation=none
startup-animation=none
[output]
name=X1
mode=${OUTPUT_W}x$OUTPUT_H
EOF
chmod 644 "$WL_DIR/weston.ini"
WL_ENV=(DISPLAY="$DISPLAY")
wl_spawn_as_user weston --backend=x11-backend.so --config="$WL_DIR/weston.ini" \
    --socket=wayland-tolvane >"$E2E_TMP/weston.log" 2>&1
WL_ENV=()
wl_wait_socket "$E2E_TMP/weston.log"
weston_window() {
    output=$(xwininfo -root -children 2>/dev/null | awk '/"Weston Compositor/ { print $1; exit }')
    [ -n "$output" ]
}
e2e_poll 20 weston_window || fail "weston's output window did not appear: $(xwininfo -root -tree)"
# The keyboard goes to weston whatever the pointer does, and weston gives it to the window.
xdotool windowfocus "$output"

# The reference strip, drawn by the strip's own code on weston, with the font it gets there.
WL_ENV=(QT_QPA_PLATFORM=wayland)
strip=$(wl_as_user "$strip_picture" Tolvane "$WL_DIR/strip.png") ||
    fail "the reference strip could not be drawn: $strip"
WL_ENV=()
cp "$WL_DIR/strip.png" "$E2E_TMP/strip-reference.png"
[ "$strip" -ge 10 ] && [ "$strip" -le 60 ] || fail "the strip is $strip pixels high"

# Prints "X Y": the window's top-left corner in weston's output, which shows nothing else on its
# black background (the pointer sits in its bottom-right corner, below and right of any window),
# once the whole window, strip and client area, is drawn there.
window_corner() {
    import -window root -crop "${OUTPUT_W}x$OUTPUT_H+0+0" +repage "$E2E_TMP/screen.png"
    convert "$E2E_TMP/screen.png" -crop "$((OUTPUT_W - 24))x$((OUTPUT_H - 24))+0+0" +repage \
        -trim -format '%w %h %X %Y' info: 2>/dev/null |
        awk -v h=$((strip + 289)) '$1 == 550 && $2 == h { print $3 + 0, $4 + 0 }'
}
# True when the window is drawn at the same place twice in a row: weston may map it, and Qt
# draw it, in steps. Weston draws the pointer itself, where the last motion it saw put it (at
# first its top-left corner): the pointer is parked again before each look.
window_found() {
    local first
    park_pointer
    first=$(window_corner)
    [ -n "$first" ] || return 1
    sleep 0.3
    CORNER=$(window_corner)
    [ "$CORNER" = "$first" ]
}
# Moves the X pointer to the client point ($1, $2).
pointer_to() {
    local x y
    read -r x y <<<"$CORNER"
    e2e_mousemove $((x + $1)) $((y + strip + $2))
}
# Moves the pointer to weston's bottom-right corner from outside its output window, so that
# weston sees it enter there even when the pointer was there already.
park_pointer() {
    e2e_mousemove $((OUTPUT_W + 50)) $((OUTPUT_H + 50))
    e2e_mousemove $((OUTPUT_W - 1)) $((OUTPUT_H - 1))
}

park_pointer
wl_use_program_on_wayland
launch_ms=$(e2e_now_ms)
e2e_launch --clock "$CLOCK"
e2e_poll 20 window_found || fail "the window did not appear: $(cat "$E2E_TMP/stderr")"
read -r wx wy <<<"$CORNER"

# Settle the counter (a click on it), then leave the pointer out of the way.
pointer_to 260 205
xdotool click 1
park_pointer
button_focused() {
    import -window root -crop "105x33+$((wx + E2E_BUTTON_X))+$((wy + strip + E2E_BUTTON_Y))" \
        +repage "$E2E_TMP/look.png"
    E2E_BUTTON_SEEN=$(e2e_button_look "$E2E_TMP/look.png") || true
    [ "$E2E_BUTTON_SEEN" = focused ]
}
e2e_poll 5 button_focused || fail "the button does not show the focused look: $E2E_BUTTON_SEEN"
# The client area: the settled window as --screenshot draws it, at one of the seconds its clock
# can have shown when it was taken. The time left today shows its first value only at the first
# tick, which may come after the counter has settled: the window is taken again until it matches.
client_matches() {
    import -window root -crop "550x$((strip + 289))+$wx+$wy" +repage "$E2E_TMP/window.png"
    shot_ms=$(e2e_now_ms)
    convert "$E2E_TMP/window.png" -crop "550x289+0+$strip" +repage "$E2E_TMP/client.png"
    local seconds
    for seconds in $(seq 0 $(((shot_ms - launch_ms) / 1000 + 1))); do
        E2E_PROGRAM=$WL_PROGRAM e2e_reference "$(e2e_clock_plus "$CLOCK" "$seconds")" \
            "$E2E_TMP/reference.png"
        if e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/client.png" 550x289+0+0; then
            matched=$seconds
            return 0
        fi
    done
    return 1
}
matched=""
e2e_poll 10 client_matches || fail "the client area matches no --screenshot 0 to" \
    "$(((shot_ms - launch_ms) / 1000 + 1)) s after $CLOCK"

# The strip: the reference's pixels, and nothing but the title on its background (no buttons):
# every pixel that differs from the background lies in the left half, where the title is.
e2e_region_same "$E2E_TMP/strip-reference.png" "$E2E_TMP/window.png" "550x$strip+0+0" ||
    fail "the title strip differs from the reference in $(e2e_region_diff \
        "$E2E_TMP/strip-reference.png" "$E2E_TMP/window.png" "550x$strip+0+0") pixels"
read -r text_w text_x <<<"$(convert "$E2E_TMP/window.png" -crop "550x$strip+0+0" +repage \
    -bordercolor "#$(e2e_pixel "$E2E_TMP/window.png" 549 0)" -border 1 -trim -format '%w %X' info:)"
[ "$text_w" -gt 10 ] && [ $((text_x + text_w)) -le 275 ] ||
    fail "the strip shows more than a title at its left: marks span $text_w pixels from $text_x"

# A drag on the strip moves the window by as much as the pointer. Weston starts its move when the
# program asks, after the press has reached it: the pointer waits a moment after the press.
e2e_mousemove $((wx + 300)) $((wy + strip / 2))
xdotool mousedown 1
sleep 1
for i in 1 2 3 4; do
    e2e_mousemove $((wx + 300 + 60 * i / 4)) $((wy + strip / 2 + 40 * i / 4))
done
xdotool mouseup 1
park_pointer
moved() { window_found && [ "$CORNER" = "$((wx + 60)) $((wy + 40))" ]; }
e2e_poll 5 moved || fail "a drag on the strip by (60, 40) left the window at $CORNER, was $wx $wy"

e2e_app_running || fail "the program ended by itself"
kill "$E2E_APP"
echo "PASS: weston (strip $strip pixels high; client area as --screenshot at +$matched s)"
