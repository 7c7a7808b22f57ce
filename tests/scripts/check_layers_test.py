#!/usr/bin/env python3
"""The layer check on a small tree of copied and made-up files: it passes on them as they are,
and names the file and line of each include planted against the layers.

Usage: check_layers_test.py CHECKER SOURCE_ROOT
"""

import os
import subprocess
import sys
import tempfile

checker, source_root = sys.argv[1:3]
COPIES = ["base/rounding.h", "countdown/window_drag.h", "tests/windows/dib_canvas.h",
          "resources/tolvane.rc"]
# Each plant: the file (made when it is new), the include that goes in as its line 2, and the
# start of the line the check prints.
PLANTS = [
    ("base/rounding.h", '#include "countdown/form1.h"',
     'base/rounding.h:2: #include "countdown/form1.h" reaches countdown/, which base/ may not '
     "include (it may include nothing of ours)"),
    ("countdown/window_drag.h", "#include <QString>",
     "countdown/window_drag.h:2: #include <QString> is a Qt header in countdown/, a toolkit-free "
     "folder"),
    ("forms/qt/planted.h", "#include <windows.h>",
     "forms/qt/planted.h:2: #include <windows.h> is a Windows header in forms/qt/, a Qt folder"),
    ("tests/windows/qt_picture.h", "#include <QImage>",
     "tests/windows/qt_picture.h:2: #include <QImage> is a Qt header in tests/windows/, which also "
     "includes Windows (tests/windows/dib_canvas.h:"),
    ("stylerbutton/quick/button_item.h", "#include <QWidget>",
     "stylerbutton/quick/button_item.h:2: #include <QWidget> is a Qt Widgets header in "
     "stylerbutton/quick/, a Qt Quick folder"),
    ("app/main.cpp", "#include <cstdio>",
     "app/main.cpp: its folder app/ is not in the layer table"),
]


def write(root, path, lines):
    os.makedirs(os.path.join(root, os.path.dirname(path)), exist_ok=True)
    with open(os.path.join(root, path), "w", encoding="utf-8") as text:
        text.writelines(lines)


def run(root, widgets):
    result = subprocess.run([sys.executable, checker, "--qt-widgets-headers", widgets, root],
                            capture_output=True, text=True, check=False)
    return result.returncode, result.stdout.splitlines()


def fail(message, lines):
    print(message, *lines, sep="\n")
    sys.exit(1)


with tempfile.TemporaryDirectory() as root:
    for path in COPIES:
        with open(os.path.join(source_root, path), encoding="utf-8") as text:
            write(root, path, text.readlines())
    write(root, "stylerbutton/quick/button_item.h", ["#pragma once\n", "#include <QQuickItem>\n"])
    write(root, "QtWidgets/QWidget", [])
    # A build tree inside the source tree is not read.
    write(root, "build/CMakeCache.txt", [])
    write(root, "build/base/moc_planted.cpp", ["#include <QObject>\n", '#include "qt/fonts.h"\n'])
    widgets = os.path.join(root, "QtWidgets")

    status, lines = run(root, widgets)
    if status != 0 or len(lines) != 1:
        fail(f"the files as they are should pass, but the check exited {status}:", lines)

    for path, include, _ in PLANTS:
        first, rest = "#pragma once\n", []
        if os.path.exists(os.path.join(root, path)):
            with open(os.path.join(root, path), encoding="utf-8") as text:
                first, *rest = text.readlines()
        write(root, path, [first, include + "\n", *rest])
    status, lines = run(root, widgets)
    missing = [said for _, _, said in PLANTS if not any(line.startswith(said) for line in lines)]
    if status != 1 or missing or len(lines) != len(PLANTS) + 1:
        fail(f"the check exited {status}; expected 1 and only these lines, missing {missing}:",
             lines)
print(f"{len(PLANTS)} planted includes found, with their files and lines")
