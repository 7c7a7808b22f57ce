#!/usr/bin/env bash
# On the target day the counter runs down to 0 0 0 0 in red, and at 23:59:59 the window hides,
# the closing message shows, and closing it ends the program with status 0.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2014-04-07 23:59:30"
readonly SECONDS_TO_END=29   # from the start to 23:59:59 on the program's clock

e2e_start_display
e2e_reference "2014-04-07 12:00:00" "$E2E_TMP/reference.png"
e2e_watch_clients
launch_ms=$(e2e_now_ms)
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"

counter_settled() {
    e2e_client_shot "$win" "$E2E_TMP/settled.png"
    e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/settled.png" "$E2E_LABEL4"
}
e2e_poll 25 counter_settled || fail "the counter did not settle on the reference's 0 0 0 0"
settled_ms=$(e2e_now_ms)
e2e_has_window Tolvane || fail "the window was gone once the counter had settled"
for label in Label1 Label2 Label3; do
    e2e_region_same "$E2E_TMP/reference.png" "$E2E_TMP/settled.png" "$(e2e_label_rect "$label")" ||
        fail "$label differs from the reference"
done
for label in "${E2E_VISIBLE_LABELS[@]}"; do
    counts=$(e2e_text_colour_is "$E2E_TMP/settled.png" "$(e2e_label_rect "$label")" red) ||
        fail "$label is not red at 0 days left: $counts"
done

# 23:59:59: the window hides and the closing message shows in its place.
window_replaced_by_box() {
    e2e_no_window Tolvane && e2e_has_window 提示
}
e2e_poll $((SECONDS_TO_END + 15)) window_replaced_by_box ||
    fail "at 23:59:59 the window did not give way to the 提示 box"
ended_ms=$(e2e_now_ms)
# The program's clock runs in real time from its start, so the end cannot come sooner.
elapsed=$(((ended_ms - launch_ms) / 1000))
[ "$elapsed" -ge $((SECONDS_TO_END - 1)) ] ||
    fail "the window ended ${elapsed} s after the start, before 23:59:59 on its clock"
box=$(e2e_wait_window 提示 1) || fail "the 提示 box vanished"
e2e_app_running || fail "the program ended before its box was closed"
e2e_client_shot "$box" "$E2E_TMP/box.png"
red=$(e2e_colour_counts "$E2E_TMP/box.png" 48x48+0+0 | sed 's/.*red=//')
[ "$red" -eq 0 ] || fail "the 提示 box shows a red (critical) icon"
e2e_press_enter "$box"
status=$(e2e_wait_exit 5)
[ "$status" = 0 ] || fail "closing the 提示 box: status $status, expected 0"
seen=$(e2e_clients_seen | sort | tr '\n' ' ')
expected=$(printf '%s\n' "$win" "$box" | sort | tr '\n' ' ')
[ "$seen" = "$expected" ] || fail "windows seen: $seen; expected the countdown and the box: $expected"
echo "PASS: target day end (settled after $(((settled_ms - launch_ms) / 1000)) s, ended after ${elapsed} s)"
