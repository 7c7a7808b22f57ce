#!/usr/bin/env bash
# The Windows installer under Wine, in a prefix made afresh for the test (no display needed):
# the MSI of version N installs tolvane.exe under Program Files\Tolvane, whose version resource
# says N in Chinese and English, whose --version says N and whose --screenshot is the build
# tree's; the Start-menu shortcut "Tolvane" points at it with the icon; the uninstall entry has
# the name, version, publisher and icon. The MSI of version N+1 (a changed file) replaces it:
# one entry, the new file. Uninstalling leaves no file, folder, shortcut or registry value of it.
# Usage: wine_msi_test.sh TOLVANE.EXE VERSION
source "$(dirname "$0")/wine_e2e_lib.sh"
readonly VERSION=${2:?usage: $0 TOLVANE.EXE VERSION}
readonly CLOCK="2013-04-28 10:54:50"
readonly UNINSTALL='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall'
readonly INSTALLED='C:\Program Files\Tolvane\tolvane.exe'

# A prefix of the test's own, as a new Windows machine: a leftover of an earlier run would hide
# what an install or uninstall did.
wine_e2e_server -k 2>/dev/null || true
rm -rf "${WINEPREFIX:?}"
unset DISPLAY
drive="$WINEPREFIX/drive_c"
wine() {
    "$E2E_PROGRAM" "$@"
}
wine "$WINE_E2E_EXE" -v >"$E2E_TMP/prepare.log" 2>&1 || fail "the new prefix could not run tolvane.exe -v"

# The two installers: N from the build's program, N+1 from a copy with bytes appended (past the
# executable's image, where Windows does not look), so that the installed file tells them apart.
next_version=$(awk -F. -v OFS=. '{ $3 = $3 + 1; print }' <<<"$VERSION")
cp "$WINE_E2E_EXE" "$E2E_TMP/next.exe"
printf 'next' >>"$E2E_TMP/next.exe"
msi_n="$E2E_TMP/tolvane-$VERSION-x64.msi"
msi_next="$E2E_TMP/tolvane-$next_version-x64.msi"
"$WINE_E2E_ROOT/scripts/windows-msi.sh" "$WINE_E2E_EXE" "$VERSION" "$msi_n" ||
    fail "no installer of version $VERSION"
"$WINE_E2E_ROOT/scripts/windows-msi.sh" "$E2E_TMP/next.exe" "$next_version" "$msi_next" ||
    fail "no installer of version $next_version"
"$WINE_E2E_ROOT/scripts/windows-msi.sh" "$WINE_E2E_EXE" 1.0 "$E2E_TMP/bad.msi" 2>"$E2E_TMP/bad.log" &&
    fail "an installer was built with the version \"1.0\""
grep -q '"1.0" is not MAJOR.MINOR.BUILD' "$E2E_TMP/bad.log" ||
    fail "the refusal of version \"1.0\" does not name it: $(cat "$E2E_TMP/bad.log")"
[ ! -e "$E2E_TMP/bad.msi" ] || fail "a refused build left $E2E_TMP/bad.msi behind"

# Every file and folder of the machine, and the registry as the wineserver saves it.
snapshot_files() {
    (cd "$drive" && find . | LC_ALL=C sort) >"$1"
}
registry_mentions() {
    wine_e2e_server -w
    { grep -i -c tolvane "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" || true; } |
        awk -F: '{ n += $2 } END { print n }'
}
snapshot_files "$E2E_TMP/files-before.txt"
[ "$(registry_mentions)" = 0 ] || fail "the new prefix's registry mentions Tolvane already"

msiexec() {
    local status=0
    wine msiexec "$@" /qn >"$E2E_TMP/msiexec.log" 2>&1 || status=$?
    [ "$status" = 0 ] || fail "msiexec $* exited $status: $(cat "$E2E_TMP/msiexec.log")"
}

# Prints "DisplayName|DisplayVersion|Publisher|DisplayIcon" of every uninstall entry named Tolvane.
tolvane_entries() {
    wine reg query "$UNINSTALL" /s 2>/dev/null | tr -d '\r' | awk '
        /^HKEY/ { if (name == "Tolvane") print name "|" version "|" publisher "|" icon
                  name = version = publisher = icon = "" }
        $1 == "DisplayName" { name = substr($0, index($0, "REG_SZ") + 10) }
        $1 == "DisplayVersion" { version = substr($0, index($0, "REG_SZ") + 10) }
        $1 == "Publisher" { publisher = substr($0, index($0, "REG_SZ") + 10) }
        $1 == "DisplayIcon" { icon = substr($0, index($0, "REG_SZ") + 10) }
        END { if (name == "Tolvane") print name "|" version "|" publisher "|" icon }'
}

check_installed() {
    local version=$1 program=$2 entries shortcut
    [ "$(sha256sum <"$drive/Program Files/Tolvane/tolvane.exe")" = "$(sha256sum <"$program")" ] ||
        fail "Program Files\\Tolvane\\tolvane.exe is not the program of version $version"
    entries=$(tolvane_entries)
    [ "$entries" = "Tolvane|$version|The Tolvane developers|$INSTALLED,0" ] ||
        fail "after installing $version the uninstall entries named Tolvane are: ${entries:-none}"
    shortcut=$(find "$drive" -path '*/Start Menu/Programs/Tolvane.lnk')
    [ "$(wc -l <<<"$shortcut")" = 1 ] && [ -n "$shortcut" ] ||
        fail "no single Start-menu shortcut Tolvane.lnk: ${shortcut:-none}"
    # The link's texts, in its 8-bit and 16-bit strings: the target and the icon's place.
    { strings -e s "$shortcut"; strings -e l "$shortcut"; } >"$E2E_TMP/shortcut.txt"
    grep -qxF "$INSTALLED" "$E2E_TMP/shortcut.txt" ||
        fail "the shortcut does not point at $INSTALLED: $(tr '\n' ' ' <"$E2E_TMP/shortcut.txt")"
    grep -q 'C:\\windows\\Installer\\{.*}\\tolvane\.ico$' "$E2E_TMP/shortcut.txt" ||
        fail "the shortcut has not the product's icon: $(tr '\n' ' ' <"$E2E_TMP/shortcut.txt")"
}

# Version N.
msiexec /i "$msi_n"
check_installed "$VERSION" "$WINE_E2E_EXE"
snapshot_files "$E2E_TMP/files-installed.txt"
comm -13 "$E2E_TMP/files-before.txt" "$E2E_TMP/files-installed.txt" >"$E2E_TMP/files-added.txt"
python3 "$(dirname "$0")/version_resource.py" "$drive/Program Files/Tolvane/tolvane.exe" \
    >"$E2E_TMP/version.txt" || fail "the installed program has no readable version resource"
numbers="${VERSION}.0"
for line in "fixed $numbers $numbers" "080404b0 ProductName=Tolvane" \
    "080404b0 FileVersion=$VERSION" "080404b0 ProductVersion=$VERSION" \
    "040904b0 ProductName=Tolvane" "040904b0 FileVersion=$VERSION" \
    "040904b0 ProductVersion=$VERSION" "Translation 0804/04b0 0409/04b0"; do
    grep -qxF "$line" "$E2E_TMP/version.txt" ||
        fail "the version resource lacks \"$line\": $(cat "$E2E_TMP/version.txt")"
done
grep -q '^0804..b0 LegalCopyright=Copyright [0-9]\{4\} The Tolvane developers$' "$E2E_TMP/version.txt" ||
    fail "the version resource has no copyright: $(cat "$E2E_TMP/version.txt")"
said=$(wine "$INSTALLED" --version 2>&1) || fail "the installed program's --version failed: $said"
[ "$said" = "tolvane $VERSION" ] || fail "the installed program's --version says \"$said\""
wine "$INSTALLED" --clock "$CLOCK" --screenshot 'C:\installed.png' >"$E2E_TMP/shot.out" 2>&1 ||
    fail "the installed program's --screenshot failed: $(cat "$E2E_TMP/shot.out")"
wine_e2e_exe_shot "$CLOCK" "$E2E_TMP/build.png"
e2e_region_same "$drive/installed.png" "$E2E_TMP/build.png" 550x289+0+0 ||
    fail "the installed program's picture differs from the build tree's"
rm -f "$drive/installed.png"

# Version N+1 over it: one entry, the new file.
msiexec /i "$msi_next"
check_installed "$next_version" "$E2E_TMP/next.exe"

# Uninstalled: the files and folders are as before the first install, save the installer's own
# cache folder C:\windows\Installer, which Windows keeps; the registry no longer names Tolvane.
msiexec /x "$msi_next"
snapshot_files "$E2E_TMP/files-after.txt"
comm -3 "$E2E_TMP/files-before.txt" "$E2E_TMP/files-after.txt" | grep -v -x -F $'\t./windows/Installer' \
    >"$E2E_TMP/files-left.txt" || true
[ ! -s "$E2E_TMP/files-left.txt" ] ||
    fail "uninstalling changed these files and folders: $(cat "$E2E_TMP/files-left.txt")"
[ -z "$(tolvane_entries)" ] || fail "an uninstall entry is left: $(tolvane_entries)"
left=$(registry_mentions)
[ "$left" = 0 ] || fail "the registry mentions Tolvane $left times after uninstalling:" \
    "$(grep -i -n tolvane "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" | head -n 5)"
echo "PASS: the installer of $VERSION installs, is replaced by $next_version and uninstalls" \
    "cleanly (installed: $(tr '\n' ' ' <"$E2E_TMP/files-added.txt"))"
