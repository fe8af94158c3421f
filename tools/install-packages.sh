#!/bin/sh
# Installs those of $PACKAGES that are not installed yet. As root it uses apt-get; otherwise it
# names the missing packages and the command that installs them, and fails.
set -eu

missing=""
for package in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $package"
    fi
done

[ -z "$missing" ] && exit 0

if [ "$(id -u)" -eq 0 ]; then
    echo "Installing missing packages:$missing"
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -q
    # shellcheck disable=SC2086
    apt-get install -y -q --no-install-recommends $missing
else
    echo "Missing Debian packages:$missing" >&2
    echo "Install them with: sudo apt-get install$missing" >&2
    exit 1
fi
