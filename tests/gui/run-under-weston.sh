#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command as the client of a real Wayland compositor without a screen: weston's headless
# backend, in a runtime folder of its own, so it meets no other compositor and leaves nothing.
set -eu

runtime=$(mktemp -d)
socket=tarvisol-test
weston_pid=
# A compositor that does not stop within five seconds is killed, so a test can never hang on
# its shutdown.
finish() {
    if [ -n "$weston_pid" ]; then
        kill "$weston_pid" 2>/dev/null || true
        tries=0
        while kill -0 "$weston_pid" 2>/dev/null && [ "$tries" -lt 50 ]; do
            tries=$((tries + 1))
            sleep 0.1
        done
        kill -9 "$weston_pid" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap finish EXIT

export XDG_RUNTIME_DIR="$runtime"
weston --backend=headless-backend.so --socket="$socket" --idle-time=0 >"$runtime/weston.log" 2>&1 &
weston_pid=$!

# The socket appears once weston takes clients; ten seconds is ample even on a loaded machine.
tries=0
while [ ! -S "$runtime/$socket" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$weston_pid" 2>/dev/null; then
        echo "weston did not start:" >&2
        cat "$runtime/weston.log" >&2
        exit 1
    fi
    sleep 0.1
done

status=0
WAYLAND_DISPLAY="$socket" "$@" || status=$?
exit "$status"
