#!/usr/bin/env python3
"""Checks that the tree's includes run only downwards through its floors.

Usage: check_layers.py [--qt-widgets-headers DIR] ROOT

Reads every #include of the C++ sources and headers under ROOT (folders holding a CMakeCache.txt,
that is build trees, and hidden folders are skipped) and of the Windows resource scripts (.rc).
An include "folder/file.h" of ours must name the file's own folder or one that LAYERS lets it
include. In C++ sources a toolkit-free folder includes neither Qt nor Windows headers, a Qt folder
no Windows headers, a Windows folder no Qt headers, a Qt Quick folder no Qt Widgets headers
either; tests/, bench/, fuzz/ and tools/ include anything, but never Qt and Windows headers in
one folder. (A resource script is read by the resource compiler, which needs <windows.h> for its
macros: only its quoted includes are checked.)

DIR is Qt's QtWidgets header folder; without it only <QtWidgets/...> counts as a Qt Widgets
header. Prints one line per include against the rules, as FILE:LINE: ..., and exits 1 when there
is one (or when ROOT holds no source), 0 otherwise.
"""

import argparse
import os
import re
import sys

FREE, QT, QT_QUICK, WINDOWS, ANY = "toolkit-free", "Qt", "Qt Quick", "Windows", "any toolkit"

# Each floor of our own code: the floors it may include besides itself, and what it may include
# of the toolkits. A nested folder (forms/qt) is a floor of its own, not part of its parent.
LAYERS = {
    "base": ("", FREE),
    "gdi": ("base", FREE),
    "design": ("base gdi", FREE),
    "qt": ("base gdi design", QT),
    "win32": ("base gdi design", WINDOWS),
    "stylerbutton/core": ("base gdi", FREE),
    "stylerbutton/qt": ("stylerbutton/core qt base gdi", QT),
    "stylerbutton/quick": ("stylerbutton/core qt base gdi", QT_QUICK),
    "stylerbutton/ui": ("stylerbutton/qt stylerbutton/core qt base gdi", QT),
    "stylerbutton/designer": (
        "stylerbutton/ui stylerbutton/qt stylerbutton/core qt base gdi resources", QT),
    "forms": ("stylerbutton/core design base gdi", FREE),
    "forms/qt": ("forms stylerbutton/qt stylerbutton/core qt design base gdi resources", QT),
    "forms/win32": ("forms stylerbutton/core win32 design base gdi resources", WINDOWS),
    "countdown": ("forms stylerbutton/core base gdi", FREE),
    # program/version.h is generated into the build tree; it is in program/'s own floor.
    "program": ("countdown forms stylerbutton/core design base gdi", FREE),
    "program/qt": ("program forms/qt countdown forms stylerbutton/qt stylerbutton/core qt design "
                   "base gdi resources", QT),
    "program/win32": ("program forms/win32 countdown forms stylerbutton/core win32 design base "
                      "gdi resources", WINDOWS),
    "resources": ("", FREE),
}
# Folders that may include anything of ours, each sub-folder on its own for the toolkits.
FREE_FOR_ALL = ("tests", "bench", "fuzz", "tools")

SOURCES = (".h", ".hpp", ".cpp", ".cc", ".cxx", ".h.in")
RESOURCE_SCRIPTS = (".rc",)
INCLUDE = re.compile(r'^\s*#\s*include\s*([<"])([^>"]+)[>"]')
# The Windows SDK's and its C runtime's own headers (POSIX ones such as <fcntl.h> are fine).
WINDOWS_HEADERS = {"commctrl.h", "commdlg.h", "objbase.h", "objidl.h", "ole2.h", "oleacc.h",
                   "oleauto.h", "olectl.h", "unknwn.h", "shellapi.h", "shlobj.h", "shlwapi.h",
                   "uxtheme.h", "dwmapi.h", "mmsystem.h", "tchar.h", "io.h", "direct.h"}


def is_qt(header):
    # <QImage>, <Qt>, <QtCore/QString>, <qstring.h>; not <queue>.
    return header.startswith(("Q", "qt")) or re.fullmatch(r"q\w+\.h", header) is not None


def is_windows(header):
    lower = header.lower()
    return lower in WINDOWS_HEADERS or re.fullmatch(r"win\w*\.h", lower) is not None


def kind_of(folder):
    if folder in LAYERS:
        return LAYERS[folder][1]
    if folder.split("/")[0] in FREE_FOR_ALL:
        return ANY
    return None


def source_files(root):
    for folder, subfolders, files in os.walk(root):
        subfolders[:] = sorted(name for name in subfolders if not name.startswith(".") and
                               not os.path.exists(os.path.join(folder, name, "CMakeCache.txt")))
        for name in sorted(files):
            if name.endswith(SOURCES + RESOURCE_SCRIPTS):
                yield os.path.relpath(os.path.join(folder, name), root).replace(os.sep, "/")


# The toolkits whose headers each kind of floor's C++ sources may include; one kind allows at
# most one toolkit, so only the folders of any toolkit need the one-toolkit-per-folder rule.
TOOLKITS_ALLOWED = {FREE: (), QT: ("Qt",), QT_QUICK: ("Qt",), WINDOWS: ("Windows",)}


def include_problem(path, number, folder, kind, quote, header, first_toolkit_include,
                    widgets_headers):
    """What is wrong with the include on line `number` of the file at `path`, or None."""
    spelled = f'"{header}"' if quote == '"' else f"<{header}>"
    if quote == '"':
        target = os.path.dirname(header)
        if kind == ANY or target == folder or target in LAYERS[folder][0].split():
            return None
        floors = LAYERS[folder][0] or "nothing of ours"
        return (f"#include {spelled} reaches {target or '.'}/, which {folder}/ may not include "
                f"(it may include {floors})")
    toolkit = "Qt" if is_qt(header) else "Windows" if is_windows(header) else None
    if toolkit is None or path.endswith(RESOURCE_SCRIPTS):
        return None
    if kind == ANY:
        first_toolkit_include.setdefault((folder, toolkit), f"{path}:{number}")
        other = "Windows" if toolkit == "Qt" else "Qt"
        if (folder, other) not in first_toolkit_include:
            return None
        return (f"#include {spelled} is a {toolkit} header in {folder}/, which also includes "
                f"{other} ({first_toolkit_include[folder, other]})")
    if toolkit not in TOOLKITS_ALLOWED[kind]:
        return f"#include {spelled} is a {toolkit} header in {folder}/, a {kind} folder"
    if kind == QT_QUICK and (header.startswith("QtWidgets/") or header in widgets_headers):
        return f"#include {spelled} is a Qt Widgets header in {folder}/, a {kind} folder"
    return None


def check(root, widgets_headers):
    """Returns the files read and one line per include against the rules."""
    problems, first_toolkit_include = [], {}
    files = list(source_files(root))
    for path in files:
        folder = os.path.dirname(path)
        kind = kind_of(folder)
        if kind is None:
            problems.append(f"{path}: its folder {folder or '.'}/ is not in the layer table")
            continue
        with open(os.path.join(root, path), encoding="utf-8", errors="replace") as text:
            for number, line in enumerate(text, 1):
                match = INCLUDE.match(line)
                problem = match and include_problem(path, number, folder, kind, *match.groups(),
                                                    first_toolkit_include, widgets_headers)
                if problem:
                    problems.append(f"{path}:{number}: {problem}")
    return files, problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("root")
    parser.add_argument("--qt-widgets-headers", metavar="DIR",
                        help="Qt's QtWidgets header folder, whose headers a Qt Quick folder avoids")
    arguments = parser.parse_args()
    widgets_headers = set()
    if arguments.qt_widgets_headers:
        widgets_headers = set(os.listdir(arguments.qt_widgets_headers))
    files, problems = check(arguments.root, widgets_headers)
    for problem in problems:
        print(problem)
    if not files:
        print(f"layer check: no C++ source or resource script under {arguments.root}")
        return 1
    if problems:
        print(f"layer check: {len(problems)} against the layers in {len(files)} files")
        return 1
    print(f"layer check: the includes of {len(files)} files follow the layers")
    return 0


if __name__ == "__main__":
    sys.exit(main())
