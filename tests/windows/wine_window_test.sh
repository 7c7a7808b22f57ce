#!/usr/bin/env bash
# tolvane.exe's countdown window under Wine on a real display (Xvfb and xfwm4): its title, client
# size and missing taskbar entry; the hover look; a drag on the bare surface; the settled window,
# as its own --screenshot draws it, with the counter reading 0 3 4 4 in green and the close
# button drawn as on Linux; Space keeps it open, Enter and a click on the button end it with
# status 0. Usage: wine_window_test.sh TOLVANE.EXE LINUX-TOLVANE
source "$(dirname "$0")/wine_e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50" # 344 days left
if [ ! -x "$WINE_E2E_LINUX" ]; then
    echo "SKIP: the Linux program \"$WINE_E2E_LINUX\", which draws the reference pictures, is not" \
        "built (scripts/build.sh normal)"
    exit 77
fi

wine_e2e_start

# The references: the exe's own --screenshot at the same clock, and the Linux program's at the
# clock and a day either side (345 and 343 days left).
wine_e2e_exe_shot "$CLOCK" "$E2E_TMP/exe-shot.png"
for days in 344 345 343; do
    wine_e2e_linux_shot "$(e2e_clock_plus "$CLOCK" $(((344 - days) * 86400)))" \
        "$E2E_TMP/linux-$days.png"
done

e2e_mousemove 0 0
wine_e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 20) || fail "no window titled Tolvane appeared"

read -r _ _ w h <<<"$(e2e_client_geometry "$win")"
[ "$w" -eq 550 ] && [ "$h" -eq 289 ] || fail "client area is ${w}x${h}, expected 550x289"
# Wine keeps an owned window off the taskbar by this state; the owner itself is never mapped.
xprop -id "$win" _NET_WM_STATE | grep -q _NET_WM_STATE_SKIP_TASKBAR ||
    fail "no _NET_WM_STATE_SKIP_TASKBAR: $(xprop -id "$win" _NET_WM_STATE _NET_WM_WINDOW_TYPE)"

# Hover, while the counter still runs down: the focused look with the pointer away, the hover
# look with it on the button, and back.
e2e_poll 10 e2e_button_shows "$win" focused ||
    fail "the button does not show the focused look at open: $E2E_BUTTON_SEEN"
e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
e2e_poll 5 e2e_button_shows "$win" hover || fail "no hover look under the pointer: $E2E_BUTTON_SEEN"
e2e_mousemove 0 0
e2e_poll 5 e2e_button_shows "$win" focused ||
    fail "the focused look did not come back when the pointer left: $E2E_BUTTON_SEEN"

# A left drag by (+100, +50) from the bare surface moves the client area by exactly that.
read -r x0 y0 _ _ <<<"$(e2e_client_geometry "$win")"
read -r sx sy <<<"$(e2e_screen_point "$win" 100 60)"
e2e_drag 1 "$sx" "$sy" 100 50
moved_to() {
    read -r x y _ _ <<<"$(e2e_client_geometry "$win")"
    [ "$x $y" = "$1" ]
}
e2e_poll 5 moved_to "$((x0 + 100)) $((y0 + 50))" ||
    fail "after a drag by (100, 50) the client area is at $(e2e_client_geometry "$win"), was $x0 $y0"
e2e_mousemove 0 0

# Settled, the window is its own --screenshot except for the time left today, which runs on.
readonly LABEL6_BOX="416,216 535,233"
without_label6() {
    convert "$1" -fill black -draw "rectangle $LABEL6_BOX" "$2"
}
without_label6 "$E2E_TMP/exe-shot.png" "$E2E_TMP/exe-masked.png"
settled() {
    e2e_client_shot "$win" "$E2E_TMP/settled.png"
    without_label6 "$E2E_TMP/settled.png" "$E2E_TMP/settled-masked.png"
    e2e_region_same "$E2E_TMP/exe-masked.png" "$E2E_TMP/settled-masked.png" 550x289+0+0
}
e2e_poll 40 settled || fail "the window did not settle on its --screenshot: $(e2e_region_diff \
    "$E2E_TMP/exe-masked.png" "$E2E_TMP/settled-masked.png" 550x289+0+0) pixels differ"

# The counter reads 0 3 4 4: of the Linux program's 0343, 0344 and 0345 its shape is nearest
# 0344, and near it (see wine_e2e_counter_distance).
d344=$(wine_e2e_counter_distance "$E2E_TMP/settled.png" "$E2E_TMP/linux-344.png")
d345=$(wine_e2e_counter_distance "$E2E_TMP/settled.png" "$E2E_TMP/linux-345.png")
d343=$(wine_e2e_counter_distance "$E2E_TMP/settled.png" "$E2E_TMP/linux-343.png")
awk -v a="$d344" -v b="$d345" -v c="$d343" 'BEGIN { exit !(a < 0.12 && a < b && a < c) }' ||
    fail "the counter does not read 0344: its distance to Linux's 0344 is $d344, to 0345 $d345," \
        "to 0343 $d343"
counts=$(e2e_text_colour_is "$E2E_TMP/settled.png" "$E2E_LABEL4" green) ||
    fail "the counter is not green: $counts"

# The close button (focused look) is the Linux program's, pixel for pixel, outside the box of
# its caption, whose text each platform draws with its own rasteriser.
readonly CAPTION_BOX="470,255 499,272" # client pixels: the button's (38, 7) to (67, 24)
for shot in settled linux-344; do
    convert "$E2E_TMP/$shot.png" -fill black -draw "rectangle $CAPTION_BOX" "$E2E_TMP/$shot-button.png"
done
e2e_region_same "$E2E_TMP/settled-button.png" "$E2E_TMP/linux-344-button.png" "$E2E_BUTTON" ||
    fail "$(e2e_region_diff "$E2E_TMP/settled-button.png" "$E2E_TMP/linux-344-button.png" \
        "$E2E_BUTTON") pixels of the button outside its caption differ from the Linux program's"

# Space does not close the window; Enter does, with status 0.
wine_e2e_key "$win" space
sleep 1
e2e_app_running || fail "Space ended the program (status $(e2e_wait_exit 1))"
e2e_press_enter "$win"
status=$(e2e_wait_exit 10)
[ "$status" = 0 ] || fail "after Enter the program's status is $status, expected 0"

# A second start: a left click on the button ends it with status 0.
wine_e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 20) || fail "no window titled Tolvane appeared the second time"
e2e_poll 10 e2e_button_shows "$win" focused ||
    fail "the button does not show the focused look at the second open: $E2E_BUTTON_SEEN"
e2e_pointer_to "$win" "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y"
xdotool click 1
status=$(e2e_wait_exit 10)
[ "$status" = 0 ] || fail "after a click on the button the program's status is $status, expected 0"
echo "PASS: tolvane.exe window (counter distances: 0344 $d344, 0345 $d345, 0343 $d343)"
