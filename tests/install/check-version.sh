#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The manual pages, the metainfo's latest release, the package and the changelog name the
# project's version, and the release is dated as the changelog's entry. (The help text takes the
# version from the header the core compiles, which the core's tests read.)
# Usage: check-version.sh VERSION BUILD_DIR SOURCE_DIR APPLICATION_ID
set -eu
version=$1 build=$2 changelog=$3/packaging/changelog metainfo=$2/data/$4.metainfo.xml
failures=0
agrees() { # WHAT FOUND EXPECTED
    [ "$2" = "$3" ] && echo "ok $1: $2" && return
    echo "FAIL $1 says '$2', expected '$3'"
    failures=$((failures + 1))
}
release() { sed -n "s/.*<release version=\"\([^\"]*\)\" date=\"\([^\"]*\)\".*/\\$1/p" "$metainfo" | head -n 1; }
entry_date=$(sed -n 's/^ -- .*>  //p' "$changelog" | head -n 1)

for language in de en; do
    agrees "manual page ($language)" "$(sed -n 's/^\.TH .*"Tarvisol \([^"]*\)".*/\1/p' "$build/data/man/$language/tarvisol.1")" "$version"
done
agrees "metainfo release" "$(release 1)" "$version"
agrees "package" "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")" "$version"
agrees "changelog" "$(sed -n '1s/^tarvisol (\([^)]*\)).*/\1/p' "$changelog")" "$version"
agrees "metainfo release date" "$(release 2)" "$(date -u -d "$entry_date" +%F)"
[ "$failures" -eq 0 ]
