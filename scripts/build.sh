#!/usr/bin/env bash
# Configures and builds Tolvane. Usage: scripts/build.sh [normal|sanitize]
#   normal    build/          optimised with debug info, tests and benchmarks
#   sanitize  build-sanitize/ AddressSanitizer and UndefinedBehaviorSanitizer, tests only
set -euo pipefail
cd "$(dirname "$0")/.."

kind=${1:-normal}
case "$kind" in
    normal) dir=build; options=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    sanitize) dir=build-sanitize; options=(-DCMAKE_BUILD_TYPE=Debug -DTOLVANE_SANITIZE=ON) ;;
    *) echo "build: unknown kind \"$kind\" (use normal or sanitize)" >&2; exit 2 ;;
esac

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)  # quicker rebuilds in fresh clones
cmake -S . -B "$dir" -G Ninja "${options[@]}" "${launcher[@]}" >/dev/null
cmake --build "$dir" -j "$(nproc)"
