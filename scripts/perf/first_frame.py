#!/usr/bin/env python3
"""Starts a program and times its first frame on the X display named by DISPLAY.

Usage: first_frame.py TITLE PIXELS STAY_MS -- PROGRAM [ARGS...]

PIXELS lists points of the window's client area with the colours they must show once the window
is painted: "x,y,RRGGBB;x,y,RRGGBB;...". The program is started (under whatever wrapper the
command line gives, e.g. /usr/bin/time -v -o FILE), and the display is polled as fast as a round
trip and a pause of 1 ms allow: the window tree is searched for the windows whose WM_NAME is
TITLE, and their own pixels are read with XGetImage, which succeeds only on a viewable window
that holds the points. STAY_MS after the first painted frame the program gets SIGTERM (the
wrapper's child if there is one) and the wrapper is waited for.

Prints one line: "mapped_ms painted_ms resolution_ms", times from just before the start:
mapped is the first poll that could read the window's pixels, painted the first that saw all
PIXELS, resolution the length of that poll plus the pause before it (the frame appeared after
the end of the poll before). Exits 1 with a message when nothing shows within 20 s.

Only the C library of X (libX11, through ctypes) is used: no Python packages.
"""

import ctypes
import ctypes.util
import os
import signal
import subprocess
import sys
import time

TIMEOUT_S = 20.0
# A pause between polls, so that the poll leaves the two programs (X server, program) some CPU.
POLL_PAUSE_S = 0.001
Z_PIXMAP = 2
ALL_PLANES = ctypes.c_ulong(~0 & 0xFFFFFFFFFFFFFFFF)


class XImage(ctypes.Structure):
    # The leading fields of Xlib's XImage, up to what is read here.
    _fields_ = [
        ("width", ctypes.c_int),
        ("height", ctypes.c_int),
        ("xoffset", ctypes.c_int),
        ("format", ctypes.c_int),
        ("data", ctypes.POINTER(ctypes.c_ubyte)),
        ("byte_order", ctypes.c_int),
        ("bitmap_unit", ctypes.c_int),
        ("bitmap_bit_order", ctypes.c_int),
        ("bitmap_pad", ctypes.c_int),
        ("depth", ctypes.c_int),
        ("bytes_per_line", ctypes.c_int),
        ("bits_per_pixel", ctypes.c_int),
    ]


def load_xlib():
    xlib = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XDefaultRootWindow.restype = ctypes.c_ulong
    xlib.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    xlib.XQueryTree.argtypes = [
        ctypes.c_void_p, ctypes.c_ulong, ctypes.POINTER(ctypes.c_ulong),
        ctypes.POINTER(ctypes.c_ulong), ctypes.POINTER(ctypes.POINTER(ctypes.c_ulong)),
        ctypes.POINTER(ctypes.c_uint)]
    xlib.XFetchName.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                ctypes.POINTER(ctypes.c_char_p)]
    xlib.XFree.argtypes = [ctypes.c_void_p]
    xlib.XGetImage.restype = ctypes.POINTER(XImage)
    xlib.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                               ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    xlib.XDestroyImage.argtypes = [ctypes.POINTER(XImage)]
    xlib.XSync.argtypes = [ctypes.c_void_p, ctypes.c_int]
    return xlib


def find_windows(xlib, display, window, title, depth=0):
    """Every window at or below `window` (three levels: frames, clients) titled `title`. Qt also
    gives its hidden 1 x 1 leader window the program's name."""
    found = []
    name = ctypes.c_char_p()
    if xlib.XFetchName(display, window, ctypes.byref(name)) and name.value is not None:
        if name.value == title:
            found.append(window)
        xlib.XFree(name)
    if depth == 3:
        return found
    root, parent = ctypes.c_ulong(), ctypes.c_ulong()
    children, count = ctypes.POINTER(ctypes.c_ulong)(), ctypes.c_uint()
    if not xlib.XQueryTree(display, window, ctypes.byref(root), ctypes.byref(parent),
                           ctypes.byref(children), ctypes.byref(count)):
        return found
    try:
        for i in range(count.value):
            found += find_windows(xlib, display, children[i], title, depth + 1)
    finally:
        if children:
            xlib.XFree(children)
    return found


def read_pixels(xlib, display, window, box, points):
    """The colours (RRGGBB) of `points` of `window`, or None while its pixels cannot be read."""
    left, top, width, height = box
    image = xlib.XGetImage(display, window, left, top, width, height, ALL_PLANES, Z_PIXMAP)
    if not image:
        return None
    try:
        im = image.contents
        if im.bits_per_pixel != 32:
            sys.exit(f"first_frame: a {im.bits_per_pixel}-bit display; use a 24-bit one")
        colours = []
        for x, y in points:
            offset = (y - top) * im.bytes_per_line + (x - left) * 4
            b, g, r = im.data[offset], im.data[offset + 1], im.data[offset + 2]
            if im.byte_order == 1:  # most significant byte first: x, r, g, b
                r, g, b = im.data[offset + 1], im.data[offset + 2], im.data[offset + 3]
            colours.append(f"{r:02X}{g:02X}{b:02X}")
        return colours
    finally:
        xlib.XDestroyImage(image)


def child_of(pid):
    try:
        with open(f"/proc/{pid}/task/{pid}/children") as f:
            children = f.read().split()
    except OSError:
        return None
    return int(children[0]) if children else None


def stop(process):
    """SIGTERM to the program: the wrapper's child if there is one, else the process itself."""
    os.kill(child_of(process.pid) or process.pid, signal.SIGTERM)
    process.wait()


def main(argv):
    if len(argv) < 6 or argv[4] != "--":
        sys.exit(__doc__)
    title = argv[1].encode()
    wanted = []
    for item in argv[2].split(";"):
        x, y, colour = item.split(",")
        wanted.append(((int(x), int(y)), colour.upper()))
    stay_s = int(argv[3]) / 1000.0
    command = argv[5:]

    points = [p for p, _ in wanted]
    xs, ys = [x for x, _ in points], [y for _, y in points]
    box = (min(xs), min(ys), max(xs) - min(xs) + 1, max(ys) - min(ys) + 1)
    colours = [c for _, c in wanted]

    xlib = load_xlib()
    # Reading a window that is not viewable yet is an X error; it only means "not yet".
    handler_type = ctypes.CFUNCTYPE(ctypes.c_int, ctypes.c_void_p, ctypes.c_void_p)
    ignore_errors = handler_type(lambda display, event: 0)
    xlib.XSetErrorHandler(ignore_errors)
    display = xlib.XOpenDisplay(None)
    if not display:
        sys.exit("first_frame: cannot open the display")
    root = xlib.XDefaultRootWindow(display)

    start = time.monotonic()
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    window = None
    seen = None
    mapped = painted = None
    while painted is None:
        now = time.monotonic()
        if now - start > TIMEOUT_S or process.poll() is not None:
            if process.poll() is None:
                stop(process)
            sys.exit(f"first_frame: no painted window titled {argv[1]!r} "
                     f"({'its pixels: ' + ' '.join(seen) if seen else 'none viewable'})")
        poll_start = now
        # The window is the one titled TITLE whose pixels can be read.
        seen = None
        for candidate in [window] if window else find_windows(xlib, display, root, title):
            seen = read_pixels(xlib, display, candidate, box, points)
            if seen is not None:
                window = candidate
                break
        if seen is None:
            time.sleep(POLL_PAUSE_S)
            continue
        end = time.monotonic()
        if mapped is None:
            mapped = end
        if seen == colours:
            painted = end
        else:
            time.sleep(POLL_PAUSE_S)
    resolution = painted - poll_start + POLL_PAUSE_S

    time.sleep(stay_s)
    stop(process)
    print(f"{(mapped - start) * 1000:.0f} {(painted - start) * 1000:.0f} {resolution * 1000:.1f}")


if __name__ == "__main__":
    main(sys.argv)
