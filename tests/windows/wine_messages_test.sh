#!/usr/bin/env bash
# tolvane.exe under Wine at a clock past the target day and at one before 9 June 1905: only its
# message box shows (提示 with the information icon, 错误 with the red error icon), the countdown
# window never does, and the program ends with status 0 when the box is closed.
# Usage: wine_messages_test.sh TOLVANE.EXE
source "$(dirname "$0")/wine_e2e_lib.sh"

wine_e2e_start

# Box titled $1 showing, the countdown window not; polled together.
box_without_window() {
    e2e_no_window Tolvane || fail "the Tolvane window appeared at clock $2"
    e2e_has_window "$1"
}

# Starts at clock $1, expects the box titled $2 with the red error icon when $3 is "critical" and
# without when it is not, and closes it with Enter.
check_box() {
    local clock=$1 title=$2 icon=$3 box red status
    wine_e2e_launch --clock "$clock"
    e2e_poll 20 box_without_window "$title" "$clock" || fail "no box titled $title at clock $clock"
    box=$(e2e_wait_window "$title" 1) || fail "the box titled $title at clock $clock vanished"
    # Wine puts the icon in the box's top-left corner: the error icon is a red disc.
    e2e_client_shot "$box" "$E2E_TMP/box-$title.png"
    red=$(e2e_colour_counts "$E2E_TMP/box-$title.png" 48x48+0+0 | sed 's/.*red=//')
    if [ "$icon" = critical ]; then
        [ "$red" -ge 100 ] || fail "the $title box at clock $clock has no error icon ($red red pixels)"
    else
        [ "$red" -eq 0 ] || fail "the $title box at clock $clock has a red icon ($red red pixels)"
    fi
    sleep 0.5
    e2e_app_running || fail "the program ended before its $title box was closed"
    e2e_press_enter "$box"
    status=$(e2e_wait_exit 10)
    [ "$status" = 0 ] || fail "closing the $title box at clock $clock: status $status, expected 0"
}

check_box "2014-04-09 10:00:00" 提示 information
check_box "1905-06-08 23:59:59" 错误 critical
echo "PASS: tolvane.exe message boxes"
