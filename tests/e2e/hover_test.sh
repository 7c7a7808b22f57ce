#!/usr/bin/env bash
# Hovering over the close button on a real display: the hover look follows the pointer onto the
# button within a poll or two and leaves with it; the button's rounded corners and its last
# column and row show the background picture; a pointer over a cut-away corner is not over the
# button.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
BACKGROUND="$(dirname "$0")/../../resources/background.jpg"
readonly BACKGROUND

e2e_start_display
e2e_mousemove 0 0
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"

# Settle the counter at once (a click on it), so nothing but the button and the time line
# changes, then take the pointer off the window.
e2e_pointer_to "$win" 260 205
xdotool click 1
e2e_mousemove 0 0
e2e_poll 5 e2e_button_shows "$win" focused ||
    fail "the button does not show the focused look with the pointer away: $E2E_BUTTON_SEEN"

# The reference for what lies under the button: the background picture, drawn unscaled from the
# client area's top-left corner. ImageMagick's decoding of it must agree with the window's own
# wherever nothing covers it (rows 0 to 129 hold no label), or it proves nothing.
convert "$BACKGROUND" -crop 550x289+0+0 +repage "$E2E_TMP/background.png"
convert "$BACKGROUND" -crop "$E2E_BUTTON" +repage "$E2E_TMP/background-button.png"
e2e_client_shot "$win" "$E2E_TMP/window.png"
e2e_region_same "$E2E_TMP/background.png" "$E2E_TMP/window.png" 550x130+0+0 ||
    fail "the window's bare surface differs from the background picture in $(e2e_region_diff \
        "$E2E_TMP/background.png" "$E2E_TMP/window.png" 550x130+0+0) pixels"

# Fails unless the pixels of the button outside its rounded region show the background: the four
# corner pixels, the last column and the last row. $1 names the look for the message.
check_cut_away() {
    local shot="$E2E_TMP/look.png" background="$E2E_TMP/background-button.png" rect corner
    for corner in "0 0" "103 0" "0 31" "103 31"; do
        read -r x y <<<"$corner"
        e2e_region_same "$background" "$shot" "1x1+$x+$y" ||
            fail "$1 look: the cut-away corner pixel ($x, $y) of the button is" \
                "$(e2e_pixel "$shot" "$x" "$y"), not the background's" \
                "$(e2e_pixel "$background" "$x" "$y")"
    done
    for rect in 1x33+104+0 105x1+0+32; do
        e2e_region_same "$background" "$shot" "$rect" ||
            fail "$1 look: $(e2e_region_diff "$background" "$shot" "$rect") pixels of the" \
                "button's edge $rect are not the background"
    done
}
e2e_button_shows "$win" focused || fail "the focused look went away by itself: $E2E_BUTTON_SEEN"
check_cut_away focused

# Shoots the button back to back for 1 s after the pointer moved at $2 (ms), then finds the
# first shot that shows the look $1. Sets look_from_ms and look_by_ms, relative to $2: the look
# appeared after the start of the shot before that one and before the end of that one (the
# resolution is one shot, some 30 ms). Fails when no shot of the second shows the look.
wait_for_look() {
    local x y n=0 i start=() end=()
    read -r x y <<<"$(e2e_screen_point "$win" "$E2E_BUTTON_X" "$E2E_BUTTON_Y")"
    while [ $(($(e2e_now_ms) - $2)) -lt 1000 ]; do
        n=$((n + 1))
        start[n]=$(e2e_now_ms)
        import -window root -crop "105x33+$x+$y" +repage "$E2E_TMP/burst-$n.png"
        end[n]=$(e2e_now_ms)
    done
    start[0]=$2
    for i in $(seq 1 "$n"); do
        E2E_BUTTON_SEEN=$(e2e_button_look "$E2E_TMP/burst-$i.png") || true
        if [ "$E2E_BUTTON_SEEN" = "$1" ]; then
            look_from_ms=$((start[i - 1] - $2))
            look_by_ms=$((end[i] - $2))
            rm -f "$E2E_TMP"/burst-*.png
            return 0
        fi
    done
    cp "$E2E_TMP/burst-$n.png" "$E2E_TMP/look.png"
    fail "no $1 look within 1 s after the pointer moved ($n shots; the last shows $E2E_BUTTON_SEEN)"
}

# Onto the button's centre: the hover look. The hover poll runs every 50 ms, so it should show
# within about 100 ms; the bound asserted, 1 s, is generous, for busy machines.
e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
wait_for_look hover "$(e2e_now_ms)"
enter_from=$look_from_ms enter_by=$look_by_ms
e2e_button_shows "$win" hover || fail "the hover look went away under the pointer: $E2E_BUTTON_SEEN"
check_cut_away hover

# Off the button: the focused look comes back.
e2e_mousemove 0 0
wait_for_look focused "$(e2e_now_ms)"
leave_from=$look_from_ms leave_by=$look_by_ms

# The cut-away corner pixel and the last column are the window's, not the button's: with the
# pointer there through six polls, the look stays focused.
for point in "0 0" "104 16"; do
    read -r x y <<<"$point"
    e2e_pointer_to "$win" $((E2E_BUTTON_X + x)) $((E2E_BUTTON_Y + y))
    sleep 0.3
    e2e_button_shows "$win" focused ||
        fail "with the pointer at button pixel ($x, $y), outside its region, the look is" \
            "$E2E_BUTTON_SEEN"
done
e2e_mousemove 0 0

e2e_app_running || fail "the program ended by itself"
echo "PASS: hover (look appeared ${enter_from}..${enter_by} ms after the pointer arrived," \
    "went ${leave_from}..${leave_by} ms after it left)"
