#!/usr/bin/env bash
# Midnight before the target day with the window open: the count falls from 1 to 0 and the date
# line moves on to 7 April, both while the counter still runs and after it has settled.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2014-04-06 23:59:50"
readonly SECONDS_TO_MIDNIGHT=10

e2e_start_display
e2e_reference "2014-04-06 12:00:00" "$E2E_TMP/day-before.png"   # 0 0 0 1, 2014年04月06日
e2e_reference "2014-04-07 12:00:00" "$E2E_TMP/target-day.png"   # 0 0 0 0, 2014年04月07日

# Succeeds when the date line of the window's shot $1 has the text of reference $2. Before the
# counter falls below 30 the window's texts are white, the reference's red: only the shapes of
# the texts are compared then.
date_line_is() {
    e2e_region_same "$2" "$1" "$E2E_LABEL3"
}
date_line_reads() {
    e2e_region_same_shape "$2" "$1" "$E2E_LABEL3"
}

# Run 1: midnight comes while the counter still runs down from 1080 (it needs about 17 s to
# reach 0); it then settles on the new count.
launch_ms=$(e2e_now_ms)
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared"
e2e_wait_placed "$win"  # a shot taken while the frame is added would be offset by the title bar
e2e_client_shot "$win" "$E2E_TMP/before-midnight.png"
if [ $(($(e2e_now_ms) - launch_ms)) -lt $(((SECONDS_TO_MIDNIGHT - 2) * 1000)) ]; then
    date_line_reads "$E2E_TMP/before-midnight.png" "$E2E_TMP/day-before.png" ||
        fail "before midnight the date line is not 现在日期：2014年04月06日"
else
    echo "NOTE: the window came too late to see the date line before midnight; not checked"
fi
settled_on_target_day() {
    e2e_client_shot "$win" "$E2E_TMP/after-midnight.png"
    e2e_region_same "$E2E_TMP/target-day.png" "$E2E_TMP/after-midnight.png" "$E2E_LABEL4"
}
e2e_poll 30 settled_on_target_day || fail "after midnight the counter did not settle on 0 0 0 0"
date_line_is "$E2E_TMP/after-midnight.png" "$E2E_TMP/target-day.png" ||
    fail "after midnight the date line is not 现在日期：2014年04月07日"
for label in "${E2E_VISIBLE_LABELS[@]}"; do
    counts=$(e2e_text_colour_is "$E2E_TMP/after-midnight.png" "$(e2e_label_rect "$label")" red) ||
        fail "$label is not red after midnight: $counts"
done
kill "$E2E_APP"
[ "$(e2e_wait_exit 5)" != running ] || fail "the first program did not end on SIGTERM"

# Run 2: a click on the counter settles it on 1 day before midnight; midnight then takes the
# settled window to 0 days and the new date.
launch_ms=$(e2e_now_ms)
e2e_launch --clock "$CLOCK"
win=$(e2e_wait_window Tolvane 15) || fail "no window titled Tolvane appeared (second run)"
e2e_wait_placed "$win"
e2e_client_shot "$win" "$E2E_TMP/first.png"
counter_moved() {
    e2e_client_shot "$win" "$E2E_TMP/running.png"
    ! e2e_region_same "$E2E_TMP/first.png" "$E2E_TMP/running.png" "$E2E_LABEL4"
}
e2e_poll 10 counter_moved || fail "the counter did not start running"
read -r x y _ _ <<<"$(e2e_client_geometry "$win")"
xdotool mousemove --sync $((x + 260)) $((y + 205)) click 1
# The program's clock started after launch_ms, so a click done this soon after it came before
# 23:59:59 on that clock. On a slow machine it may come later, after midnight, and then settles
# the counter on 0 0 0 0: that is checked below.
clicked_before_midnight=false
[ $(($(e2e_now_ms) - launch_ms)) -lt $(((SECONDS_TO_MIDNIGHT - 1) * 1000)) ] &&
    clicked_before_midnight=true
one_day_left() {
    e2e_client_shot "$win" "$E2E_TMP/clicked.png"
    e2e_region_same "$E2E_TMP/day-before.png" "$E2E_TMP/clicked.png" "$E2E_LABEL4"
}
if $clicked_before_midnight; then
    e2e_poll 10 one_day_left || fail "the click did not settle the counter on 0 0 0 1"
fi
if $clicked_before_midnight &&
    [ $(($(e2e_now_ms) - launch_ms)) -lt $(((SECONDS_TO_MIDNIGHT - 2) * 1000)) ]; then
    date_line_is "$E2E_TMP/clicked.png" "$E2E_TMP/day-before.png" ||
        fail "before midnight the date line is not 现在日期：2014年04月06日 (second run)"
    # Label6 may still show its six dots before the first second has passed: a lower bound.
    for label in "${E2E_VISIBLE_LABELS[@]}"; do
        counts=$(e2e_text_colour_is "$E2E_TMP/clicked.png" "$(e2e_label_rect "$label")" red 20) ||
            fail "$label is not red at 1 day left: $counts"
    done
else
    echo "NOTE: the click came too late to see the window before midnight; not checked"
fi
zero_days_left() {
    e2e_client_shot "$win" "$E2E_TMP/settled-after-midnight.png"
    e2e_region_same "$E2E_TMP/target-day.png" "$E2E_TMP/settled-after-midnight.png" "$E2E_LABEL4"
}
e2e_poll $((SECONDS_TO_MIDNIGHT + 10)) zero_days_left ||
    fail "after midnight the settled counter did not move on to 0 0 0 0"
elapsed=$((($(e2e_now_ms) - launch_ms) / 1000))
[ "$elapsed" -ge $((SECONDS_TO_MIDNIGHT - 1)) ] ||
    fail "the counter showed 0 0 0 0 ${elapsed} s after the start, before midnight on its clock"
date_line_is "$E2E_TMP/settled-after-midnight.png" "$E2E_TMP/target-day.png" ||
    fail "after midnight the date line is not 现在日期：2014年04月07日 (second run)"
e2e_app_running || fail "the program ended at midnight"
echo "PASS: midnight"
