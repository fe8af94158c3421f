#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those of $PACKAGES that are not installed yet, without recommended extras. Root
# installs with apt-get, a user with sudo through sudo; anyone else is told the exact command
# and the make target fails.
#
# A word "first|second" names a thing that the releases package differently: the first of
# them that this release has is the one wanted, whatever else is installed.
set -eu

# The first alternative that the package lists know; nothing when they know none.
resolve() {
    for alternative in $(echo "$1" | tr '|' ' '); do
        if apt-cache show "$alternative" >/dev/null 2>&1; then
            echo "$alternative"
            return
        fi
    done
}

# Sets $missing to the wanted packages that are not installed.
find_missing() {
    missing=""
    for word in $PACKAGES; do
        package=$(resolve "$word")
        # Lists that know none of the alternatives are not there yet; the update brings them.
        package=${package:-${word%%|*}}
        if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
            missing="$missing $package"
        fi
    done
}

find_missing
[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    as_root=""
elif command -v sudo >/dev/null 2>&1; then
    as_root="sudo"
else
    echo "Missing Debian packages:$missing" >&2
    echo "Install them as root, then run make again:" >&2
    echo "  su -c 'apt-get update && apt-get install --no-install-recommends$missing'" >&2
    exit 1
fi

$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
find_missing # with today's lists, which may name the alternatives differently
echo "Installing missing packages${as_root:+ with sudo}:$missing"
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
