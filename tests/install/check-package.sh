#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, as `make package` does, unpacks it and checks
# its control fields and its files.
set -eu
build="$1"
work="$2"
id="$3"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"
cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log" ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
set -- "$work"/tarvisol_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one tarvisol_*.deb in $work, found: $*"
deb="$1"
echo "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = tarvisol ] || fail "Package is $(dpkg-deb -f "$deb" Package)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Read off the executable by dpkg-shlibdeps. A release may add a suffix to a library's package
# name (Debian 13's libqt6core6t64, for the 64-bit time_t change), so any suffix is let through.
names=" $(printf '%s' "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | tr '\n' ' ') "
for library in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6; do
    case $names in
    *" $library "* | *" $library"[a-z0-9]*" "*) ;;
    *) fail "Depends lacks $library" ;;
    esac
done

# The sound theme's library is opened only when a theme sound plays, so it is recommended, not
# depended on.
case $names in *" libcanberra"*) fail "Depends names the sound library: $depends" ;; esac
case $(dpkg-deb -f "$deb" Recommends) in
*libcanberra0*) ;;
*) fail "Recommends lacks libcanberra0" ;;
esac

# lintian as Debian's archive runs it: no error and no warning (infos and pedantic notes are
# let through).
lintian --fail-on error,warning "$deb" || fail "lintian finds errors or warnings"

dpkg-deb -x "$deb" "$work/root"
[ -z "$(find "$work/root" -mindepth 1 -maxdepth 1 ! -name usr)" ] || fail "files outside /usr"
sh "$(dirname "$0")/check-tree.sh" "$work/root/usr" "$id"
