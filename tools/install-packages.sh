#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs those of $PACKAGES that are not installed yet, without recommended extras. Root
# installs with apt-get, a user with sudo through sudo; anyone else is told the exact command
# and the make target fails.
set -eu

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done

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

echo "Installing missing packages${as_root:+ with sudo}:$missing"
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$as_root env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
