# SPDX-License-Identifier: GPL-3.0-or-later
# A fresh Debian chroot for tools/test-fresh.sh and tools/test-debian.sh, sourced by both: the
# base system from debootstrap (kept as a tarball in $cache, made anew after 30 days), the
# kernel file systems mounted, the downloaded packages kept in $cache across runs. On exit,
# whatever happened, every process in the chroot is ended, every mount undone and the chroot
# removed.
#
# The caller sets dist and run_name (the word its progress lines begin with),
# may set on_finish to a function run before the chroot is taken down, and then calls
# open_chroot VARIANT [PACKAGES]. The chroot is $root.
# shellcheck shell=sh disable=SC2154 # dist and run_name are the caller's

mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${TARVISOL_FRESH_CACHE:-/var/cache/tarvisol-fresh}
started=$(date +%s)
mounts=""
on_finish=${on_finish:-}

elapsed() { echo $(($(date +%s) - started)); }
say() { echo "== $run_name $dist [$(elapsed) s]: $*"; }

# Ends everything whose root directory is the chroot: the tool, a build, a stray test.
end_chroot_processes() {
    for signal in TERM KILL; do
        pids=""
        for proc in /proc/[0-9]*; do
            [ "$(readlink "$proc/root" 2>/dev/null)" = "$root" ] && pids="$pids ${proc#/proc/}"
        done
        [ -z "$pids" ] && return 0
        # shellcheck disable=SC2086
        kill -s "$signal" $pids 2>/dev/null || true
        sleep 2
    done
}

finish_chroot() {
    status=$?
    set +e
    trap - EXIT INT TERM
    end_chroot_processes
    [ -z "$on_finish" ] || "$on_finish"
    for mount in $mounts; do # newest first
        umount "$mount" || umount -l "$mount" || status=1
    done
    if grep -q -E " $root(/| )" /proc/mounts; then
        echo "still mounted below $root, left in place" >&2
        status=1
    else
        rm -rf --one-file-system "$root"
    fi
    if [ "$status" -eq 0 ]; then say "passed"; else say "FAILED (exit $status)"; fi
    exit "$status"
}

mount_in_chroot() { # TYPE-OR-bind SOURCE TARGET
    mkdir -p "$root$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
    mounts="$root$3 $mounts"
}

unpack_base() { # VARIANT [PACKAGES]
    base="$cache/$dist-$1.tar.gz"
    mkdir -p "$cache"
    if [ -n "$(find "$base" -mtime -30 2>/dev/null)" ]; then
        say "unpacking the cached base system ($1)"
        tar -xzpf "$base" --numeric-owner -C "$root"
    else
        say "debootstrap $dist ($1${2:+, $2})"
        debootstrap --variant="$1" ${2:+--include="$2"} "$dist" "$root" \
            "$mirror" >"$root.debootstrap.log" 2>&1 ||
            { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
        rm -f "$root.debootstrap.log"
        tar -czpf "$base.new" --numeric-owner -C "$root" . && mv "$base.new" "$base"
    fi
}

open_chroot() { # VARIANT [PACKAGES]
    [ "$(id -u)" -eq 0 ] || { echo "$run_name needs root (debootstrap, chroot, mount)" >&2; exit 1; }
    root=$(mktemp -d "/var/tmp/tarvisol-$run_name-$dist.XXXXXX")
    trap finish_chroot EXIT
    trap 'exit 130' INT TERM
    unpack_base "$@"
    # A system's root is open to every user (mktemp made it private): apt downloads as _apt,
    # man-db indexes as man, the package builds as its own user.
    chmod 755 "$root"
    cp /etc/resolv.conf "$root/etc/resolv.conf"
    mount_in_chroot proc proc /proc
    mount_in_chroot sysfs sys /sys
    mount_in_chroot bind /dev /dev
    mount_in_chroot bind /dev/pts /dev/pts
    mount_in_chroot tmpfs tmpfs /dev/shm
    mkdir -p "$cache/$dist-archives/partial"
    mount_in_chroot bind "$cache/$dist-archives" /var/cache/apt/archives
}
