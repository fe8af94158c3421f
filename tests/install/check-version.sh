#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The project's version (CMake's project()) is the one the manual page, the software-centre
# description, the package and the changelog name, and the description's latest release is
# dated as the changelog's latest entry. The help text takes it from the same header the core
# compiles, which the core's tests read.
# Usage: check-version.sh VERSION BUILD_DIR SOURCE_DIR APPLICATION_ID
set -eu
version=$1
build=$2
source=$3
id=$4
failures=0

agrees() { # WHAT FOUND EXPECTED
    if [ "$2" = "$3" ]; then
        echo "ok $1: $2"
    else
        echo "FAIL $1 says '$2', expected '$3'"
        failures=$((failures + 1))
    fi
}

changelog=$source/packaging/changelog
metainfo=$build/data/$id.metainfo.xml
latest_release() { sed -n "s/.*<release version=\"\([^\"]*\)\" date=\"\([^\"]*\)\".*/\\$1/p" "$metainfo" | head -n 1; }

agrees "manual page" "$(sed -n 's/^\.TH .*"Tarvisol \([^"]*\)".*/\1/p' "$build/data/tarvisol.1")" "$version"
agrees "metainfo release" "$(latest_release 1)" "$version"
agrees "package" "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")" "$version"
agrees "changelog" "$(sed -n '1s/^tarvisol (\([^)]*\)).*/\1/p' "$changelog")" "$version"
changelog_date=$(sed -n 's/^ -- .*>  //p' "$changelog" | head -n 1)
agrees "metainfo release date" "$(latest_release 2)" "$(date -u -d "$changelog_date" +%F)"

[ "$failures" -eq 0 ]
