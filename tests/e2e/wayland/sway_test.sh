#!/usr/bin/env bash
# The window running natively on Wayland under sway (headless, started by the test): sway draws
# its title bar; a drag on the bare surface with the left or the right button moves the window by
# exactly as much as the pointer (sway moves it); a drag from a label or from the button moves
# nothing; the hover look comes with the pointer onto the button and goes when the pointer jumps
# straight out of the window; Space only shows the button pressed; a click and Enter end the
# program with status 0. And --screenshot writes the same PNG on Wayland, on X11 (Xvfb), on the
# offscreen platform and with no display at all.
# Usage: sway_test.sh PROGRAM VIRTUAL_POINTER
source "$(dirname "$0")/../e2e_lib.sh"
source "$(dirname "$0")/wayland_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly SCREEN_W=1280 SCREEN_H=800
readonly BARE_X=100 BARE_Y=60 # a point of the client area with no label or button

wl_prepare "$E2E_PROGRAM" "${2:?usage: $0 PROGRAM VIRTUAL_POINTER}"
cat >"$WL_DIR/sway.config" <<EOF
output HEADLESS-1 resolution ${SCREEN_W}x$SCREEN_H position 0 0
xwayland disable
focus_follows_mouse no
default_floating_border normal
for_window [title="^Tolvane\$"] floating enable
EOF
chmod 644 "$WL_DIR/sway.config"
WL_ENV=(WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman)
wl_spawn_as_user sway -c "$WL_DIR/sway.config" >"$E2E_TMP/sway.log" 2>&1
WL_ENV=()
wl_wait_socket "$E2E_TMP/sway.log"
sway_ipc_up() {
    SWAYSOCK=$(find "$WL_DIR" -maxdepth 1 -name 'sway-ipc.*' -type s | head -n1)
    [ -n "$SWAYSOCK" ] && wl_as_user swaymsg -t get_version >/dev/null 2>&1
}
e2e_poll 30 sway_ipc_up || fail "sway's IPC socket did not come up: $(tail -n 5 "$E2E_TMP/sway.log")"
export SWAYSOCK
wl_use_program_on_wayland

# The headless backend has no input devices: the pointer is a virtual one, driven through the
# client's standard input; each command is answered once sway has taken it.
coproc POINTER { exec "${WL_USER_PREFIX[@]}" env -i XDG_RUNTIME_DIR="$WL_DIR" \
    WAYLAND_DISPLAY="$WAYLAND_DISPLAY" "$WL_DIR/$(basename "$2")" "$SCREEN_W" "$SCREEN_H" 2>&1; }
E2E_PIDS+=("$POINTER_PID")
read -r -t 20 answer <&"${POINTER[0]}" && [ "$answer" = ready ] ||
    fail "the virtual pointer did not start: $answer"
pointer() {
    echo "$*" >&"${POINTER[1]}"
    read -r -t 10 answer <&"${POINTER[0]}" && [ "$answer" = ok ] ||
        fail "the virtual pointer did not do \"$*\": $answer"
}

# Nor has it a keyboard: a window gets the keyboard focus only if a keyboard is on the seat when
# it opens. A wtype that sleeps keeps one there; the keys come from other wtypes.
wl_spawn_as_user wtype -s 3600000 >/dev/null 2>&1

# Prints what sway knows of the program's window: "X Y W H FLOATING BORDER", the client area's
# place and size on the screen, whether it floats and its border (normal: with a title bar).
window_info() {
    wl_as_user swaymsg -t get_tree | python3 -c '
import json, sys
def walk(node):
    if node.get("name") == "Tolvane" and node.get("pid"):
        r, w = node["rect"], node["window_rect"]
        print(r["x"] + w["x"], r["y"] + w["y"], w["width"], w["height"],
              node["type"] == "floating_con", node["border"])
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        walk(child)
walk(json.load(sys.stdin))'
}
window_shown() {
    WINDOW=$(window_info)
    [ -n "$WINDOW" ]
}
# The client area's top-left corner on the screen.
client_origin() {
    local x y
    read -r x y _ <<<"$(window_info)"
    echo "$x $y"
}

# Moves the pointer to the point ($1, $2) of the client area.
pointer_to() {
    local x y
    read -r x y <<<"$(client_origin)"
    pointer move $((x + $1)) $((y + $2))
}

# Writes the close button's 105 x 33 pixels, as sway shows them now, to $1.
button_shot() {
    local x y
    read -r x y <<<"$(client_origin)"
    wl_as_user grim -g "$((x + E2E_BUTTON_X)),$((y + E2E_BUTTON_Y)) 105x33" "$WL_DIR/button.png"
    cp "$WL_DIR/button.png" "$1"
}
button_shows() {
    button_shot "$E2E_TMP/look.png"
    E2E_BUTTON_SEEN=$(e2e_button_look "$E2E_TMP/look.png") || true
    [ "$E2E_BUTTON_SEEN" = "$1" ]
}

launch() {
    e2e_launch --clock "$CLOCK"
    e2e_poll 20 window_shown || fail "no window titled Tolvane appeared: $(cat "$E2E_TMP/stderr")"
}

# Drags with mouse button $1 from the client point ($2, $3) by ($4, $5) in four steps. Sway
# starts its move when the program asks, after the press has reached it: the pointer waits
# a moment after the press, or its first steps would go to the program instead.
drag() {
    local i x y
    read -r x y <<<"$(client_origin)"
    x=$((x + $2)) y=$((y + $3))
    pointer move "$x" "$y"
    pointer press "$1"
    sleep 1
    for i in 1 2 3 4; do
        pointer move $((x + $4 * i / 4)) $((y + $5 * i / 4))
    done
    pointer release "$1"
}

expect_drag_moves() {
    local before expected after
    before=$(client_origin)
    read -r x y <<<"$before"
    expected="$((x + $4)) $((y + $5))"
    drag "$@"
    moved() { [ "$(client_origin)" = "$expected" ]; }
    e2e_poll 5 moved || fail "a drag with button $1 by ($4, $5) from client ($2, $3) left the" \
        "client area at $(client_origin), expected $expected (was $before)"
}

expect_drag_still() {
    local before
    before=$(client_origin)
    drag "$@"
    sleep 0.5
    [ "$(client_origin)" = "$before" ] ||
        fail "a drag with button $1 from $6 moved the window from $before to $(client_origin)"
}

# --- The window, its drags and its hover --------------------------------------------------------
pointer move 5 5
launch
read -r _ _ w h floating border <<<"$WINDOW"
[ "$w $h" = "550 289" ] || fail "the client area is ${w}x$h, expected 550x289"
[ "$floating" = True ] || fail "the window does not float (the test's for_window rule): $WINDOW"
[ "$border" = normal ] || fail "sway draws no title bar for the window (border $border)"

# Settle the counter (a click on it) so that only the button and the time line change.
pointer_to 260 205
pointer press 1
pointer release 1
pointer move 5 5
e2e_poll 5 button_shows focused ||
    fail "the button does not show the focused look with the pointer away: $E2E_BUTTON_SEEN"

expect_drag_moves 1 "$BARE_X" "$BARE_Y" 100 50
expect_drag_moves 3 "$BARE_X" "$BARE_Y" -150 30
expect_drag_still 1 330 140 100 50 "Label1"
expect_drag_still 3 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
expect_drag_still 1 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
sleep 0.5
e2e_app_running || fail "a left press on the close button released outside it ended the program"

# The hover look comes with the pointer onto the button, and goes when the pointer jumps from
# there straight out of the window (the program sees it leave the window, nothing more).
pointer_to 300 100
pointer_to "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
e2e_poll 2 button_shows hover || fail "no hover look with the pointer on the button: $E2E_BUTTON_SEEN"
pointer move 5 5
e2e_poll 2 button_shows focused ||
    fail "the hover look stayed after the pointer jumped out of the window: $E2E_BUTTON_SEEN"

# Space shows the button pressed while it is held, and ends nothing.
wl_as_user wtype -P space -s 1500 -p space &
typing=$!
e2e_poll 2 button_shows pressed || fail "Space held does not show the pressed look: $E2E_BUTTON_SEEN"
wait "$typing"
e2e_poll 2 eval '! button_shows pressed' || fail "the pressed look stayed after Space went up"
sleep 0.3
e2e_app_running || fail "Space ended the program"

# A click on the button ends the program with status 0.
pointer_to "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
pointer press 1
pointer release 1
status=$(e2e_wait_exit 10)
[ "$status" = 0 ] || fail "a click on the button: the program's status is $status, expected 0"

# Enter ends it with status 0.
pointer move 5 5
launch
wl_as_user wtype -k Return
status=$(e2e_wait_exit 10)
[ "$status" = 0 ] || fail "Enter: the program's status is $status, expected 0"

# --- The same screenshot whatever the desktop --------------------------------------------------
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$E2E_TMP/display" >/dev/null 2>&1 &
E2E_PIDS+=($!)
e2e_poll 20 test -s "$E2E_TMP/display" || fail "Xvfb did not start"
x_display=":$(head -n1 "$E2E_TMP/display")"

# Writes the four screenshots; a mismatch is looked at once more, since the time line may have
# moved to the next second between two runs on a loaded machine.
shoot_everywhere() {
    local name
    WL_ENV=(QT_QPA_PLATFORM=wayland)
    wl_as_user "$WL_PROGRAM" --clock "$CLOCK" --screenshot "$WL_DIR/wayland.png" ||
        fail "--screenshot under QT_QPA_PLATFORM=wayland failed"
    WL_ENV=()
    cp "$WL_DIR/wayland.png" "$E2E_TMP/shot-wayland.png"
    env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY="$x_display" QT_QPA_PLATFORM=xcb \
        "$WL_PROGRAM" --clock "$CLOCK" --screenshot "$E2E_TMP/shot-xcb.png" ||
        fail "--screenshot under QT_QPA_PLATFORM=xcb failed"
    env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=offscreen \
        "$WL_PROGRAM" --clock "$CLOCK" --screenshot "$E2E_TMP/shot-offscreen.png" ||
        fail "--screenshot under QT_QPA_PLATFORM=offscreen failed"
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
        "$WL_PROGRAM" --clock "$CLOCK" --screenshot "$E2E_TMP/shot-none.png" ||
        fail "--screenshot with no display failed"
    for name in xcb offscreen none; do
        cmp -s "$E2E_TMP/shot-wayland.png" "$E2E_TMP/shot-$name.png" || return 1
    done
}
shoot_everywhere || shoot_everywhere || shoot_everywhere ||
    fail "the screenshots differ: wayland/xcb $(e2e_region_diff "$E2E_TMP/shot-wayland.png" \
        "$E2E_TMP/shot-xcb.png" 550x289+0+0), wayland/offscreen" \
        "$(e2e_region_diff "$E2E_TMP/shot-wayland.png" "$E2E_TMP/shot-offscreen.png" 550x289+0+0)" \
        "pixels differ"
echo "PASS: sway"
