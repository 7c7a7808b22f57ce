#!/usr/bin/env bash
# tolvane.exe under Wine on a scaled screen, at 144 and 192 dots per inch (150 % and 200 %, Wine's
# LogPixels in the test's own prefix): the client area is the design's 550 x 289 logical pixels
# in device pixels; the window on screen is its own --screenshot; the counter reads 0 3 4 4; the
# close button's pixels are the Linux program's at the same ratio (QT_SCALE_FACTOR) outside the
# caption's text box; the button at 200 % is drawn at that resolution, not enlarged from 100 %; a
# drag moves the window by exactly the pointer's movement; Enter ends the program with status 0.
# Usage: wine_dpi_test.sh TOLVANE.EXE LINUX-TOLVANE
source "$(dirname "$0")/wine_e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50" # 344 days left
if [ ! -x "$WINE_E2E_LINUX" ]; then
    echo "SKIP: the Linux program \"$WINE_E2E_LINUX\", which draws the reference pictures, is not" \
        "built (scripts/build.sh normal)"
    exit 77
fi

wine_e2e_start

# The rectangle WxH+X+Y of logical pixels as the device pixels that cover it at ratio $2.
scaled() {
    awk -v r="$2" -v rect="$1" 'BEGIN {
        split(rect, p, /[x+]/)
        x0 = int(p[3] * r); y0 = int(p[4] * r)
        x1 = p[3] + p[1]; y1 = p[4] + p[2]
        x1 = (x1 * r == int(x1 * r)) ? x1 * r : int(x1 * r) + 1
        y1 = (y1 * r == int(y1 * r)) ? y1 * r : int(y1 * r) + 1
        printf "%dx%d+%d+%d\n", x1 - x0, y1 - y0, x0, y0
    }'
}

# Logical length $1 in whole device pixels at ratio $2, halves to even, as the program sizes them.
device() {
    awk -v v="$1" -v r="$2" 'BEGIN {
        x = v * r; f = int(x); d = x - f
        if (d > 0.5 || (d == 0.5 && f % 2 == 1)) f++
        print f
    }'
}

check_dpi() {
    local dpi=$1 ratio=$2 tag=$3
    "$E2E_PROGRAM" reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f \
        >/dev/null || fail "cannot set LogPixels to $dpi"
    local width height
    width=$(device 550 "$ratio")
    height=$(device 289 "$ratio")

    # The references: the exe's own --screenshot, and the Linux program's at the same ratio, on
    # the clock and a day either side.
    wine_e2e_exe_shot "$CLOCK" "$E2E_TMP/exe-$tag.png"
    read -r w h <<<"$(identify -format '%w %h' "$E2E_TMP/exe-$tag.png")"
    [ "$w x $h" = "$width x $height" ] ||
        fail "at $dpi dpi the --screenshot is ${w}x$h, expected ${width}x$height"
    for days in 344 345 343; do
        QT_SCALE_FACTOR=$ratio wine_e2e_linux_shot \
            "$(e2e_clock_plus "$CLOCK" $(((344 - days) * 86400)))" "$E2E_TMP/linux-$tag-$days.png"
    done

    e2e_mousemove 0 0
    wine_e2e_launch --clock "$CLOCK"
    win=$(e2e_wait_window Tolvane 20) || fail "no window titled Tolvane appeared at $dpi dpi"
    read -r _ _ w h <<<"$(e2e_client_geometry "$win")"
    [ "$w x $h" = "$width x $height" ] ||
        fail "at $dpi dpi the client area is ${w}x$h, expected ${width}x$height"

    # Settled, the window is its own --screenshot except for the time left today.
    local label6 box
    label6=$(scaled "$E2E_LABEL6" "$ratio")
    box=$(awk -v g="$label6" 'BEGIN { split(g, p, /[x+]/); print p[3] "," p[4], p[3] + p[1] "," p[4] + p[2] }')
    convert "$E2E_TMP/exe-$tag.png" -fill black -draw "rectangle $box" "$E2E_TMP/exe-$tag-masked.png"
    settled() {
        e2e_client_shot "$win" "$E2E_TMP/settled-$tag.png"
        convert "$E2E_TMP/settled-$tag.png" -fill black -draw "rectangle $box" \
            "$E2E_TMP/settled-$tag-masked.png"
        e2e_region_same "$E2E_TMP/exe-$tag-masked.png" "$E2E_TMP/settled-$tag-masked.png" \
            "${width}x$height+0+0"
    }
    e2e_poll 40 settled || fail "at $dpi dpi the window did not settle on its --screenshot:" \
        "$(e2e_region_diff "$E2E_TMP/exe-$tag-masked.png" "$E2E_TMP/settled-$tag-masked.png" \
            "${width}x$height+0+0") pixels differ"

    # The counter reads 0344, compared with the Linux program's at the same ratio.
    local d344 d345 d343
    d344=$(wine_e2e_counter_distance "$E2E_TMP/settled-$tag.png" "$E2E_TMP/linux-$tag-344.png" "$ratio")
    d345=$(wine_e2e_counter_distance "$E2E_TMP/settled-$tag.png" "$E2E_TMP/linux-$tag-345.png" "$ratio")
    d343=$(wine_e2e_counter_distance "$E2E_TMP/settled-$tag.png" "$E2E_TMP/linux-$tag-343.png" "$ratio")
    awk -v a="$d344" -v b="$d345" -v c="$d343" 'BEGIN { exit !(a < 0.12 && a < b && a < c) }' ||
        fail "at $dpi dpi the counter does not read 0344: its distance to Linux's 0344 is $d344," \
            "to 0345 $d345, to 0343 $d343"
    COUNTER_DISTANCES+=" $tag:$d344"

    # The close button is the Linux program's at the same ratio, outside its caption's text box
    # (the button's logical (38, 7) to (67, 24), two device pixels wider each way). At 150 % the
    # picture behind the button is filtered down from the 200 % one, which each platform does in
    # its own way: there the pixels outside the button's shape, where that picture shows, are
    # left out (its last logical column and row, and a corner of 2 x 2 logical pixels each way).
    local button caption w h cut corner
    w=$(device 105 "$ratio")
    h=$(device 33 "$ratio")
    button=$(awk -v r="$ratio" -v w="$w" -v h="$h" 'BEGIN { printf "%dx%d+%d+%d\n", w, h, 432 * r, 248 * r }')
    caption=$(awk -v r="$ratio" 'BEGIN {
        printf "%d,%d %d,%d\n", (432 + 38) * r - 2, (248 + 7) * r - 2, (432 + 68) * r + 1, (248 + 25) * r + 1 }')
    local compared=$button masks=(-draw "rectangle $caption")
    if [ "$ratio" != 2 ]; then
        cut=$(device 1 "$ratio")
        corner=$(device 2 "$ratio")
        compared=$(awk -v r="$ratio" -v w="$((w - cut))" -v h="$((h - cut))" \
            'BEGIN { printf "%dx%d+%d+%d\n", w, h, 432 * r, 248 * r }')
        read -r cw ch cx cy <<<"$(tr 'x+' '  ' <<<"$compared")"
        for xy in "$cx $cy" "$((cx + cw - corner)) $cy" "$cx $((cy + ch - corner))" \
            "$((cx + cw - corner)) $((cy + ch - corner))"; do
            read -r x y <<<"$xy"
            masks+=(-draw "rectangle $x,$y $((x + corner - 1)),$((y + corner - 1))")
        done
    fi
    for shot in "settled-$tag" "linux-$tag-344"; do
        convert "$E2E_TMP/$shot.png" -fill black "${masks[@]}" "$E2E_TMP/$shot-button.png"
    done
    e2e_region_same "$E2E_TMP/settled-$tag-button.png" "$E2E_TMP/linux-$tag-344-button.png" "$compared" ||
        fail "at $dpi dpi $(e2e_region_diff "$E2E_TMP/settled-$tag-button.png" \
            "$E2E_TMP/linux-$tag-344-button.png" "$compared") pixels of the button outside its" \
            "caption differ from the Linux program's"
    if [ "$dpi" = 192 ]; then
        local uniform
        uniform=$(e2e_uniform_block_percent "$E2E_TMP/settled-$tag.png" "$button")
        [ "$uniform" -lt 75 ] ||
            fail "at 200 % $uniform % of the button's 2 x 2 blocks are uniform: an enlarged picture"
        UNIFORM_BLOCKS=$uniform
    fi

    # A left drag by (+100, +50) device pixels from the bare surface moves the client area by that.
    local x0 y0
    read -r x0 y0 _ _ <<<"$(e2e_client_geometry "$win")"
    e2e_drag 1 $((x0 + 150)) $((y0 + 90)) 100 50
    moved_to() {
        read -r x y _ _ <<<"$(e2e_client_geometry "$win")"
        [ "$x $y" = "$1" ]
    }
    e2e_poll 5 moved_to "$((x0 + 100)) $((y0 + 50))" || fail "at $dpi dpi after a drag by" \
        "(100, 50) the client area is at $(e2e_client_geometry "$win"), was $x0 $y0"
    e2e_mousemove 0 0

    e2e_press_enter "$win"
    status=$(e2e_wait_exit 10)
    [ "$status" = 0 ] || fail "at $dpi dpi after Enter the program's status is $status"
}

COUNTER_DISTANCES=""
UNIFORM_BLOCKS=""
check_dpi 144 1.5 150
check_dpi 192 2 200
echo "PASS: tolvane.exe at 150 % and 200 % (counter distances to 0344:$COUNTER_DISTANCES;" \
    "uniform 2 x 2 blocks of the button at 200 %: $UNIFORM_BLOCKS %)"
