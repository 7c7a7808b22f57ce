#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test twice: once in the normal build and
# once with AddressSanitizer and UndefinedBehaviorSanitizer.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh

status=0
for kind in normal sanitize; do
    echo "== $kind build =="
    scripts/build.sh "$kind"
    dir=build
    [ "$kind" = sanitize ] && dir=build-sanitize
    echo "== $kind tests =="
    if ! ASAN_OPTIONS=detect_leaks=1:abort_on_error=0 \
         LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0" \
         UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
         ctest --test-dir "$dir" --output-on-failure -j 2 --timeout 300; then
        status=1
    fi
done
exit $status
