#!/usr/bin/env bash
# The window rendered at several display scales (QT_SCALE_FACTOR) on the offscreen platform, as
# --screenshot writes it; no X display is needed. At each ratio the picture has the size of the
# window in device pixels; at ratio 1 it is the window shown in the documentation, pixel for
# pixel; at ratio 2 its background is the 1100 x 580 picture, not the 550 x 290 one enlarged, and
# the close button is painted in device pixels, not painted at 105 x 33 and enlarged.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50"
readonly RATIOS=(1 1.25 1.5 2 3)
readonly CLIENT_WIDTH=550 CLIENT_HEIGHT=289
# The documented window at 344 days left: the unscaled screenshot at $CLOCK.
DOCUMENTED="$(dirname "$0")/../../docs/countdown-344-days.png"
readonly DOCUMENTED
# Sky and hills in device pixels at ratio 2, away from the labels and the close button.
readonly BACKGROUND_AT_2="400x200+0+0"
# The close button in device pixels at ratio 2.
readonly BUTTON_AT_2="210x66+864+496"

# Prints the path of the screenshot at ratio $1, rendering it the first time.
shot() {
    local path="$E2E_TMP/shot-$1.png"
    [ -s "$path" ] || QT_SCALE_FACTOR=$1 e2e_reference "$CLOCK" "$path"
    echo "$path"
}

# Prints the size "W H" of PNG $1.
picture_size() {
    identify -format '%w %h\n' "$1"
}

# Prints "W H": the client area in device pixels at ratio $1. Qt scales a window's size to the
# nearest whole device pixel, halves rounded up (687.5 -> 688 at 1.25, 433.5 -> 434 at 1.5).
device_size() {
    awk -v r="$1" -v w="$CLIENT_WIDTH" -v h="$CLIENT_HEIGHT" \
        'BEGIN { printf "%d %d\n", int(w * r + 0.5), int(h * r + 0.5) }'
}

check_sizes() {
    local ratio size expected
    for ratio in "${RATIOS[@]}"; do
        size=$(picture_size "$(shot "$ratio")")
        expected=$(device_size "$ratio")
        [ "$size" = "$expected" ] ||
            fail "at ratio $ratio the screenshot is $size (w h), expected $expected"
    done
}

check_unscaled_is_documented() {
    local differing
    differing=$(compare -metric AE "$(shot 1)" "$DOCUMENTED" null: 2>&1 || true)
    [ "$differing" = 0 ] ||
        fail "at ratio 1 the screenshot differs from docs/countdown-344-days.png in" \
            "$differing pixels"
}

# Fails when most of the aligned 2 x 2 blocks of rectangle $1 of the screenshot at ratio 2 are of
# one colour, as in a picture enlarged from half the size; $2 names what lies there and what an
# enlarged picture would mean.
check_sharp_at_2() {
    local uniform
    uniform=$(e2e_uniform_block_percent "$(shot 2)" "$1")
    [ "$uniform" -lt 50 ] ||
        fail "at ratio 2, $uniform % of the 2 x 2 blocks of $2"
}

check_sizes
check_unscaled_is_documented
check_sharp_at_2 "$BACKGROUND_AT_2" \
    "the background ($BACKGROUND_AT_2) are of one colour: the 550 x 290 picture enlarged, not the 1100 x 580 one"
# The button's gradients change from one device row to the next and its caption's strokes and
# focus dots are drawn in device pixels; painted at 105 x 33 and enlarged, every block is uniform.
check_sharp_at_2 "$BUTTON_AT_2" \
    "the close button ($BUTTON_AT_2) are of one colour: the 105 x 33 button enlarged"
echo "PASS: scale"
