#!/usr/bin/env bash
# cmake --install of the program's component into a scratch prefix puts exactly the listed files
# in place, and the program installed there runs like the build tree's.
# Usage: cmake_install_test.sh CMAKE BUILD_DIR PREFIX BUILT_PROGRAM VERSION FILE_LIST
source "$(dirname "$0")/packaging_lib.sh"
cmake=$1 build=$2 prefix=$3 built=$4 version=$5 list=$6

rm -rf "$prefix"
"$cmake" --install "$build" --prefix "$prefix" --component tolvane >/dev/null
check_file_list "$prefix" "$list"
check_installed_program "$prefix/bin/tolvane" "$built" "$version" "$prefix"
echo "cmake --install: $(wc -l <"$list") files in place; the installed program runs like the built one"
