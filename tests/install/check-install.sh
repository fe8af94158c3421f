#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# `cmake --install` into a staging root, as `make install DESTDIR=... PREFIX=/usr` does.
set -eu
build="$1"
root="$2"
id="$3"
rm -rf "$root"
DESTDIR="$root" cmake --install "$build" --prefix /usr >/dev/null
sh "$(dirname "$0")/check-tree.sh" "$root/usr" "$id"
