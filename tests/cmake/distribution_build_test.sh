#!/usr/bin/env bash
# Builds Tolvane as a user (cmake -DCMAKE_BUILD_TYPE=Release) and as a Debian package build does
# (dpkg-buildflags' CXXFLAGS, CPPFLAGS and LDFLAGS), with g++, from the source tree into scratch
# folders: the program, the button gallery and the drawing tests must build without a single
# warning at -O3 and at Debian's -O2, and a plain configure must not make warnings errors (its
# compile commands hold no -Werror), while TOLVANE_WERROR does.
# Usage: distribution_build_test.sh SOURCE_DIR WORK_DIR G++ [CCACHE]
set -euo pipefail
source=$1 work=$2 compiler=$3 ccache=${4:-}
readonly TARGETS=(tolvane tolvane_stylerbutton_gallery tolvane_gdi_test)

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

launcher=()
if [ -n "$ccache" ]; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER="$ccache")
    export CCACHE_BASEDIR=$source
fi

# Configures $1 (a folder under WORK_DIR) with the remaining arguments.
configure() {
    local dir=$work/$1
    shift
    rm -rf "$dir"
    cmake -S "$source" -B "$dir" -G Ninja -DCMAKE_CXX_COMPILER="$compiler" "${launcher[@]}" "$@" \
        >"$dir.configure.log" 2>&1 || fail "configure $dir: $(tail -n 20 "$dir.configure.log")"
}

# Prints how many compile commands of the build folder $1 pass -Werror (and nothing stricter:
# -Werror=format-security and the like name one warning).
werror_commands() {
    grep -c -- '-Werror\([^=]\|$\)' "$1/compile_commands.json" || true
}

# Builds the targets in $1 and fails on any warning; $2 names the build for the messages.
build_clean() {
    local start=$SECONDS log=$1.build.log
    cmake --build "$1" --target "${TARGETS[@]}" >"$log" 2>&1 ||
        fail "the $2 build failed: $(grep -m 20 -A 5 'error' "$log")"
    if grep -q 'warning:' "$log"; then
        fail "the $2 build warns: $(grep -m 10 -A 5 'warning:' "$log")"
    fi
    for target in tolvane tools/tolvane_stylerbutton_gallery; do
        [ -x "$1/$target" ] || fail "the $2 build made no $target"
    done
    echo "$2 build: ${TARGETS[*]} in $((SECONDS - start)) s, no warnings"
}

mkdir -p "$work"

configure werror -DCMAKE_BUILD_TYPE=Release -DTOLVANE_WERROR=ON
[ "$(werror_commands "$work/werror")" -gt 0 ] || fail "TOLVANE_WERROR=ON passes no -Werror"

configure release -DCMAKE_BUILD_TYPE=Release
count=$(werror_commands "$work/release")
[ "$count" -eq 0 ] || fail "a plain configure passes -Werror in $count compile commands"
build_clean "$work/release" "Release (-O3)"

# As Debian's tools build a CMake package: no build type of CMake's own, the flags from
# dpkg-buildflags, CPPFLAGS passed along with CXXFLAGS.
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)" \
    LDFLAGS="$(dpkg-buildflags --get LDFLAGS)" \
    configure debian -DCMAKE_BUILD_TYPE=None
build_clean "$work/debian" "dpkg-buildflags"
echo "PASS: distribution builds"
