#!/usr/bin/env bash
# The window through a real assistive-technology client: with the AT-SPI bus running and
# accessibility switched on, a pyatspi client finds the Tolvane window in the desktop tree, the
# push button 关闭 (enabled, focused) and the counter read as "344 天", sees no hidden label, and
# performs the button's press action, which ends the program with status 0.
source "$(dirname "$0")/e2e_lib.sh"

readonly CLOCK="2013-04-28 10:54:50" # 344 days left
readonly PYTHON=${TOLVANE_PYTHON:-/usr/bin/python3}

e2e_start_display
e2e_start_accessibility
e2e_launch --clock "$CLOCK"
e2e_wait_window Tolvane 15 >/dev/null || fail "no window titled Tolvane appeared"
# The client reads the desktop's list of applications once and then follows its changes; it starts
# once the program is on that list, so a late registration is not lost between the two.
e2e_poll 30 e2e_accessible_application_registered ||
    fail "the program did not register with the AT-SPI registry"

status=0
"$PYTHON" "$(dirname "$0")/atspi_client.py" "344 天" 40 >"$E2E_TMP/client" 2>&1 || status=$?
sed 's/^/client: /' "$E2E_TMP/client"
[ "$status" = 0 ] || fail "the assistive-technology client failed (status $status)"

status=$(e2e_wait_exit 10)
[ "$status" = 0 ] || fail "after the press action the program's status is $status, expected 0"
e2e_no_window Tolvane || fail "the window is still shown after the program ended"
echo "PASS: AT-SPI client found the window, the button and the counter and closed it"
