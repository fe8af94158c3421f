#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows downloads as a user meets them, under Wine on a virtual X server with a window
# manager, in a Wine prefix and home of their own:
#
#   check-installer.sh SETUP.exe PORTABLE.zip VERSION
#
# The installer runs silently for the current user; the installed tool starts from where it was
# put, finding everything it loads beside it (no library path is given), on Qt's Windows
# platform, and is driven by keyboard: a field added by Enter shows in "Liste" (read through
# the clipboard, which Wine shares with X), "abc" brings the "Fehler" box. The silent
# uninstaller then takes away every file, the Start-menu entry and the uninstall entry. The
# portable zip's tool starts from a folder with a space in its name. Set
# TARVISOL_WINE_SCREENSHOT to a .png path to keep a picture of the window with its field
# (taken with ImageMagick's import).
set -eu

for download in "$1" "$2"; do
    if [ ! -f "$download" ]; then
        echo "$download is missing: cpack makes it in the build folder (make test-windows runs it)" >&2
        exit 1
    fi
done
setup=$(realpath "$1")
portable=$(realpath "$2")
version=$3
here=$(cd "$(dirname "$0")" && pwd)
# Every start waits for nothing but the program: wineserver -w then means that all is done,
# the uninstaller's copy of itself included.
export WINE_LINGER=no
wine_run() {
    sh "$here/../../tools/run-under-wine.sh" --prefix "$prefix" "$@"
}

work=$(mktemp -d)
prefix="$work/prefix"
export WINEPREFIX="$prefix" WINEDEBUG=-all
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
pids=""
finish() {
    for pid in $pids; do
        kill "$pid" 2>/dev/null || true
    done
    "$wineserver" -k 2>/dev/null || true
    for pid in $pids; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap finish EXIT
trap 'exit 1' INT TERM HUP

failures=0
check() { # check DESCRIPTION COMMAND...
    what=$1
    shift
    if "$@"; then
        echo "ok: $what"
    else
        echo "FAILED: $what"
        failures=$((failures + 1))
    fi
}

# Waits up to 60 s for a window whose whole title is $1 and prints its id.
find_window() {
    tries=0
    while [ "$tries" -lt 120 ]; do
        id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || true
        if [ -n "$id" ]; then
            echo "$id"
            return 0
        fi
        tries=$((tries + 1))
        sleep 0.5
    done
    return 1
}

# Starts the tool EXE on Qt's Windows platform, logging to LOG; $tool is its process.
start_tool() { # EXE LOG
    QT_QPA_PLATFORM=windows wine_run "$1" >"$2" 2>&1 &
    tool=$!
    pids="$pids $tool"
}

# Whether $tool ends within 30 s, as it should once its window is closed.
tool_ends() {
    tries=0
    while kill -0 "$tool" 2>/dev/null; do
        tries=$((tries + 1))
        [ "$tries" -le 30 ] || return 1
        sleep 1
    done
}

keys() {
    for key in "$@"; do
        xdotool key --clearmodifiers "$key"
        sleep 0.3
    done
}

# The files on drive C of the prefix, without what Wine itself changes as programs come and go.
# Folders are left out: the installer makes the user's programs folder, a folder of Windows'
# own that other programs share, and rightly leaves it; the tool's folder is checked itself.
drive_c_files() {
    (cd "$prefix/drive_c" && find . -type f | grep -v -e '/Temp/' -e '^\./windows/' | sort)
}

Xvfb -displayfd 3 -nolisten tcp -noreset -screen 0 1280x1024x24 3>"$work/display" \
    2>"$work/xvfb.log" &
pids="$pids $!"
tries=0
while [ ! -s "$work/display" ]; do
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        echo "Xvfb did not start:" >&2
        cat "$work/xvfb.log" >&2
        exit 1
    fi
    sleep 0.1
done
display=$(head -n 1 "$work/display")
export DISPLAY=":$display"
openbox >"$work/openbox.log" 2>&1 &
pids="$pids $!"

wine_run
drive_c_files >"$work/before"

check "the silent installer succeeds" wine_run "$setup" /S
"$wineserver" -w
installed=$(find "$prefix/drive_c/users" -type d -path '*/AppData/Local/Programs/Tarvisol' | head -n 1)
if [ -z "$installed" ] || [ ! -f "$installed/tarvisol.exe" ]; then
    echo "FAILED: the tool is installed in the user's own programs folder"
    exit 1
fi
echo "ok: the tool is installed in the user's own programs folder"
check "no test library is installed" test -z "$(find "$installed" -iname '*Test*.dll')"
check "a Start-menu entry is made" test -n "$(find "$prefix/drive_c/users" -path \
    '*/Start Menu/Programs/Tarvisol.lnk')"
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tarvisol'
wine_run reg query "$uninstall_key" 2>&1 | tr -d '\r' >"$work/key" || true
check "the uninstall entry names the version $version" \
    awk -v version="$version" '$1 == "DisplayVersion" && $NF == version { found = 1 }
        END { exit !found }' "$work/key"
check "the uninstall entry has a silent uninstall" grep -q 'QuietUninstallString.*/S' "$work/key"

# The installed tool, as the Start menu starts it.
start_tool "$installed/tarvisol.exe" "$work/tool.log"
if main=$(find_window Tarvisol); then
    echo "ok: the installed tool shows its window \"Tarvisol\""
    xdotool windowactivate --sync "$main" 2>/dev/null || xdotool windowfocus "$main"
    sleep 1
    # The boxes start with 36, 24 and 50 and the width box has the focus; Enter adds.
    keys Return
    sleep 2
    if [ -n "${TARVISOL_WINE_SCREENSHOT:-}" ]; then
        import -window root "$TARVISOL_WINE_SCREENSHOT"
    fi
    keys Tab Tab Tab Tab space
    if find_window Info >/dev/null; then
        sleep 1
        printf '' | xclip -selection clipboard
        keys ctrl+a ctrl+c
        sleep 1
        xclip -o -selection clipboard >"$work/list" 2>/dev/null || true
        check 'the added field shows in "Liste"' \
            grep -q "$(printf '^36x24\t50\t39.60 x 26.99°\t2375.9 x 1619.5')" "$work/list"
        keys Escape
    else
        check 'the "Liste" window opens' false
    fi
    sleep 1
    keys shift+Tab shift+Tab shift+Tab shift+Tab ctrl+a
    xdotool type --delay 50 abc
    keys Return
    if find_window Fehler >/dev/null; then
        echo 'ok: "abc" gives the "Fehler" box'
        keys Return
    else
        check '"abc" gives the "Fehler" box' false
    fi
    keys alt+F4
else
    check 'the installed tool shows its window "Tarvisol"' false
    cat "$work/tool.log"
fi
check "the tool ends when its window is closed" tool_ends

# The uninstaller copies itself away and returns before that copy has finished deleting.
check "the silent uninstaller succeeds" wine_run "$installed/Uninstall.exe" /S
"$wineserver" -w
drive_c_files >"$work/after"
check "uninstalling leaves no file behind" diff "$work/before" "$work/after"
check "uninstalling removes the tool's folder" test ! -e "$installed"
entry_gone() { ! wine_run reg query "$uninstall_key" >/dev/null 2>&1; }
check "the uninstall entry is gone" entry_gone

# The portable zip, unpacked where no installer put anything.
mkdir -p "$work/Eigene Programme"
unzip -q "$portable" -d "$work/Eigene Programme"
unpacked=$(find "$work/Eigene Programme" -name tarvisol.exe | head -n 1)
start_tool "$unpacked" "$work/portable.log"
if main=$(find_window Tarvisol); then
    echo "ok: the portable tool shows its window \"Tarvisol\""
    xdotool windowactivate --sync "$main" 2>/dev/null || true
    keys alt+F4
    check "the portable tool ends when its window is closed" tool_ends
else
    check 'the portable tool shows its window "Tarvisol"' false
    cat "$work/portable.log"
fi

echo "$failures failed"
[ "$failures" -eq 0 ]
