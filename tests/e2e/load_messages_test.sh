#!/usr/bin/env bash
# Start-up that ends at once: the target day past or a clock before 9 June 1905 shows only a
# message box and ends with status 0 when it is closed; --screenshot reports the same message on
# stderr with status 3; a screenshot file that cannot be written gives status 1, a bad command
# line status 2; -v prints the version. None of them opens the countdown window.
source "$(dirname "$0")/e2e_lib.sh"

readonly PAST_TEXT="Micosoft Windows XP 已死 ！建议升级到 Windows 7或更高的系统。"
readonly EARLY_TEXT="系统时间错误！"

e2e_start_display

# Fails the test if the countdown window is visible; used while waiting for the box.
no_countdown_window() {
    e2e_no_window Tolvane || fail "the Tolvane window appeared ($1)"
}

# Box of $1 (title) showing with no countdown window, polled together.
box_without_window() {
    no_countdown_window "$2"
    e2e_has_window "$1"
}

# Launches at clock $1, expects the box titled $2 with a critical (red) icon when $3 is
# "critical", an information icon otherwise, and closes it by $4 ("enter" or "click").
check_load_box() {
    local clock=$1 title=$2 icon=$3 close=$4 box red status
    e2e_watch_clients
    e2e_launch --clock "$clock"
    e2e_poll 15 box_without_window "$title" "$clock" || fail "no box titled $title for $clock"
    box=$(e2e_wait_window "$title" 1) || fail "box titled $title for $clock vanished"
    e2e_app_running || fail "the program ended before its box for $clock was closed"

    # The box carries the application's icon in the sizes title bars draw, not Qt's default.
    local icons
    icons=$(xprop -id "$box" _NET_WM_ICON | grep -o 'Icon ([0-9]* x [0-9]*)' | sort -V | xargs)
    [ "$icons" = "Icon (16 x 16) Icon (32 x 32) Icon (48 x 48)" ] ||
        fail "box $title for $clock has the window icons \"$icons\", not the application's"

    # The icon sits in the top-left corner of the box: the critical one is a red disc.
    e2e_client_shot "$box" "$E2E_TMP/box-$title.png"
    red=$(e2e_colour_counts "$E2E_TMP/box-$title.png" 48x48+0+0 | sed 's/.*red=//')
    if [ "$icon" = critical ]; then
        [ "$red" -ge 100 ] || fail "box $title for $clock has no critical icon ($red red pixels)"
    else
        [ "$red" -eq 0 ] || fail "box $title for $clock has a red icon ($red red pixels)"
    fi

    if [ "$close" = enter ]; then
        e2e_press_enter "$box"
    else
        # The one button, 确定, sits at the bottom right of the box.
        local x y w h
        read -r x y w h <<<"$(e2e_client_geometry "$box")"
        xdotool mousemove --sync $((x + w - 51)) $((y + h - 23)) click 1
    fi
    status=$(e2e_wait_exit 5)
    [ "$status" = 0 ] || fail "closing the $title box for $clock by $close: status $status, expected 0"
    [ "$(e2e_clients_seen)" = "$box" ] ||
        fail "windows other than the box appeared for $clock: $(e2e_clients_seen)"
    [ ! -s "$E2E_TMP/stderr" ] || fail "stderr for $clock: $(cat "$E2E_TMP/stderr")"
}

check_load_box "2026-12-07 09:00:00" 提示 information enter
check_load_box "2014-04-08 00:00:00" 提示 information click
check_load_box "1900-01-01 00:00:00" 错误 critical enter
check_load_box "1905-06-08 23:59:59" 错误 critical click

# The same start-ups with --screenshot show nothing: the message goes to stderr, status 3, no
# file. Around each bound, a clock that passes renders its file with status 0.
e2e_watch_clients
while IFS='|' read -r clock expected_status expected_stderr; do
    shot="$E2E_TMP/shot.png"
    rm -f "$shot"
    status=0
    "$E2E_PROGRAM" --clock "$clock" --screenshot "$shot" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" ||
        status=$?
    [ "$status" = "$expected_status" ] || fail "--screenshot at $clock: status $status, expected $expected_status"
    [ "$(cat "$E2E_TMP/stderr")" = "$expected_stderr" ] ||
        fail "--screenshot at $clock: stderr \"$(cat "$E2E_TMP/stderr")\", expected \"$expected_stderr\""
    [ ! -s "$E2E_TMP/stdout" ] || fail "--screenshot at $clock wrote to stdout: $(cat "$E2E_TMP/stdout")"
    if [ "$expected_status" = 0 ]; then
        [ "$(identify -format '%wx%h' "$shot" 2>/dev/null)" = 550x289 ] ||
            fail "--screenshot at $clock did not write a 550x289 PNG"
    else
        [ ! -e "$shot" ] || fail "--screenshot at $clock wrote $shot although the program ended"
    fi
done <<EOT
2026-12-07 09:00:00|3|提示: $PAST_TEXT
2014-04-08 00:00:00|3|提示: $PAST_TEXT
2014-04-07 12:00:00|0|
1900-01-01 00:00:00|3|错误: $EARLY_TEXT
1905-06-08 23:59:59|3|错误: $EARLY_TEXT
1905-06-09 00:00:00|0|
EOT

# The file name's suffix picks the image format: a .jpg screenshot holds JPEG data.
status=0
"$E2E_PROGRAM" --clock "2014-04-07 12:00:00" --screenshot "$E2E_TMP/shot.jpg" \
    >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || status=$?
[ "$status" = 0 ] || fail "--screenshot shot.jpg: status $status: $(cat "$E2E_TMP/stderr")"
[ "$(identify -format '%m %wx%h' "$E2E_TMP/shot.jpg" 2>/dev/null)" = "JPEG 550x289" ] ||
    fail "--screenshot shot.jpg did not write a 550x289 JPEG"

# A screenshot file that cannot be written: one line naming it and the reason, status 1, no file.
mkdir "$E2E_TMP/folder.png"
while IFS='|' read -r shot reason; do
    status=0
    "$E2E_PROGRAM" --clock "2014-04-07 12:00:00" --screenshot "$shot" \
        >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || status=$?
    [ "$status" = 1 ] || fail "--screenshot $shot: status $status, expected 1"
    [ "$(wc -l <"$E2E_TMP/stderr")" = 1 ] && grep -qF "\"$shot\": $reason" "$E2E_TMP/stderr" ||
        fail "--screenshot $shot: stderr \"$(cat "$E2E_TMP/stderr")\", expected \"$shot\": $reason"
    [ ! -s "$E2E_TMP/stdout" ] || fail "--screenshot $shot wrote to stdout: $(cat "$E2E_TMP/stdout")"
done <<EOT
$E2E_TMP/missing/shot.png|No such file or directory
$E2E_TMP/folder.png|Filename refers to a directory
EOT
[ ! -e "$E2E_TMP/missing" ] || fail "--screenshot made the missing folder"

# -v prints the version that project() sets in the top-level CMakeLists.txt.
version=$(sed -n 's/^project(Tolvane VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
[ -n "$version" ] || fail "no version found in CMakeLists.txt"
[ "$("$E2E_PROGRAM" -v)" = "tolvane $version" ] || fail "tolvane -v: $("$E2E_PROGRAM" -v)"

# A bad command line: one line on stderr that names the bad value, status 2, nothing shown.
while IFS='|' read -r named args; do
    read -r -a argv <<<"$args"
    # The clock values hold a space; "@" stands for it in the table, "%" for a line break and
    # "^" for the byte 0xE9, which is not UTF-8 on its own.
    argv=("${argv[@]//@/ }")
    argv=("${argv[@]//%/$'\n'}")
    argv=("${argv[@]//^/$'\xe9'}")
    status=0
    "$E2E_PROGRAM" "${argv[@]}" >"$E2E_TMP/stdout" 2>"$E2E_TMP/stderr" || status=$?
    [ "$status" = 2 ] || fail "tolvane ${argv[*]}: status $status, expected 2"
    [ "$(wc -l <"$E2E_TMP/stderr")" = 1 ] ||
        fail "tolvane ${argv[*]}: stderr is not one line: $(cat "$E2E_TMP/stderr")"
    grep -qF -- "$named" "$E2E_TMP/stderr" ||
        fail "tolvane ${argv[*]}: stderr does not name \"$named\": $(cat "$E2E_TMP/stderr")"
    [ ! -s "$E2E_TMP/stdout" ] || fail "tolvane ${argv[*]} wrote to stdout: $(cat "$E2E_TMP/stdout")"
done <<'EOT'
"--colour"|--colour
"--colour"|--clock 2013-04-28@10:54:50 --colour
"2014-02-30 10:00:00"|--clock 2014-02-30@10:00:00
"2013-04-28 24:00:00"|--clock 2013-04-28@24:00:00
"2013-04-28"|--clock 2013-04-28
--clock|--clock
--screenshot|--screenshot
"x.xyz": unknown image type|--screenshot x.xyz
"2013-04-28\n10:54:50"|--clock 2013-04-28%10:54:50
"caf\xe9.png" is not valid UTF-8|--screenshot caf^.png
EOT

# Neither the --screenshot runs nor the refused command lines put a window on the display.
[ -z "$(e2e_clients_seen)" ] || fail "windows appeared without a window being due: $(e2e_clients_seen)"
echo "PASS: load messages"
