#!/usr/bin/env bash
# Builds the Windows installer: scripts/windows-msi.sh TOLVANE.EXE VERSION OUT.msi
# with wixl (Debian's msitools) from resources/windows/tolvane.wxs. VERSION is the product's
# version, three numbers (Windows Installer compares the first three).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
exe=${1:?usage: $0 TOLVANE.EXE VERSION OUT.msi}
version=${2:?usage: $0 TOLVANE.EXE VERSION OUT.msi}
out=${3:?usage: $0 TOLVANE.EXE VERSION OUT.msi}

if [[ ! "$version" =~ ^[0-9]{1,3}\.[0-9]{1,3}\.[0-9]{1,5}$ ]]; then
    echo "windows-msi: the version \"$version\" is not MAJOR.MINOR.BUILD (at most 255.255.65535)" >&2
    exit 2
fi
if [ ! -f "$exe" ]; then
    echo "windows-msi: no program at \"$exe\"" >&2
    exit 2
fi
# wixl takes the files by names relative to the folder it runs in: they are linked into a scratch
# folder, where the installer is written first, so that a failure leaves no half-written one.
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ln -s "$(realpath "$exe")" "$work/tolvane.exe"
ln -s "$root/resources/tolvane.ico" "$work/tolvane.ico"
(cd "$work" && wixl --arch x64 -D Version="$version" -D Exe=tolvane.exe -D Icon=tolvane.ico \
    -o tolvane.msi "$root/resources/windows/tolvane.wxs")
mv -f "$work/tolvane.msi" "$out"
