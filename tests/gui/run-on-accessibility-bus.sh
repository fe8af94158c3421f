#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X server of its own, inside a private D-Bus session whose
# accessibility bus the first client to ask for it starts: the setting of a screen reader on a
# desktop, with no display, no desktop session and nothing shared with other runs.
set -eu

work=$(mktemp -d)
xvfb_pid=
finish() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap finish EXIT

# Xvfb picks a free display itself and writes its number once it takes clients. Without
# -noreset it would start afresh when its first client (the accessibility bus launcher) leaves,
# and refuse the tool connecting at that moment.
Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done

# Set before the session starts, so the services it starts (the accessibility registry, which
# types the keys a test asks for) find the display.
export DISPLAY=":$(head -n 1 "$work/display")"
status=0
dbus-run-session -- "$@" || status=$?
exit "$status"
