#!/usr/bin/env bash
# Dragging the window on a real display: a press with any mouse button on the bare surface and a
# drag move the window with the pointer, exactly; a press on a label or on the close button, a
# drag from there, or moving the pointer with no button held after a release, moves nothing, and
# a left press on the button released outside it does not close the program.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly BARE_X=100 BARE_Y=60 # a point of the client area with no label or button

e2e_start_display
e2e_mousemove 0 0
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"

# Prints "frame X Y client X Y": where the window and its client area are on the screen.
place() {
    local frame client
    read -r -a frame <<<"$(e2e_frame_geometry "$win")"
    read -r -a client <<<"$(e2e_client_geometry "$win")"
    echo "frame ${frame[0]} ${frame[1]} client ${client[0]} ${client[1]}"
}

# Prints the place $1 shifted by ($2, $3).
shifted() {
    local f fx fy c cx cy
    read -r f fx fy c cx cy <<<"$1"
    echo "$f $((fx + $2)) $((fy + $3)) $c $((cx + $2)) $((cy + $3))"
}

at_place() {
    [ "$(place)" = "$1" ]
}

# Drags with mouse button $1 from the client point ($2, $3) by ($4, $5) and expects the window to
# end up shifted by exactly that much, and to stay there.
expect_drag_moves() {
    local before expected sx sy
    before=$(place)
    expected=$(shifted "$before" "$4" "$5")
    read -r sx sy <<<"$(e2e_screen_point "$win" "$2" "$3")"
    e2e_drag "$1" "$sx" "$sy" "$4" "$5"
    e2e_poll 5 at_place "$expected" ||
        fail "a drag with button $1 by ($4, $5) from client ($2, $3): the window is at" \
            "$(place), expected $expected (was $before)"
    sleep 0.3
    at_place "$expected" ||
        fail "the window moved on to $(place) after the drag with button $1 ended"
}

# Drags with mouse button $1 from the client point ($2, $3) by ($4, $5) and expects the window to
# stay where it is; $6 names the starting point for the message.
expect_drag_still() {
    local before sx sy
    before=$(place)
    read -r sx sy <<<"$(e2e_screen_point "$win" "$2" "$3")"
    e2e_drag "$1" "$sx" "$sy" "$4" "$5"
    sleep 0.5
    at_place "$before" ||
        fail "a drag with button $1 from $6 moved the window from $before to $(place)"
}

# Any button drags from the bare surface: left, right and middle.
expect_drag_moves 1 "$BARE_X" "$BARE_Y" 100 50
expect_drag_moves 3 "$BARE_X" "$BARE_Y" -150 30
expect_drag_moves 2 "$BARE_X" "$BARE_Y" 70 -60

# After the release the pointer moves freely over the surface.
before=$(place)
for point in "200 100" "50 30" "300 120" "$BARE_X $BARE_Y"; do
    read -r x y <<<"$point"
    e2e_pointer_to "$win" "$x" "$y"
done
sleep 0.5
at_place "$before" ||
    fail "moving the pointer with no button held moved the window from $before to $(place)"

# No drag from a label (Label1, the heading; Label4, the counter, whose left click also settles
# it) or from the close button.
expect_drag_still 1 330 140 100 50 "Label1"
expect_drag_still 3 330 140 100 50 "Label1"
expect_drag_still 1 260 205 100 50 "Label4"
expect_drag_still 3 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
# A left press on the button released outside it is no click: the program keeps running.
expect_drag_still 1 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
sleep 0.5
e2e_app_running || fail "a left press on the close button released outside it ended the program"

# And still no move without a button held.
before=$(place)
e2e_pointer_to "$win" 200 100
e2e_pointer_to "$win" "$BARE_X" "$BARE_Y"
sleep 0.5
at_place "$before" ||
    fail "moving the pointer after the last release moved the window from $before to $(place)"
echo "PASS: drag"
