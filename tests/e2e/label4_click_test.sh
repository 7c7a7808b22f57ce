#!/usr/bin/env bash
# A click on the day counter while it runs jumps to the true count at once and stops it there.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"

e2e_start_display
e2e_reference "$CLOCK" "$E2E_TMP/reference.png"
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"

# Wait until the window has its final place and the counter is under way (it has left 1 0 8 0
# and is still far from 0 3 4 4, about ten seconds away).
e2e_client_shot "$win" "$E2E_TMP/first.png"
counter_moved() {
    e2e_client_shot "$win" "$E2E_TMP/running.png"
    ! e2e_region_same "$E2E_TMP/first.png" "$E2E_TMP/running.png" "$E2E_LABEL4"
}
e2e_poll 10 counter_moved || fail "the counter did not start running"
sleep 1
e2e_client_shot "$win" "$E2E_TMP/before-click.png"
e2e_text_colour_is "$E2E_TMP/before-click.png" "$E2E_LABEL4" white >/dev/null ||
    fail "the counter had already gone below 365 before the click"

read -r x y _ _ <<<"$(e2e_client_geometry "$win")"
xdotool mousemove --sync $((x + 260)) $((y + 205)) click 1
clicked_ms=$(e2e_now_ms)

# Without the click the counter would need about ten more seconds to get there.
counter_settled() {
    e2e_client_shot "$win" "$E2E_TMP/after-click.png"
    e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/after-click.png" "$E2E_LABEL4"
}
e2e_poll 10 counter_settled || fail "Label4 did not jump to the reference's 0 3 4 4 after the click"
jump_ms=$(($(e2e_now_ms) - clicked_ms))
for label in "${E2E_VISIBLE_LABELS[@]}"; do
    counts=$(e2e_text_colour_is "$E2E_TMP/after-click.png" "$(e2e_label_rect "$label")" green) ||
        fail "$label is not green after the jump to 344 days: $counts"
done

# The animation has stopped: the counter stays at the true count.
sleep 0.3
e2e_client_shot "$win" "$E2E_TMP/later.png"
e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/later.png" "$E2E_LABEL4" ||
    fail "the counter moved on after the click"
e2e_app_running || fail "the program ended after the click"
echo "PASS: label4 click (counter jumped within ${jump_ms} ms)"
