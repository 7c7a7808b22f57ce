#!/usr/bin/env bash
# The close button on a real display: it holds the focus when the window opens; a left click ends
# the program with status 0, also while the counter still runs; so does Enter; Space only shows
# the pressed look while it is held, and a right click does nothing.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"

e2e_start_display

# Starts the program and waits for its window, placed and showing the focused button (the pointer
# is moved out of the way first, or the button would show the hover look).
open_window() {
    e2e_mousemove 0 0
    e2e_launch --clock "$CLOCK"
    win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
    shown_ms=$(e2e_now_ms)
    e2e_wait_placed "$win"
    e2e_poll 5 e2e_button_shows "$win" focused ||
        fail "the button does not show the focused look at open: $E2E_BUTTON_SEEN"
}

# Fails unless the program ends with status 0 within a few seconds and its window is gone.
expect_exit_zero() {
    local status
    status=$(e2e_wait_exit 10)
    [ "$status" = 0 ] || fail "$1: the program's status is $status, expected 0"
    e2e_no_window Tolvane || fail "$1: the window is still shown after the program ended"
}

# Fails if the program has ended; $1 says after what.
expect_running() {
    e2e_app_running || fail "$1 ended the program (status $(e2e_wait_exit 1))"
}

# 1. A left click while the counter runs down. The counter is still white (above 365) in a shot
# taken just before the click, so the click came during the animation.
open_window
wait_ms=$((shown_ms + 500 - $(e2e_now_ms)))
[ "$wait_ms" -gt 0 ] && sleep "0.$(printf '%03d' "$wait_ms")"
e2e_client_shot "$win" "$E2E_TMP/before-click.png"
e2e_text_colour_is "$E2E_TMP/before-click.png" "$E2E_LABEL4" white >/dev/null ||
    fail "the counter was no longer running before the click"
e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
xdotool click 1
clicked_ms=$(e2e_now_ms)
expect_exit_zero "a left click on the button during the counter animation"
click_exit_ms=$(($(e2e_now_ms) - clicked_ms))

# 2. Enter as soon as the window is shown: the button has the focus from the start.
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_press_enter "$win"
expect_exit_zero "Enter at open"

# 3. Space, held and tapped, and a right click: the program keeps running.
open_window
xdotool keydown space
e2e_poll 10 e2e_button_shows "$win" pressed ||
    fail "the button does not show the pressed look while Space is held: $E2E_BUTTON_SEEN"
expect_running "holding Space"
xdotool keyup space
e2e_poll 10 e2e_button_shows "$win" focused ||
    fail "the focused look did not come back when Space was released: $E2E_BUTTON_SEEN"
xdotool key space
sleep 1
expect_running "pressing and releasing Space"
e2e_button_shows "$win" focused ||
    fail "the look after a tap of Space is $E2E_BUTTON_SEEN, not focused"

e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
e2e_poll 10 e2e_button_shows "$win" hover || fail "no hover look under the pointer: $E2E_BUTTON_SEEN"
# The right button never presses the button: the hover look stays while it is held.
xdotool mousedown 3
sleep 0.3
e2e_button_shows "$win" hover ||
    fail "the look with the right button held is $E2E_BUTTON_SEEN, not hover"
xdotool mouseup 3
sleep 1
expect_running "a right click on the button"

# The button still works: a left click ends the program.
xdotool click 1
expect_exit_zero "a left click after Space and a right click"
echo "PASS: close button (left click ended the program in ${click_exit_ms} ms)"
