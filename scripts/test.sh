#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test three times: in the normal build, with
# AddressSanitizer and UndefinedBehaviorSanitizer, and built with clang (both sanitizers again),
# where the fuzz targets also run for a short while each on top of their seed corpora. Last, the
# Windows build (cross-compiled with MinGW-w64) runs its tests under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

status=0
for kind in normal sanitize clang windows; do
    echo "== $kind build =="
    scripts/build.sh "$kind"
    dir=build
    [ "$kind" != normal ] && dir=build-$kind
    echo "== $kind tests =="
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
         LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
         UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
         ctest --test-dir "$dir" --output-on-failure -j 2 --timeout 300; then
        status=1
    fi
done
exit $status
