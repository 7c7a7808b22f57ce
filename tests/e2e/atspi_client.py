#!/usr/bin/python3
"""An assistive-technology client for the AT-SPI test: finds the Tolvane window in the desktop
tree, checks what a screen reader would read there, and presses the close button through its
press action. Prints one line per finding; exits 0 when every check passed, 1 otherwise.

Usage: atspi_client.py EXPECTED_COUNTER_NAME TIMEOUT_SECONDS
"""
import re
import sys
import time

import pyatspi

COUNTER = re.compile(r"^-?\d+ 天$")


def fail(message):
    print("FAIL: " + message, flush=True)
    sys.exit(1)


def wait_for(what, deadline, probe):
    """Calls probe until it returns something other than None, or fails at the deadline."""
    while True:
        try:
            found = probe()
        except Exception:  # the tree changes under the walk while the program starts
            found = None
        if found is not None:
            return found
        if time.monotonic() >= deadline:
            fail(what() if callable(what) else what)
        time.sleep(0.1)


def desktop():
    """The desktop, read afresh: an application that registers while the client starts would
    otherwise stay missing from the cached list of its children."""
    root = pyatspi.Registry.getDesktop(0)
    root.clearCache()
    return root


def tolvane_window():
    for app in desktop():
        for window in app or []:
            if window is not None and window.name == "Tolvane" and \
                    window.getRole() in (pyatspi.ROLE_FRAME, pyatspi.ROLE_WINDOW):
                return window
    return None


def desktop_names():
    """The applications on the desktop with their windows, for a failure message."""
    try:
        return [(app.name, [window.name for window in app or [] if window is not None])
                for app in desktop() if app is not None]
    except Exception as error:  # the bus itself may be what went wrong
        return "unreadable: %s" % error


def children(window):
    window.clearCache()
    return [child for child in window if child is not None]


def settled_counter(window, expected):
    names = [child.name for child in children(window) if child.getRole() == pyatspi.ROLE_LABEL]
    counters = [name for name in names if COUNTER.match(name)]
    return counters[0] if counters == [expected] else None


def main():
    expected_counter, timeout = sys.argv[1], float(sys.argv[2])
    deadline = time.monotonic() + timeout

    window = wait_for(lambda: "no window named Tolvane in the desktop tree; it holds: %r"
                      % desktop_names(), deadline, tolvane_window)
    print("window: %s %r" % (window.getRoleName(), window.name), flush=True)

    button = wait_for("no push button named 关闭 in the window", deadline, lambda: next(
        (c for c in children(window)
         if c.getRole() == pyatspi.ROLE_PUSH_BUTTON and c.name == "关闭"), None))
    states = button.getState()
    if not states.contains(pyatspi.STATE_ENABLED) or not states.contains(pyatspi.STATE_FOCUSED):
        fail("the button is not enabled and focused: %s"
             % [pyatspi.stateToString(s) for s in states.getStates()])
    print("button: %s %r, enabled and focused" % (button.getRoleName(), button.name), flush=True)

    # The counter runs down first; it is read once it shows the count it settles on.
    counter = wait_for("the counter never read %r; labels: %r" % (
        expected_counter, [c.name for c in children(window)]), deadline,
        lambda: settled_counter(window, expected_counter))
    print("counter: %r" % counter, flush=True)

    labels = [c.name for c in children(window) if c.getRole() == pyatspi.ROLE_LABEL]
    hidden = [name for name in labels if name in ("9999", "同时倒计时") or "9 9" in name]
    if hidden or len(labels) != 5:
        fail("the window's labels are %r: five visible ones expected, no hidden one" % labels)

    action = button.queryAction()
    names = [action.getName(i) for i in range(action.nActions)]
    if "press" not in [name.lower() for name in names]:
        fail("the button has no press action: %r" % names)
    print("press action of %r" % names, flush=True)
    try:
        action.doAction([name.lower() for name in names].index("press"))
    except Exception as error:  # the program ends before it can answer
        print("press: no answer (%s)" % type(error).__name__, flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
