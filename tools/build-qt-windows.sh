#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for 64-bit Windows from Debian's own Qt source, once, into a cache outside the
# clone, and prints the installed prefix as the last line on standard output.
#
#   tools/build-qt-windows.sh           build unless the cache has it, then print the prefix
#   tools/build-qt-windows.sh --prefix  print the prefix only (it may not be built yet)
#
# The version is the one of the host's Qt tools (qt6-base-dev-tools): moc, rcc and uic run
# on the host and must match the Qt they generate code for. The cache folder is named by that
# version and a hash of everything that shapes the build (options, toolchain, recipe),
# and a stamp written after a successful install marks it usable; a broken or half-finished
# build is never taken for a finished one. TARVISOL_WINDOWS_CACHE moves the cache.
#
# The source comes with apt-get source, through a private sources list and apt state in the
# cache: the machine's apt configuration is left as it is.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
toolchain="$here/../packaging/windows/mingw-w64-toolchain.cmake"
# A user who cannot write to /var/cache keeps it in their own cache folder.
default_cache=/var/cache/tarvisol-windows
if ! mkdir -p "$default_cache" 2>/dev/null || [ ! -w "$default_cache" ]; then
    default_cache=${XDG_CACHE_HOME:-$HOME/.cache}/tarvisol-windows
fi
cache=${TARVISOL_WINDOWS_CACHE:-$default_cache}
jobs=${JOBS:-2}

host_version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null || true)
if [ -z "$host_version" ]; then
    echo "build-qt-windows: qt6-base-dev-tools is not installed (make windows installs it)" >&2
    exit 1
fi
# 6.4.2+dfsg-10 -> 6.4.2
qt_version=$(echo "$host_version" | sed 's/^[0-9]*://; s/[+~-].*//')

# Only what the tool and its tests load: Core, Gui, Widgets and Test, the windows and
# offscreen platforms and the Windows styles. Qt's bundled libraries stand in for system ones,
# which a MinGW sysroot does not have.
options="
-DCMAKE_BUILD_TYPE=Release
-DBUILD_SHARED_LIBS=ON
-DQT_BUILD_EXAMPLES=OFF
-DQT_BUILD_TESTS=OFF
-DQT_BUILD_BENCHMARKS=OFF
-DFEATURE_sql=OFF
-DFEATURE_network=OFF
-DFEATURE_dbus=OFF
-DFEATURE_printsupport=OFF
-DFEATURE_concurrent=OFF
-DFEATURE_xml=OFF
-DFEATURE_testlib=ON
-DFEATURE_widgets=ON
-DFEATURE_vulkan=OFF
-DFEATURE_jpeg=OFF
-DFEATURE_gif=OFF
-DFEATURE_ico=OFF
-DFEATURE_icu=OFF
-DFEATURE_glib=OFF
-DFEATURE_zstd=OFF
-DFEATURE_openssl=OFF
-DFEATURE_system_zlib=OFF
-DFEATURE_system_png=OFF
-DFEATURE_system_pcre2=OFF
-DFEATURE_system_harfbuzz=OFF
-DFEATURE_system_freetype=OFF
-DFEATURE_sql_sqlite=OFF
-DFEATURE_tabletevent=OFF
-DINPUT_opengl=dynamic
"
# Debian's source leaves out wintab.h, which the tablet events need. Qt 6.4.2's Windows
# platform plugin does not compile without OpenGL, so it stays, loaded at run time (dynamic);
# nor does it link without Direct2D (it uses the DirectWrite font database, which Gui then
# leaves out), so that stays too, though its plugin is not shipped.

# The recipe's own revision: raise it when a change below makes a different Qt, so that
# comments and messages can change without a rebuild. The toolchain file is hashed whole,
# comments too: the installed Qt keeps a copy of it.
recipe=1
hash=$( { echo "$host_version $recipe"; echo "$options"; cat "$toolchain"; } | sha256sum | cut -c1-12)
prefix="$cache/qt-$qt_version-$hash"
stamp="$prefix/.tarvisol-qt-built"

if [ "${1:-}" = "--prefix" ]; then
    echo "$prefix"
    exit 0
fi

if [ -f "$stamp" ]; then
    echo "Qt $qt_version for Windows: using the cached build in $prefix" >&2
    echo "$prefix"
    exit 0
fi

mkdir -p "$cache"
# Two builds at once (CI and a developer) would share the folders: the second waits.
exec 9>"$cache/.lock-qt-$qt_version-$hash"
if ! flock -n 9; then
    echo "Qt $qt_version for Windows: another build is running; waiting for it" >&2
    flock 9
fi
if [ -f "$stamp" ]; then
    echo "$prefix"
    exit 0
fi

# The source of exactly the host tools' version, from the archives the machine installs from
# (its release, its updates and security suites): their deb entries, as deb-src. A machine
# whose lists name none gets its release from Debian's main mirror.
write_source_lists() { # FOLDER
    for list in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
        [ ! -f "$list" ] || sed -n 's/^deb[[:space:]]/deb-src /p' "$list"
    done >"$1/machine.list"
    for sources in /etc/apt/sources.list.d/*.sources; do
        [ ! -f "$sources" ] || sed 's/^Types:.*/Types: deb-src/' "$sources" >"$1/${sources##*/}"
    done
    if [ ! -s "$1/machine.list" ] && ! ls "$1"/*.sources >/dev/null 2>&1; then
        codename=$(sed -n "s/^VERSION_CODENAME=//p" /etc/os-release)
        echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
            "http://deb.debian.org/debian $codename main" >"$1/machine.list"
    fi
}

source_root="$cache/source-$host_version"
if [ ! -f "$source_root/.unpacked" ]; then
    echo "Qt $qt_version for Windows: fetching Debian's qt6-base $host_version source" >&2
    rm -rf "$source_root"
    mkdir -p "$source_root/apt/lists/partial" "$source_root/apt/cache/archives/partial" \
        "$source_root/apt/sources" "$source_root/get"
    write_source_lists "$source_root/apt/sources"
    set -- -o Dir::Etc::SourceList=/dev/null \
        -o Dir::Etc::SourceParts="$source_root/apt/sources" \
        -o Dir::State::Lists="$source_root/apt/lists" \
        -o Dir::Cache="$source_root/apt/cache" \
        -o APT::Sandbox::User=root
    apt-get -q "$@" update >&2
    (cd "$source_root/get" && apt-get -q "$@" source "qt6-base=$host_version" >&2)
    touch "$source_root/.unpacked"
fi
src=$(find "$source_root/get" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
if [ -z "$src" ]; then
    echo "build-qt-windows: no unpacked qt6-base source in $source_root/get" >&2
    exit 1
fi

build="$cache/build-qt-$qt_version-$hash"
log="$cache/qt-$qt_version-$hash.log"
# Measured: 1774 s of building on 2 otherwise idle cores.
minutes=$(((60 + jobs - 1) / jobs))
echo "building Qt $qt_version for Windows, about $minutes minutes on $jobs idle cores (log: $log)" >&2
started=$(date +%s)
# A build that was stopped or failed goes on where it was: its folder is named by the same
# options, and CMake and Ninja redo only what is out of date.
[ ! -d "$build" ] || echo "Qt $qt_version for Windows: resuming the build in $build" >&2
rm -rf "$prefix"
mkdir -p "$prefix"
# The toolchain goes along with the installed Qt: its own toolchain file loads it, so the
# installed Qt keeps working when this clone is gone.
cp "$toolchain" "$prefix/mingw-w64-toolchain.cmake"

# shellcheck disable=SC2086
if ! {
    cmake -S "$src" -B "$build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$prefix/mingw-w64-toolchain.cmake" \
        -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        $options &&
        cmake --build "$build" --parallel "$jobs" &&
        cmake --install "$build"
} >"$log" 2>&1; then
    echo "building Qt $qt_version for Windows failed; the end of $log:" >&2
    tail -n 40 "$log" >&2
    exit 1
fi
rm -rf "$build"
echo "$qt_version $hash built in $(($(date +%s) - started)) s" >"$stamp"
echo "Qt $qt_version for Windows built in $(($(date +%s) - started)) s, installed in $prefix" >&2
echo "$prefix"
