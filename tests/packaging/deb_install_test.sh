#!/usr/bin/env bash
# The package unpacks to exactly the listed files under /usr, depends on what dpkg-shlibdeps
# finds and on the fonts, recommends Qt's Wayland plugin, and the program unpacked from it runs
# like the build tree's.
# Usage: deb_install_test.sh DPKG_DEB OUT_DIR ROOT BUILT_PROGRAM VERSION FILE_LIST
source "$(dirname "$0")/packaging_lib.sh"
dpkg_deb=$1 root=$3 built=$4 version=$5 list=$6
deb=$(the_package "$2")

depends=$("$dpkg_deb" --field "$deb" Depends)
echo "Depends: $depends"
# libqt6widgets6 is named only by dpkg-shlibdeps; the CJK font only by the package rules.
for needed in libqt6widgets6 fonts-arphic-uming; do
    [[ ", $depends," == *", $needed"[\ ,]* ]] || fail "Depends does not name $needed"
done

recommends=$("$dpkg_deb" --field "$deb" Recommends)
[[ ", $recommends," == *", qt6-wayland"[\ ,]* ]] || fail "Recommends does not name qt6-wayland: $recommends"

rm -rf "$root"
"$dpkg_deb" -x "$deb" "$root"
check_file_list "$root/usr" "$list"
check_installed_program "$root/usr/bin/tolvane" "$built" "$version" "$root"
echo "package: $(wc -l <"$list") files under /usr; the unpacked program runs like the built one"
