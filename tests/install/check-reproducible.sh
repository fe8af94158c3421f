#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Two `make package` runs of the source tree as it is, copied into folders of different names,
# minutes apart, under different umasks, time zones and locales, give the same bytes; else the
# members, entries and files that differ are listed. The copies leave out what no source build
# needs (.git, the build folders), so this needs no git checkout. It installs nothing: it needs
# what `make package` needs (make, cmake, g++, Qt's development files, dpkg-dev, file, lintian).
# Usage: check-reproducible.sh SOURCE_DIR WORK_DIR
set -eu
source=$1
work=$2
for tool in make cmake cpack dpkg-buildflags dpkg-shlibdeps lintian; do
    command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (make package needs it)" >&2; exit 1; }
done
rm -rf "$work"
mkdir -p "$work"
# The copies are built by a make of their own, not as jobs of a make that may have started us.
unset MAKEFLAGS MAKELEVEL MFLAGS
german=$(locale -a | grep -i -m 1 '^de_DE\.utf-\?8$' || echo C.UTF-8)

package() { # FOLDER UMASK TZ LOCALE
    (
        umask "$2"
        mkdir "$work/$1"
        tar -C "$source" --exclude=./.git --exclude='./build*' --exclude=./out -cf - . |
            tar -C "$work/$1" -xf -
        cd "$work/$1" && TZ=$3 LC_ALL=$4 make package INSTALL_PACKAGES=no >"$work/$1.log" 2>&1
    ) || { tail -n 40 "$work/$1.log" >&2; echo "FAIL: make package in $work/$1" >&2; exit 1; }
    mkdir "$work/$1.x" && cp "$work/$1"/build/tarvisol_*.deb "$work/$1.x/deb"
    echo "$(sha256sum <"$work/$1.x/deb" | cut -d ' ' -f 1)  $1 (umask $2, TZ=$3, LC_ALL=$4)"
}

unpack() { # FOLDER
    cd "$work/$1.x"
    ar tv deb && ar x deb
    for tarball in control.tar.* data.tar.*; do
        mkdir "${tarball%%.*}" && tar -tv --full-time -f "$tarball" && tar -xf "$tarball" -C "${tarball%%.*}"
    done
}

package a 0022 UTC0 C
package second-folder-with-a-longer-name 0002 FAR-13:45 "$german"
if ! cmp -s "$work/a.x/deb" "$work/second-folder-with-a-longer-name.x/deb"; then
    for folder in a second-folder-with-a-longer-name; do (unpack $folder) >"$work/$folder.list"; done
    diff "$work/a.list" "$work/second-folder-with-a-longer-name.list" || true
    diff -r -q "$work/a.x" "$work/second-folder-with-a-longer-name.x" || true
    echo "FAIL: the two packages differ" >&2
    exit 1
fi
echo "the two packages are bit-identical"
