# Helpers shared by the packaging checks. Source it; each check fails with a message on stderr.
set -euo pipefail

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints the one .deb that the package check left in folder $1.
the_package() {
    local debs=("$1"/*.deb)
    [ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] ||
        fail "expected one .deb in $1, found: ${debs[*]}"
    echo "${debs[0]}"
}

# The files under folder $1, relative to it, must be exactly those listed in file $2.
check_file_list() {
    local found
    found=$(cd "$1" && find . -type f -printf '%P\n' | LC_ALL=C sort)
    if ! diff -u "$2" - <<<"$found"; then
        fail "the files under $1 differ from $2 (- expected, + found)"
    fi
}

# Checks the installed program $1 against the build tree's $2: --version names version $3, and
# the screenshot it makes has the same pixels as the build tree's. $4 is a scratch folder.
check_installed_program() {
    local installed=$1 built=$2 version=$3 work=$4
    local said
    said=$("$installed" --version) || fail "$installed --version exited with $?"
    [[ $said == *"$version"* ]] || fail "$installed --version says \"$said\", not $version"

    # The simulated clock runs in real time, so a run that straddles a second on a loaded machine
    # shows another time line: such a pair is made again, up to three times.
    local clock="2013-04-28 10:54:50" attempt differing
    for attempt in 1 2 3; do
        QT_QPA_PLATFORM=offscreen "$installed" --clock "$clock" --screenshot "$work/installed.png" ||
            fail "$installed --screenshot exited with $?"
        QT_QPA_PLATFORM=offscreen "$built" --clock "$clock" --screenshot "$work/built.png" ||
            fail "$built --screenshot exited with $?"
        cmp -s "$work/installed.png" "$work/built.png" && return
        # Equal pixels may still be encoded differently: let ImageMagick count the differing ones.
        command -v compare >/dev/null || fail "the screenshots differ and ImageMagick is missing"
        differing=$(compare -metric AE "$work/installed.png" "$work/built.png" null: 2>&1) || true
        [ "$differing" = 0 ] && return
    done
    fail "the installed program's screenshot differs from the build tree's in $differing pixels"
}
