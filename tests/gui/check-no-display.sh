#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The tool started where it cannot open its window: one line on standard error that says so,
# status 1, and no abort. Each case: a name, then the environment it starts in.
set -u
tool=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

# An X display number nobody serves.
unserved=":$(( $$ % 500 + 4000 ))"

check() {
    name=$1 expected=$2
    shift 2
    status=0
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$tool" >"$work/out" 2>"$work/err" </dev/null || status=$?
    # Qt's own notes on what it tried may come first; the tool's line ends the output.
    last=$(tail -n 1 "$work/err")
    if [ "$status" -ne 1 ] || [ "$last" != "$expected" ] ||
        grep -q "Reinstalling" "$work/err"; then
        echo "FAIL $name: status $status, standard error:" >&2
        cat "$work/err" >&2
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

check "neither variable set" \
    "tarvisol: Keine Anzeige gefunden: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt."
check "both set empty" \
    "tarvisol: Keine Anzeige gefunden: weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt." \
    DISPLAY= WAYLAND_DISPLAY=
check "X display nobody serves" \
    "tarvisol: Keine Anzeige gefunden: die in DISPLAY oder WAYLAND_DISPLAY genannte Anzeige ist nicht erreichbar." \
    DISPLAY="$unserved" XDG_RUNTIME_DIR="$work"
check "Wayland display nobody serves" \
    "tarvisol: Keine Anzeige gefunden: die in DISPLAY oder WAYLAND_DISPLAY genannte Anzeige ist nicht erreichbar." \
    WAYLAND_DISPLAY=tarvisol-nobody QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$work"
# Only the first line of the first case is the tool's whole output.
env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$tool" 2>"$work/err" </dev/null
if [ "$(wc -l <"$work/err")" -ne 1 ]; then
    echo "FAIL without any display the tool wrote more than one line:" >&2
    cat "$work/err" >&2
    failures=$((failures + 1))
fi
exit "$failures"
