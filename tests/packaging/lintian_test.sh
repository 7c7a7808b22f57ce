#!/usr/bin/env bash
# lintian finds no error in the package; its warnings are printed for the reader.
# Usage: lintian_test.sh LINTIAN OUT_DIR
source "$(dirname "$0")/packaging_lib.sh"
lintian=$1

# lintian warns that it runs as root on stderr, which is how this machine runs the checks.
"$lintian" --fail-on error --tag-display-limit 0 "$(the_package "$2")" 2> >(grep -v "root privileges" >&2) ||
    fail "lintian reports errors"
echo "lintian: no errors"
