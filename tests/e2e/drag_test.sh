#!/usr/bin/env bash
# Dragging the window on a real display: a press with any mouse button on the bare surface and a
# drag move the window with the pointer, exactly; a press on a label or on the close button, a
# drag from there, or moving the pointer with no button held after a release, moves nothing, and
# a left press on the button released outside it does not close the program. All of it at a pixel
# ratio of 1 and at 1.25, where each pixel of the window is 1.25 screen pixels: every drag below
# moves by a multiple of 5 screen pixels, a whole number of the window's pixels at both ratios,
# so the window can and must follow the pointer exactly.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly RATIOS=(1 1.25)
readonly BARE_X=100 BARE_Y=60 # a point of the client area with no label or button, window pixels

# Prints the screen position "X Y" of the point ($1, $2), in pixels of the window, of its client
# area.
screen_point() {
    local x y
    read -r x y _ _ <<<"$(e2e_client_geometry "$win")"
    awk -v x="$x" -v y="$y" -v px="$1" -v py="$2" -v r="$ratio" \
        'BEGIN { printf "%d %d\n", x + int(px * r + 0.5), y + int(py * r + 0.5) }'
}

# Moves the pointer to the point ($1, $2), in pixels of the window, of its client area.
pointer_to() {
    local x y
    read -r x y <<<"$(screen_point "$1" "$2")"
    e2e_mousemove "$x" "$y"
}

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

# Drags with mouse button $1 from the client point ($2, $3) by ($4, $5) screen pixels in $6
# (default 4) steps and expects the window to end up shifted by exactly that much, and to stay
# there.
expect_drag_moves() {
    local before expected sx sy
    before=$(place)
    expected=$(shifted "$before" "$4" "$5")
    read -r sx sy <<<"$(screen_point "$2" "$3")"
    e2e_drag "$1" "$sx" "$sy" "$4" "$5" "${6:-4}"
    e2e_poll 5 at_place "$expected" ||
        fail "at ratio $ratio, a drag with button $1 by ($4, $5) in ${6:-4} steps from client" \
            "($2, $3): the window is at $(place), expected $expected (was $before)"
    sleep 0.3
    at_place "$expected" ||
        fail "at ratio $ratio, the window moved on to $(place) after the drag with button $1 ended"
}

# Drags with mouse button $1 from the client point ($2, $3) by ($4, $5) and expects the window to
# stay where it is; $6 names the starting point for the message.
expect_drag_still() {
    local before sx sy
    before=$(place)
    read -r sx sy <<<"$(screen_point "$2" "$3")"
    e2e_drag "$1" "$sx" "$sy" "$4" "$5"
    sleep 0.5
    at_place "$before" ||
        fail "at ratio $ratio, a drag with button $1 from $6 moved the window from $before" \
            "to $(place)"
}

# Runs every check on the window $win of the program started at the pixel ratio $ratio.
check_dragging() {
    # Any button drags from the bare surface: left, right and middle.
    expect_drag_moves 1 "$BARE_X" "$BARE_Y" 100 50
    expect_drag_moves 3 "$BARE_X" "$BARE_Y" -150 30
    expect_drag_moves 2 "$BARE_X" "$BARE_Y" 70 -60
    # Short drags a screen pixel at a time: at 1.25 the window's place on the screen is rounded to
    # whole screen pixels after each step, and the drag must not carry that rounding along.
    expect_drag_moves 1 "$BARE_X" "$BARE_Y" -5 15 5
    expect_drag_moves 1 "$BARE_X" "$BARE_Y" -10 10 10
    expect_drag_moves 1 "$BARE_X" "$BARE_Y" 5 5 5

    # After the release the pointer moves freely over the surface.
    before=$(place)
    for point in "200 100" "50 30" "300 120" "$BARE_X $BARE_Y"; do
        read -r x y <<<"$point"
        pointer_to "$x" "$y"
    done
    sleep 0.5
    at_place "$before" ||
        fail "at ratio $ratio, moving the pointer with no button held moved the window from" \
            "$before to $(place)"

    # No drag from a label (Label1, the heading; Label4, the counter, whose left click also settles
    # it) or from the close button.
    expect_drag_still 1 330 140 100 50 "Label1"
    expect_drag_still 3 330 140 100 50 "Label1"
    expect_drag_still 1 260 205 100 50 "Label4"
    expect_drag_still 3 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
    # A left press on the button released outside it is no click: the program keeps running.
    expect_drag_still 1 "$E2E_BUTTON_CENTRE_X" "$E2E_BUTTON_CENTRE_Y" -100 -50 "the close button"
    sleep 0.5
    e2e_app_running ||
        fail "at ratio $ratio, a left press on the close button released outside it ended" \
            "the program"

    # And still no move without a button held.
    before=$(place)
    pointer_to 200 100
    pointer_to "$BARE_X" "$BARE_Y"
    sleep 0.5
    at_place "$before" ||
        fail "at ratio $ratio, moving the pointer after the last release moved the window from" \
            "$before to $(place)"
}

e2e_start_display
for ratio in "${RATIOS[@]}"; do
    e2e_mousemove 0 0
    QT_SCALE_FACTOR=$ratio e2e_launch --clock "$CLOCK"
    win=$(e2e_wait_window Tolvane 15) || fail "at ratio $ratio, no window titled Tolvane appeared"
    e2e_wait_placed "$win"
    check_dragging
    kill "$E2E_APP"
    [ "$(e2e_wait_exit 10)" != running ] || fail "at ratio $ratio, the program did not end"
done
echo "PASS: drag"
