#!/usr/bin/env bash
# Configures and builds Tolvane. Usage: scripts/build.sh [normal|sanitize|clang|windows]
#   normal    build/          g++, optimised with debug info, tests and benchmarks
#   sanitize  build-sanitize/ g++, AddressSanitizer and UndefinedBehaviorSanitizer, tests only
#   clang     build-clang/    clang, optimised, both sanitizers, tests and the libFuzzer targets
#   windows   build-windows/  MinGW-w64 for 64-bit Windows, optimised: the native program
#                             (tolvane.exe) and the Windows tests, whose ctest runs
#                             under Wine
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-normal}
case "$kind" in
    normal) dir=build; options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    sanitize) dir=build-sanitize; options=(-DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON) ;;
    clang) dir=build-clang
           options=(-DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTOLVANE_FUZZ=ON) ;;
    windows) dir=build-windows
             options=(-DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-mingw64.cmake -DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    *) echo "build: unknown kind \"$kind\" (use normal, sanitize, clang or windows)" >&2; exit 2 ;;
esac

# ccache, where present, makes rebuilds in fresh clones quick: paths below the clone are
# hashed relative to it, so another clone of the same sources hits the same cache.
launcher=()
if command -v ccache >/dev/null; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    export CCACHE_BASEDIR="$PWD"
fi
# Our builds keep the code free of warnings: any warning fails them (a plain configure does not).
cmake -S . -B "$dir" -G Ninja -DTOLVANE_WERROR=ON "${options[@]}" "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
