#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program under Wine, for CTest (the cross build's emulator) and by hand:
#
#   tools/run-under-wine.sh [--prefix DIR] [--path DIR]... [--show FILE] PROGRAM.exe [ARGUMENTS]
#   tools/run-under-wine.sh --prefix DIR          only make the prefix
#
# --prefix is the Wine prefix, made on first use (default $WINEPREFIX, else a folder beside
# the program); --path adds a folder where Windows looks for libraries (Qt's, the compiler's);
# --show prints FILE once the program has ended: a log the program writes (Qt Test's
# -o FILE,txt), since a Qt test's own output does not come through Wine.
# The prefix's user gets a scratch home, since Wine writes menu entries and file associations
# into the real one. The exit status is the program's.
set -eu

prefix=${WINEPREFIX:-}
paths=""
show=""
while [ $# -gt 0 ]; do
    case $1 in
    --prefix) prefix=$2; shift 2 ;;
    --path) paths="$paths;Z:$(echo "$2" | tr / '\\')"; shift 2 ;;
    --show) show=$2; shift 2 ;;
    *) break ;;
    esac
done
program=${1:-}
[ $# -eq 0 ] || shift
if [ -z "$prefix" ]; then
    [ -n "$program" ] || { echo "run-under-wine: no program and no prefix" >&2; exit 2; }
    prefix=$(dirname "$program")/wine-prefix
fi
mkdir -p "$prefix"
prefix=$(cd "$prefix" && pwd)

# Debian 12's 64-bit loader lives in /usr/lib/wine, outside the path; elsewhere wine is on it.
wine=/usr/lib/wine/wine64
[ -x "$wine" ] || wine=$(command -v wine64 || command -v wine || true)
if [ -z "$wine" ]; then
    echo "run-under-wine: no wine found (make test-windows installs it)" >&2
    exit 1
fi
wineserver=$(command -v wineserver || true)
[ -n "$wineserver" ] || wineserver=/usr/lib/wine/wineserver

export WINEPREFIX="$prefix"
export WINEDEBUG="${WINEDEBUG:--all}"
# No offer to download Wine's .NET and browser engines: nothing here uses them.
export WINEDLLOVERRIDES="mscoree,mshtml=${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}"
export HOME="$prefix/home"
export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
export XDG_CACHE_HOME="$HOME/.cache"
mkdir -p "$HOME"
[ -z "$paths" ] || export WINEPATH="${paths#;}${WINEPATH:+;$WINEPATH}"

# Windows keeps its fonts, Tahoma among them, in C:\Windows\Fonts. Debian's Wine 8 leaves that
# folder empty in a new prefix and never reads its own fonts from anywhere else, so the tool
# would draw in whatever the host's fontconfig offers: they are copied in.
wine_fonts=/usr/share/wine/fonts
# Several tests may start at once on a prefix not made yet: one makes it, the others wait.
if [ ! -f "$prefix/.made" ]; then
    (
        flock 9
        if [ ! -f "$prefix/.made" ]; then
            if ! "$wine" wineboot --init >"$prefix.wineboot.log" 2>&1; then
                echo "run-under-wine: making the prefix $prefix failed:" >&2
                cat "$prefix.wineboot.log" >&2
                exit 1
            fi
            "$wineserver" -w
            if [ -d "$wine_fonts" ]; then
                cp "$wine_fonts"/*.ttf "$prefix/drive_c/windows/Fonts/"
            else
                echo "run-under-wine: no $wine_fonts (fonts-wine): no Tahoma in $prefix" >&2
            fi
            touch "$prefix/.made"
        fi
    ) 9>"$prefix.lock"
fi

[ -n "$program" ] || exit 0
# Starting Wine's server costs seconds, running a program under a live one a fraction of that:
# it stays up half a minute after the last program, so a test suite starts it about once. It
# refuses (and need not) when one is up already. WINE_LINGER=no leaves Wine's default, for a
# caller that waits for the server to end (wineserver -w) as the sign that all is done.
[ "${WINE_LINGER:-yes}" = no ] || "$wineserver" -p30 2>/dev/null || true
# Qt's offscreen platform on Windows takes its fonts from a folder, not from the system, and
# finds none beside Qt: the system's own.
if [ "${QT_QPA_PLATFORM:-}" = offscreen ] && [ -z "${QT_QPA_FONTDIR:-}" ]; then
    export QT_QPA_FONTDIR='C:\windows\Fonts'
fi
# Wine keeps the host's QT_* variables from Windows programs (they are meant for the host's
# Qt), so the ones a test sets for the tool's own Qt are set again inside, by cmd. Others (a
# developer's style or theme) stay on the host. cmd would split or expand a value with other
# characters; such a value is refused, not dropped.
sets=""
for name in QT_QPA_PLATFORM QT_SCALE_FACTOR QT_QPA_FONTDIR; do
    value=$(printenv "$name" || true)
    [ -n "$value" ] || continue
    case $value in
    *[!A-Za-z0-9_.,:\\-]*)
        echo "run-under-wine: $name=$value cannot be passed to a Windows program" >&2
        exit 2
        ;;
    esac
    sets="$sets set $name=$value&&"
done
if [ -n "$sets" ]; then
    case $program in
    /*) program="Z:$(echo "$program" | tr / '\\')" ;;
    esac
    # shellcheck disable=SC2086 # the words of $sets are cmd's
    set -- cmd /c $sets "$program" "$@"
else
    set -- "$program" "$@"
fi
[ -n "$show" ] || exec "$wine" "$@"
rm -f "$show"
status=0
"$wine" "$@" || status=$?
[ ! -f "$show" ] || cat "$show"
exit "$status"
