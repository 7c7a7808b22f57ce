#!/usr/bin/env bash
# Installs what is missing, cross-compiles the native Windows program with MinGW-w64 and puts it,
# stripped, at out/tolvane.exe: one 64-bit executable that imports only system DLLs and carries
# its icon, manifest, background pictures and version resource inside; then builds its installer,
# out/tolvane-VERSION-x64.msi (scripts/windows-msi.sh). It then says how to run it under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
scripts/build.sh windows
mkdir -p out
x86_64-w64-mingw32-strip -o out/tolvane.exe build-windows/tolvane.exe
echo "build-windows: out/tolvane.exe ($(stat -c %s out/tolvane.exe) bytes)"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' build-windows/CMakeCache.txt)
msi="out/tolvane-$version-x64.msi"
scripts/windows-msi.sh out/tolvane.exe "$version" "$msi"
echo "build-windows: $msi ($(stat -c %s "$msi") bytes)"
cat <<'TEXT'
Run it under Wine (no Windows machine needed; the first run prepares a Wine prefix in
build-windows/, with the fonts the window uses):
  scripts/wine-run.sh out/tolvane.exe --clock "2013-04-28 10:54:50"      # on a display
  scripts/wine-run.sh out/tolvane.exe --clock "2013-04-28 10:54:50" --screenshot out/tolvane-windows.png
The second needs no display. On Windows itself, run out/tolvane.exe with the same options, or
install it with the .msi (msiexec /i out\tolvane-VERSION-x64.msi; under Wine the same command
after scripts/wine-run.sh).
TEXT
