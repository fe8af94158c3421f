#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree, as `make package` does, unpacks it and checks
# its control fields, its files, and the executable's hardening and sections.
# Usage: check-package.sh BUILD_DIR WORK_DIR APPLICATION_ID VERSION
set -eu
build="$1"
work="$2"
id="$3"
version="$4"
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
rm -rf "$work"
mkdir -p "$work"
# The umask as `make package` sets it for cpack.
(umask 022 && cpack --config "$build/CPackConfig.cmake" -G DEB -B "$work" >"$work/cpack.log") ||
    { cat "$work/cpack.log" >&2; fail "cpack failed"; }
set -- "$work"/tarvisol_*.deb
[ $# -eq 1 ] && [ -f "$1" ] || fail "expected one tarvisol_*.deb in $work, found: $*"
deb="$1"
echo "built $(basename "$deb")"

[ "$(dpkg-deb -f "$deb" Package)" = tarvisol ] || fail "Package is $(dpkg-deb -f "$deb" Package)"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "Version is $(dpkg-deb -f "$deb" Version)"
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# The libraries are read off the executable by dpkg-shlibdeps; Qt's translations are stated. A
# release may add a suffix to a library's package name (Debian 13's libqt6core6t64, for the
# 64-bit time_t change), so any suffix is let through.
names=" $(printf '%s' "$depends" | tr ',|' '\n\n' | sed 's/^ *//; s/[ (].*//' | tr '\n' ' ') "
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 qt6-translations-l10n; do
    case $names in
    *" $package "* | *" $package"[a-z0-9]*" "*) ;;
    *) fail "Depends lacks $package" ;;
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
sh "$(dirname "$0")/check-tree.sh" "$work/root/usr" "$id" package

# The strip and finish-staging.cmake leave the sections the tool or its debug symbols need.
executable=$work/root/usr/bin/tarvisol
sections=$(readelf -S -W "$executable")
! printf '%s\n' "$sections" | grep -q -F ' .comment ' || fail "the executable keeps .comment"
printf '%s\n' "$sections" | grep -q -F ' .note.gnu.build-id ' || fail "the executable lost its build-id"

# Every protection hardening-check looks for. Two findings pass where no build could do better,
# if every compile asked for the protection: no fortified call when the only candidates are the
# C++ containers' memcpy, memmove and memset, whose sizes are known only at run time; and no
# control-flow mark when the C start files carry none (Debian 12 and 13), as the linker marks
# the executable only if every object it links is marked.
compiled_with() { ! grep '"command"' "$build/compile_commands.json" | grep -q -v -e "$1"; }
report=$(hardening-check "$executable") || true
printf 'hardening-check:\n%s\n' "$report"
unfortified=$(hardening-check -v "$executable" | sed -n 's/^\tunprotected: //p' |
    grep -v -x -e memcpy -e memmove -e memset || true)
start_files=$(readelf -n "$(${CXX:-c++} -print-file-name=crti.o)")
printf '%s\n' "$report" | grep -E ': no(,|!| |$)' | while IFS= read -r finding; do
    case $finding in
    " Fortify Source functions: no, only unprotected functions found!")
        [ -z "$unfortified" ] || fail "unfortified calls of" $unfortified
        compiled_with -D_FORTIFY_SOURCE= || fail "a compile went without -D_FORTIFY_SOURCE"
        ;;
    " Control flow integrity: no, not found!")
        ! printf '%s\n' "$start_files" | grep -q 'feature: IBT, SHSTK' ||
            fail "not marked for control-flow protection, though the start files are"
        compiled_with -fcf-protection || fail "a compile went without -fcf-protection"
        ;;
    " Branch Protection: no, not found!")
        # Debian 13's hardening-check asks for AArch64's branch protection (BTI and PAC marks)
        # on every architecture; elsewhere no compiler flag can give an executable that mark.
        [ "$(dpkg --print-architecture)" != arm64 ] || fail "hardening-check:$finding"
        ;;
    *) fail "hardening-check:$finding" ;;
    esac
done
