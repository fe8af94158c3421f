#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A packager's flags arrive unchanged: each row configures a fresh tree of SOURCE_DIR the way a
# distribution does (build type None, flags from the environment) and reads its compile commands
# and the executable's link line. Once the project's own words are set aside (include folders,
# its and Qt's definitions, the language standard, the warnings, the position-independent code
# that Qt's targets ask for, the linker's dependency file), what remains of every compile must be the caller's CXXFLAGS and
# then those CPPFLAGS that CXXFLAGS lacks, each once and in order; of the link, CXXFLAGS and
# LDFLAGS. So the build adds no optimisation or hardening of its own and doubles nothing.
# Usage: check-build-flags.sh SOURCE_DIR WORK_DIR CXX_COMPILER
set -eu
source_dir=$1
work=$2
compiler=$3
failures=0
rm -rf "$work"
mkdir -p "$work"
set -f # the flags are split into words, never expanded as file names

# The caller's words that a command line keeps, with everything the project adds set aside.
callers_words() { # COMMAND
    skip=""
    kept=""
    for word in $1; do
        if [ -n "$skip" ]; then
            skip=""
            continue
        fi
        case $word in
        -o | -c | -isystem) skip=yes ;;
        -I* | -std=* | -Wall | -Wextra | -Wpedantic | -fPIC | *.o | *.a | *.so | *.so.* | -l*) ;;
        -Wl,--dependency-file=*) ;; # CMake 3.27 and later track the link's inputs with it
        -DQT_* | -DTARVISOL_APP_ID=*) ;;
        *) kept="$kept $word" ;;
        esac
    done
    echo "${kept# }"
}

check() { # NAME CPPFLAGS CXXFLAGS LDFLAGS EXPECTED_COMPILE EXPECTED_LINK
    tree=$work/$1
    if ! env -u CFLAGS CPPFLAGS="$2" CXXFLAGS="$3" LDFLAGS="$4" cmake -S "$source_dir" -B "$tree" \
        -G "Unix Makefiles" -DCMAKE_CXX_COMPILER="$compiler" -DCMAKE_BUILD_TYPE=None \
        -DBUILD_TESTING=OFF >"$tree.log" 2>&1; then
        cat "$tree.log"
        echo "FAIL $1: configure failed"
        failures=$((failures + 1))
        return
    fi
    bad=0 count=0
    # One compile per line in CMake's compile_commands.json; the compiler is the first word.
    sed -n 's/^ *"command": "[^ ]* \(.*\)",\{0,1\}$/\1/p' "$tree/compile_commands.json" >"$tree.commands"
    while IFS= read -r command; do
        count=$((count + 1))
        found=$(callers_words "$command")
        if [ "$found" != "$5" ]; then
            [ "$bad" -gt 0 ] || echo "FAIL $1: a compile carries '$found', expected '$5':
  $command"
            bad=$((bad + 1))
        fi
    done <"$tree.commands"
    link=$(cut -d ' ' -f 2- "$tree/app/CMakeFiles/tarvisol.dir/link.txt")
    found=$(callers_words "$link")
    if [ "$found" != "$6" ]; then
        echo "FAIL $1: the link carries '$found', expected '$6'"
        bad=$((bad + 1))
    fi
    if [ "$count" -lt 10 ]; then
        echo "FAIL $1: only $count compiles in $tree/compile_commands.json"
        bad=$((bad + 1))
    fi
    if [ "$bad" -eq 0 ]; then
        echo "ok $1: $count compiles, each with '$5'"
    else
        failures=$((failures + 1))
    fi
}

debian_cpp="-Wdate-time -D_FORTIFY_SOURCE=2"
debian_cxx="-g -O2 -ffile-prefix-map=/build/tarvisol-1=. -fstack-protector-strong -Wformat -Werror=format-security"
debian_ld="-Wl,-z,relro -Wl,-z,now"
fedora_cxx="-O2 -flto=auto -ffat-lto-objects -fexceptions -g -grecord-gcc-switches -pipe -Wformat -Werror=format-security -Wp,-U_FORTIFY_SOURCE,-D_FORTIFY_SOURCE=3 -Wp,-D_GLIBCXX_ASSERTIONS -fstack-protector-strong -m64 -mtune=generic -fasynchronous-unwind-tables -fstack-clash-protection -fcf-protection"
fedora_ld="-Wl,-z,relro -Wl,--as-needed -Wl,-z,now -flto=auto"

# debhelper appends CPPFLAGS to CXXFLAGS and still exports CPPFLAGS: nothing may come twice.
check debhelper "$debian_cpp" "$debian_cxx $debian_cpp" "$debian_ld" \
    "$debian_cxx $debian_cpp" "$debian_cxx $debian_cpp $debian_ld"
# A caller who sets CPPFLAGS on their own gets them after CXXFLAGS, as make's rules place them.
check cppflags-apart "-DTARVISOL_PROBE=1 -Wdate-time" "-O1 -fno-plt" "-Wl,-O1" \
    "-O1 -fno-plt -DTARVISOL_PROBE=1 -Wdate-time" "-O1 -fno-plt -Wl,-O1"
# Another distribution's fortification comes in through the preprocessor option alone; a
# -D_FORTIFY_SOURCE of the build's own would redefine it on every compile.
check fedora "" "$fedora_cxx" "$fedora_ld" \
    "$fedora_cxx" "$fedora_cxx $fedora_ld"
# DEB_BUILD_MAINT_OPTIONS=hardening=-all with no optimisation: nothing at all is added.
check no-flags "" "" "" "" ""

[ "$failures" -eq 0 ]
