#!/usr/bin/env bash
# Helpers for whole-program tests on Wayland compositors (sway, weston) that the test starts
# itself. Source it after ../e2e_lib.sh.
#
# Compositors refuse to run as root, so when the test runs as root the compositor, the program and
# every client run as the unprivileged user "nobody" (setpriv), in a folder of that user's: the
# program and the helper clients are copied there, since the build tree may not be readable by
# it. WL_DIR is that folder; it is also the clients' XDG_RUNTIME_DIR.

WL_DIR="$E2E_TMP/wayland"
WL_USER_PREFIX=()
WL_PATH=/usr/local/bin:/usr/bin:/bin

# Makes WL_DIR, owned by the user the compositor runs as, and copies the files "$@" (the program
# first) into it, readable and executable by that user.
wl_prepare() {
    mkdir -m 700 "$WL_DIR"
    if [ "$(id -u)" -eq 0 ]; then
        id nobody >/dev/null 2>&1 || fail "no user \"nobody\" to run the compositor as (it refuses root)"
        WL_USER_PREFIX=(setpriv --reuid=nobody --regid="$(id -gn nobody)" --clear-groups)
        # The user must reach its folder through ours.
        chmod 711 "$E2E_TMP"
        chown "nobody:$(id -gn nobody)" "$WL_DIR"
    fi
    local file
    for file in "$@"; do
        [ -x "$file" ] || fail "$file is missing or not executable"
        cp "$file" "$WL_DIR/"
        chmod 755 "$WL_DIR/$(basename "$file")"
    done
    WL_PROGRAM="$WL_DIR/$(basename "$1")"
}

# Runs "$@" as the compositor's user, with only the environment a Wayland client of the
# compositor needs (WAYLAND_DISPLAY and SWAYSOCK once they are known) and WL_ENV's assignments.
WL_ENV=()
wl_as_user() {
    "${WL_USER_PREFIX[@]}" env -i HOME="$WL_DIR" XDG_RUNTIME_DIR="$WL_DIR" PATH="$WL_PATH" \
        LC_ALL=C.UTF-8 ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} \
        ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} "${WL_ENV[@]}" "$@"
}

# Starts "$@" in the background as wl_as_user does; the process keeps the id in $! (so that
# the cleanup ends it, not a shell around it) and is ended with the test.
wl_spawn_as_user() {
    wl_exec_as_user() {
        exec "${WL_USER_PREFIX[@]}" env -i HOME="$WL_DIR" XDG_RUNTIME_DIR="$WL_DIR" \
            PATH="$WL_PATH" LC_ALL=C.UTF-8 ${WAYLAND_DISPLAY:+WAYLAND_DISPLAY="$WAYLAND_DISPLAY"} \
            ${SWAYSOCK:+SWAYSOCK="$SWAYSOCK"} "${WL_ENV[@]}" "$@"
    }
    wl_exec_as_user "$@" &
    E2E_PIDS+=($!)
}

# Writes a script that runs the program as the compositor's user on its Wayland display (the
# program keeps the script's process id through exec), and points e2e_launch at it.
wl_use_program_on_wayland() {
    local prefix="" word
    for word in "${WL_USER_PREFIX[@]}"; do prefix+=" $(printf '%q' "$word")"; done
    cat >"$WL_DIR/run-on-wayland" <<EOF
#!/bin/sh
exec$prefix env -i HOME=$(printf '%q' "$WL_DIR") XDG_RUNTIME_DIR=$(printf '%q' "$WL_DIR") \
    PATH=$WL_PATH LC_ALL=C.UTF-8 QT_QPA_PLATFORM=wayland WAYLAND_DISPLAY=$WAYLAND_DISPLAY \
    $(printf '%q' "$WL_PROGRAM") "\$@"
EOF
    chmod 755 "$WL_DIR/run-on-wayland"
    E2E_PROGRAM="$WL_DIR/run-on-wayland"
}

# Waits for the compositor started as the user to open its Wayland socket in WL_DIR; exports
# WAYLAND_DISPLAY. $1 names the compositor's log for the failure message.
wl_wait_socket() {
    local log=$1 socket
    wl_socket_up() {
        socket=$(find "$WL_DIR" -maxdepth 1 -name 'wayland-*' -type s -printf '%f\n' | head -n1)
        [ -n "$socket" ]
    }
    e2e_poll 30 wl_socket_up || fail "the compositor did not start: $(tail -n 5 "$log")"
    export WAYLAND_DISPLAY=$socket
}

# Prints the colour of pixel ($2, $3) of PNG $1 as RRGGBB (e2e_pixel, for pictures the user
# wrote).
wl_pixel() {
    e2e_pixel "$@"
}
