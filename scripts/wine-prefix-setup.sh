#!/usr/bin/env bash
# Prepares a fresh Wine prefix for Tolvane's Windows programs: scripts/wine-prefix-setup.sh WINE
# with WINEPREFIX set; scripts/wine-run.sh runs it once per prefix, under its lock.
#
# Fonts. Debian's Wine finds its own fonts (fonts-wine: Tahoma, the .fon system faces, Marlett)
# only when its font folder is linked into the prefix. The window's design faces are mapped to
# the Debian faces the Linux build draws them in (qt/fonts.cpp): "宋体" to AR PL UMing CN,
# "MS UI Gothic" to Liberation Sans. Tahoma, which the Linux build replaces by DejaVu Sans, is
# Wine's own here: it is the face of Wine's interface, and substituting it would cut the font
# links below. Texts that Wine draws itself in its interface faces (message boxes, tooltips,
# captions) reach the CJK face through those links, as Windows links its Chinese face to them.
#
# Display. Without DISPLAY the prefix uses Wine's null graphics driver: windows exist and draw
# into memory (--screenshot works), but nothing is shown; scripts/wine-run.sh keeps such a
# prefix apart from the one used with a display.
set -euo pipefail
wine=${1:?usage: $0 WINE}
: "${WINEPREFIX:?}"

# Chinese face names go through the command line: the locale must be UTF-8.
export LC_ALL=C.UTF-8

fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
if [ -d /usr/share/wine/fonts ]; then
    for font in /usr/share/wine/fonts/*; do
        [ -e "$font" ] && ln -sf "$font" "$fonts/"
    done
fi

reg() {
    "$wine" reg add "$@" /f >/dev/null
}
substitutes='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
reg "$substitutes" /v "宋体" /t REG_SZ /d "AR PL UMing CN"
reg "$substitutes" /v "MS UI Gothic" /t REG_SZ /d "Liberation Sans"
"$wine" reg delete "$substitutes" /v "Tahoma" /f >/dev/null 2>&1 || true

system_link='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink'
for face in "Tahoma" "Liberation Sans" "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif"; do
    reg "$system_link" /v "$face" /t REG_MULTI_SZ /d "uming.ttc,AR PL UMing CN"
done

if [ -z "${DISPLAY:-}" ]; then
    reg 'HKCU\Software\Wine\Drivers' /v Graphics /t REG_SZ /d null
fi
