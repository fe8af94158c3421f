#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Prints the flags that harden the project's own builds (make run, test and package) as Debian
# builds its packages. CMake adds none of its own, so the Makefile passes these in, as a
# distribution passes its own.
#
# Usage: tools/build-flags.sh CPPFLAGS|CXXFLAGS|LDFLAGS BUILD_TYPE SOURCE_DIR BUILD_DIR
#
# The release's dpkg-buildflags with every hardening feature gives each of Debian 12 and 13 its
# own defaults; where it is missing, Debian 12's list stands in. A protection the release leaves
# out (Debian 12 has neither stack-clash nor control-flow protection) is added when the compiler
# knows it for this target. Optimisation and debug information stay with the build type, which
# is why fortified functions go only with a type that optimises: glibc warns without the
# optimiser, an error under -Werror. The source and build paths are mapped out of the objects, so
# where a tree was built leaves no trace in the executable or its build-id (dpkg-buildflags maps
# only the folder it was asked from).
set -eu
variable=$1
build_type=$2
source_dir=$3
build_dir=$4

fallback() {
    case $1 in
    CPPFLAGS) echo "-Wdate-time -D_FORTIFY_SOURCE=2" ;;
    CXXFLAGS) echo "-fstack-protector-strong -Wformat -Werror=format-security" ;;
    LDFLAGS) echo "-Wl,-z,relro -Wl,-z,now" ;;
    esac
}

if command -v dpkg-buildflags >/dev/null 2>&1; then
    given=$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$variable")
else
    given=$(fallback "$variable")
fi

flags=""
add() { flags="${flags:+$flags }$1"; }
has() { # FLAG: there already, also with a value (-fcf-protection=full counts as -fcf-protection)
    for present in $flags; do
        case $present in "$1" | "$1="*) return 0 ;; esac
    done
    return 1
}
compiler_knows() {
    echo 'int main() { return 0; }' | ${CXX:-c++} -Werror "$1" -x c++ -o /dev/null - 2>/dev/null
}

for flag in $given; do
    case $flag in
    -O* | -g* | -ffile-prefix-map=* | -fdebug-prefix-map=* | -fmacro-prefix-map=*) ;;
    -D_FORTIFY_SOURCE=* | -U_FORTIFY_SOURCE)
        case $build_type in Release | RelWithDebInfo | MinSizeRel) add "$flag" ;; esac
        ;;
    *) add "$flag" ;;
    esac
done

case $variable in
CXXFLAGS)
    for flag in -fstack-protector-strong -fstack-clash-protection -fcf-protection -Wformat \
        -Werror=format-security; do
        has "$flag" || ! compiler_knows "$flag" || add "$flag"
    done
    add "-ffile-prefix-map=$source_dir=."
    add "-ffile-prefix-map=$build_dir=build"
    ;;
LDFLAGS)
    for flag in -Wl,-z,relro -Wl,-z,now; do
        has "$flag" || add "$flag"
    done
    ;;
esac
echo "$flags"
