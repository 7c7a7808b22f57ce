#!/usr/bin/env bash
# cpack -G DEB in the build folder makes one package in a scratch folder for the checks after it.
# Usage: deb_build_test.sh CPACK BUILD_DIR OUT_DIR
source "$(dirname "$0")/packaging_lib.sh"
cpack=$1 build=$2 out=$3

rm -rf "$out"
mkdir -p "$out"
cd "$build"
"$cpack" -G DEB --config "$build/CPackConfig.cmake" -B "$out"
the_package "$out"
