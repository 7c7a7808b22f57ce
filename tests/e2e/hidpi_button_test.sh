#!/usr/bin/env bash
# The close button on a display scaled to 200 % (QT_SCALE_FACTOR=2): the window is 1100 x 578
# device pixels; the button shows the focused, hover and pressed looks painted at 210 x 66 device
# pixels, exactly as the offscreen rendering at that scale paints it (which scale_test.sh checks
# is not enlarged from 105 x 33); and its cut-away corners, last two columns and last two rows
# show the background in every look.
export QT_SCALE_FACTOR=2 E2E_RATIO=2
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly BUTTON_DEVICE="210x66+864+496"  # the button's rectangle in device pixels

e2e_start_display
e2e_mousemove 0 0
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"
read -r _ _ width height <<<"$(e2e_client_geometry "$win")"
[ "$width x $height" = "1100 x 578" ] ||
    fail "the client area is $width x $height device pixels, expected 1100 x 578"

# Settle the counter (a click on it) and take the pointer away: the focused look.
e2e_pointer_to "$win" 260 205
xdotool click 1
e2e_mousemove 0 0
e2e_poll 10 e2e_button_shows "$win" focused ||
    fail "the button does not show the focused look: $E2E_BUTTON_SEEN"

# The same button, rendered offscreen at the same scale, is the reference: on screen it must be
# the same device pixels, corners and all.
e2e_reference "$CLOCK" "$E2E_TMP/reference.png"
e2e_client_shot "$win" "$E2E_TMP/focused.png"
e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/focused.png" "$BUTTON_DEVICE" ||
    fail "$(e2e_region_diff "$E2E_TMP/reference.png" "$E2E_TMP/focused.png" "$BUTTON_DEVICE")" \
        "device pixels of the focused button differ from the offscreen rendering at 200 %"

# Fails unless, in client shot $2, the device pixels of the button that lie outside its shape
# show what the reference shows there: the corners cut at device resolution (the outermost
# device pixel of each corner and the pixel beside it), the last two columns and the last two
# rows. $1 names the look.
check_cut_away() {
    local rect
    for rect in 2x1+864+496 1x2+864+496 2x1+1070+496 1x2+1071+496 2x1+864+559 1x2+864+558 \
        2x1+1070+559 1x2+1071+558 2x66+1072+496 210x2+864+560; do
        e2e_region_same "$E2E_TMP/reference.png" "$2" "$rect" ||
            fail "$1 look: the button covers $rect, which lies outside its shape"
    done
}
check_cut_away focused "$E2E_TMP/focused.png"

# Hover: the pointer on the button's centre.
e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
e2e_poll 10 e2e_button_shows "$win" hover ||
    fail "the button does not show the hover look under the pointer: $E2E_BUTTON_SEEN"
e2e_client_shot "$win" "$E2E_TMP/hover.png"
check_cut_away hover "$E2E_TMP/hover.png"

# A cut-away corner is not the button: with the pointer on the corner's outermost logical pixel
# through several polls, the look goes back to focused.
e2e_pointer_to "$win" "$E2E_BUTTON_X" "$E2E_BUTTON_Y"
e2e_poll 10 e2e_button_shows "$win" focused ||
    fail "with the pointer on the cut-away corner the look is $E2E_BUTTON_SEEN"

# Pressed: Space held (it does not close the window).
e2e_mousemove 0 0
xdotool keydown space
e2e_poll 10 e2e_button_shows "$win" pressed ||
    fail "the button does not show the pressed look while Space is held: $E2E_BUTTON_SEEN"
e2e_client_shot "$win" "$E2E_TMP/pressed.png"
xdotool keyup space
check_cut_away pressed "$E2E_TMP/pressed.png"

e2e_app_running || fail "the program ended by itself"
echo "PASS: hidpi button"
