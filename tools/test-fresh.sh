#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Proves the README on a fresh Debian machine: a minimal chroot of release DIST (debootstrap's
# minbase plus git and make), the committed HEAD cloned into it, and there, as root, `make test`
# without a display, then `make run` against a private Xvfb until the "Tarvisol" window is
# mapped. Whatever happens, every mount is undone and every process in the chroot ended.
#
# Usage: tools/test-fresh.sh DIST [STEPS]
#   STEPS is "test run installed" by default: `make test`, `make run`, then the package built,
#   installed with apt and started, its window checked for the tool's icon. "run" alone shows
#   what `make run` installs and how long the window takes on a fresh machine.
# The base system is kept as a tarball in $TARVISOL_FRESH_CACHE (default
# /var/cache/tarvisol-fresh) and made anew after 30 days; downloaded .deb files are kept there
# too, so a later run does not fetch them again.
set -eu

dist=$1
steps=${2:-test run installed}
window_timeout=${WINDOW_TIMEOUT:-900}
repo=$(git rev-parse --show-toplevel)
head=$(git -C "$repo" rev-parse HEAD)

xvfb_pid=""
run_pid=""
run_name=test-fresh
stop_display() { [ -z "$xvfb_pid" ] || { kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null; }; }
on_finish=stop_display
# shellcheck source=tools/fresh-chroot.sh
. "$(dirname "$0")/fresh-chroot.sh"

in_chroot() { # SHELL-COMMAND [VARIABLE=VALUE...], run in the clone as a fresh root login would
    command=$1
    shift
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 ${CI:+CI=$CI} \
        PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "$@" \
        sh -c "cd /root/tarvisol && $command"
}

run_make_test() {
    say "make test"
    in_chroot "make test"
    say "make test passed"
}

# A private Xvfb of the host. X clients in the chroot reach it through its abstract socket, so
# the chroot needs no X packages beyond what the README's commands install themselves.
start_display() {
    [ -n "$xvfb_pid" ] && return 0
    Xvfb -displayfd 9 -nolisten tcp -screen 0 1280x1024x24 9>"$root.display" 2>/dev/null &
    xvfb_pid=$!
    while [ ! -s "$root.display" ]; do sleep 0.2; done
    display=":$(cat "$root.display")"
    rm -f "$root.display"
}

# Runs COMMAND in the chroot on the private display until the "Tarvisol" window is mapped,
# then ends it. LABEL names the run; its output goes to $cache/$dist-LABEL.log.
show_window() { # LABEL COMMAND
    start_display
    log="$cache/$dist-$1.log"
    say "$2 on $display"
    run_started=$(date +%s)
    in_chroot "$2" "DISPLAY=$display" >"$log" 2>&1 &
    run_pid=$!
    until DISPLAY=$display xwininfo -name Tarvisol 2>/dev/null | grep -q "IsViewable"; do
        if ! kill -0 "$run_pid" 2>/dev/null; then
            tail -n 30 "$log" >&2
            echo "$2 ended before the Tarvisol window was mapped" >&2
            exit 1
        fi
        if [ $(($(date +%s) - run_started)) -gt "$window_timeout" ]; then
            echo "no Tarvisol window after $window_timeout s" >&2
            exit 1
        fi
        sleep 1
    done
    say "the Tarvisol window is mapped, $(($(date +%s) - run_started)) s after $2 started"
    grep -E "^(After this operation|[0-9]+ upgraded)" "$log" | sed "s/^/   $1: /" || true
}

end_window() {
    end_chroot_processes
    wait "$run_pid" 2>/dev/null || true
}

run_make_run() {
    show_window make-run "make run"
    end_window
}

# The package as a user installs it (recommended packages included), started from the menu's
# command; its window must carry the tool's own icon.
run_installed() {
    say "make package, then apt install the package"
    in_chroot "make package && apt-get install -y -q ./build/tarvisol_*.deb" >"$cache/$dist-install.log" 2>&1 ||
        { tail -n 30 "$cache/$dist-install.log" >&2; exit 1; }
    show_window installed "tarvisol"
    icon=$(DISPLAY=$display xprop -name Tarvisol _NET_WM_ICON | head -c 200)
    end_window
    case $icon in
    *"_NET_WM_ICON(CARDINAL) = "*"Icon ("[0-9]*) say "the installed tool shows its own window icon" ;;
    *) echo "the installed tool's window has no icon: $icon" >&2; exit 1 ;;
    esac
}

open_chroot minbase git,make

say "cloning $head"
git clone --quiet --no-local "$repo" "$root/root/tarvisol"
git -C "$root/root/tarvisol" checkout --quiet --detach "$head"

for step in $steps; do
    case $step in
    test) run_make_test ;;
    run) run_make_run ;;
    installed) run_installed ;;
    *) echo "unknown step '$step' (test, run or installed)" >&2; exit 2 ;;
    esac
done
