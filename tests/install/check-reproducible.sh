#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Two `make package` runs of the committed HEAD give the same bytes: each in a fresh clone in a
# folder of its own name and length, the first under umask 0022, UTC and the C locale, the
# second minutes later under umask 0002, thirteen and three quarter hours east of UTC and the
# German locale where the machine has it. When they differ, says which members and files do.
# Usage: check-reproducible.sh SOURCE_DIR WORK_DIR
set -eu
source=$1
work=$2
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"
# The clones are built by a make of their own, not as jobs of the make that may have started us.
unset MAKEFLAGS MAKELEVEL MFLAGS
head=$(git -C "$source" rev-parse HEAD)
german=$(locale -a | grep -i -m 1 '^de_DE\.utf-\?8$' || echo C.UTF-8)

package() { # FOLDER UMASK TZ LOCALE
    (
        umask "$2"
        git clone --quiet --no-hardlinks "$source" "$work/$1"
        git -C "$work/$1" checkout --quiet --detach "$head"
        cd "$work/$1"
        TZ=$3 LC_ALL=$4 make package >"$work/$1.log" 2>&1
    ) || { tail -n 40 "$work/$1.log" >&2; fail "make package in $work/$1"; }
    cp "$work/$1"/build/tarvisol_*.deb "$work/$1.deb"
    echo "$(sha256sum <"$work/$1.deb" | cut -d ' ' -f 1)  $1 (umask $2, TZ=$3, LC_ALL=$4)"
}

# Lists what differs: the archive's members, then the entries of each tarball and their files.
differences() {
    for side in first second-folder-with-a-longer-name; do
        mkdir -p "$work/$side.x" && (cd "$work/$side.x" && ar x "../$side.deb")
        ar tv "$work/$side.deb" >"$work/$side.members"
        for tarball in "$work/$side.x"/*.tar.*; do
            part=$(basename "$tarball" | cut -d . -f 1)
            mkdir -p "$work/$side.x/$part"
            tar -xf "$tarball" -C "$work/$side.x/$part"
            tar -tvf "$tarball" --full-time >"$work/$side.$part.list"
        done
    done
    diff "$work/first.members" "$work/second-folder-with-a-longer-name.members" || true
    for part in control data; do
        diff "$work/first.$part.list" "$work/second-folder-with-a-longer-name.$part.list" || true
        diff -r -q "$work/first.x/$part" "$work/second-folder-with-a-longer-name.x/$part" || true
    done
}

package first 0022 UTC0 C
package second-folder-with-a-longer-name 0002 FAR-13:45 "$german"
cmp -s "$work/first.deb" "$work/second-folder-with-a-longer-name.deb" ||
    { differences; fail "the two packages differ"; }
echo "the two packages are bit-identical"
