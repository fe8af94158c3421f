#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the release tarball as Debian would package it: a clean build chroot of release DIST
# (debootstrap's buildd variant), the tarball as the upstream archive, packaging/debian/ from it
# as debian/, the build dependencies installed from Debian's mirror; then dpkg-buildpackage as a
# normal user, without network and with HOME=/nonexistent. lintian then checks the source and
# the binary package at every level (errors and warnings fail), and blhc the build log for the
# compiler flags. Whatever happens, every mount is undone and every process in the chroot ended.
#
# Usage: tools/test-debian.sh DIST TARBALL
# The base system and the downloaded packages are kept in $TARVISOL_FRESH_CACHE (default
# /var/cache/tarvisol-fresh), as tools/test-fresh.sh keeps its own; the base is made anew after
# 30 days. The build log, lintian's and blhc's reports are left there as DIST-debian-*.log.
set -eu

dist=$1
tarball=$(realpath "$2")
mirror=${DEBIAN_MIRROR:-http://deb.debian.org/debian}
cache=${TARVISOL_FRESH_CACHE:-/var/cache/tarvisol-fresh}
[ -f "$tarball" ] || { echo "no release tarball $tarball (make dist)" >&2; exit 1; }
name=$(tar -tJf "$tarball" | head -n 1 | cut -d / -f 1) # tarvisol-VERSION, whatever the file's name
version=${name#tarvisol-}
case $version in [0-9]*) ;; *) echo "$tarball holds no tarvisol-VERSION/ folder" >&2; exit 1 ;; esac
jobs=${JOBS:-2}

[ "$(id -u)" -eq 0 ] || { echo "test-debian needs root (debootstrap, chroot, mount)" >&2; exit 1; }

root=$(mktemp -d "/var/tmp/tarvisol-debian-$dist.XXXXXX")
mounts=""
started=$(date +%s)
say() { echo "== test-debian $dist [$(($(date +%s) - started)) s]: $*"; }

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

finish() {
    status=$?
    set +e
    trap - EXIT INT TERM
    end_chroot_processes
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
trap finish EXIT
trap 'exit 130' INT TERM

mount_in_chroot() { # TYPE-OR-bind SOURCE TARGET
    mkdir -p "$root$3"
    if [ "$1" = bind ]; then mount --bind "$2" "$root$3"; else mount -t "$1" "$2" "$root$3"; fi
    mounts="$root$3 $mounts"
}

make_base() {
    base="$cache/$dist-buildd.tar.gz"
    mkdir -p "$cache"
    if [ -n "$(find "$base" -mtime -30 2>/dev/null)" ]; then
        say "unpacking the cached build chroot"
        tar -xzpf "$base" --numeric-owner -C "$root"
    else
        say "debootstrap $dist (buildd)"
        debootstrap --variant=buildd "$dist" "$root" "$mirror" >"$root.debootstrap.log" 2>&1 ||
            { tail -n 20 "$root.debootstrap.log" >&2; exit 1; }
        rm -f "$root.debootstrap.log"
        tar -czpf "$base.new" --numeric-owner -C "$root" . && mv "$base.new" "$base"
    fi
}

# As root, with the network: what a build daemon does before the build.
as_root() {
    chroot "$root" /usr/bin/env -i HOME=/root TERM=dumb LANG=C.UTF-8 DEBIAN_FRONTEND=noninteractive \
        PATH=/usr/sbin:/usr/bin:/sbin:/bin sh -c "cd /build && $1"
}

# As the build user, in a network namespace of its own (only the loopback device, brought up
# as build daemons do), with a home that does not exist.
as_builder() {
    unshare --net sh -c 'ip link set lo up 2>/dev/null || true; exec "$@"' sh \
        chroot --userspec="$builder" --groups="${builder#*:}" "$root" /usr/bin/env -i HOME=/nonexistent TERM=dumb \
        LANG=C.UTF-8 PATH=/usr/bin:/bin DEB_BUILD_OPTIONS="parallel=$jobs" \
        sh -c "cd /build && $1"
}

make_base
chmod 755 "$root"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount_in_chroot proc proc /proc
mount_in_chroot sysfs sys /sys
mount_in_chroot bind /dev /dev
mount_in_chroot bind /dev/pts /dev/pts
mount_in_chroot tmpfs tmpfs /dev/shm
mkdir -p "$cache/$dist-archives/partial"
mount_in_chroot bind "$cache/$dist-archives" /var/cache/apt/archives

# The upstream archive under the name dpkg-source expects, unpacked, with our packaging as
# debian/: a distribution's own packaging would take that place.
mkdir -p "$root/build"
cp "$tarball" "$root/build/tarvisol_$version.orig.tar.xz"
tar -xJf "$tarball" -C "$root/build"
cp -r "$root/build/$name/packaging/debian" "$root/build/$name/debian"
chroot "$root" useradd --no-create-home --home-dir /nonexistent --shell /bin/sh builder
builder=$(chroot "$root" id -u builder):$(chroot "$root" id -g builder)
chown -R "$builder" "$root/build"

say "installing the build dependencies"
as_root "apt-get update -q && apt-get build-dep -y -q --no-install-recommends ./$name" \
    >"$cache/$dist-debian-deps.log" 2>&1 ||
    { tail -n 30 "$cache/$dist-debian-deps.log" >&2; exit 1; }
grep -E "^[0-9]+ upgraded" "$cache/$dist-debian-deps.log" | sed 's/^/   /' || true

say "dpkg-buildpackage as builder, offline, HOME=/nonexistent"
build_log=$cache/$dist-debian-build.log
if ! as_builder "cd $name && dpkg-buildpackage -us -uc" >"$build_log" 2>&1; then
    tail -n 60 "$build_log" >&2
    echo "dpkg-buildpackage failed; the whole log is $build_log" >&2
    exit 1
fi
grep -E "^ *[0-9]+% tests passed|^Total Test time" "$build_log" | sed 's/^/   /' || true
cp "$build_log" "$root/build/build.log"

say "installing lintian and blhc"
as_root "apt-get install -y -q --no-install-recommends lintian blhc" \
    >"$cache/$dist-debian-tools.log" 2>&1 ||
    { tail -n 30 "$cache/$dist-debian-tools.log" >&2; exit 1; }

status=0 failed=""
say "lintian $(as_root 'lintian --version') on the source and binary package"
# Every tag at every level, overridden ones too; lintian counts a shown override as a failure,
# so the report's errors and warnings decide.
as_builder "lintian --display-info --display-experimental --pedantic --show-overrides \
    --fail-on none tarvisol_*.changes" >"$cache/$dist-debian-lintian.log" 2>&1 ||
    { status=1; failed="lintian"; }
cat "$cache/$dist-debian-lintian.log"
! grep -q -E '^[EW]: ' "$cache/$dist-debian-lintian.log" || { status=1; failed="lintian"; }
say "blhc on the build log"
as_builder "blhc --debian --bindnow build.log" >"$cache/$dist-debian-blhc.log" 2>&1 ||
    { status=1; failed="${failed:+$failed and }blhc"; }
if [ -s "$cache/$dist-debian-blhc.log" ]; then cat "$cache/$dist-debian-blhc.log"; else echo "   (no findings)"; fi
[ "$status" -eq 0 ] || { echo "$failed found problems" >&2; exit 1; }
