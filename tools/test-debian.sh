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
[ -f "$tarball" ] || { echo "no release tarball $tarball (make dist)" >&2; exit 1; }
name=$(tar -tJf "$tarball" | head -n 1 | cut -d / -f 1) # tarvisol-VERSION, whatever the file's name
version=${name#tarvisol-}
case $version in [0-9]*) ;; *) echo "$tarball holds no tarvisol-VERSION/ folder" >&2; exit 1 ;; esac
jobs=${JOBS:-2}

run_name=test-debian
# shellcheck source=tools/fresh-chroot.sh
. "$(dirname "$0")/fresh-chroot.sh"

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

open_chroot buildd

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
