#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# The package step every make target starts with, run against stand-ins for dpkg-query, id,
# apt-get and sudo: who installs what, and what a user without sudo is told.
# Usage: check-install-packages.sh INSTALLER
set -u
installer=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0

stub() { # NAME BODY
    printf '#!/bin/sh\n%s\n' "$2" >"$work/bin/$1"
    chmod +x "$work/bin/$1"
}

# What the release's package lists know (apt-cache show PACKAGE), Debian 12's names unless a
# case says otherwise.
debian12="cmake g++ clang fonts-liberation"
debian13="cmake g++ clang fonts-liberation fonts-liberation-sans-narrow"
known=$debian12
after_update=$debian12
total=0

# dpkg-query is asked as: dpkg-query -W -f=FORMAT PACKAGE
# Case: name | uid | has sudo | installed | wanted | expected exit | expected commands | expected message
check() {
    total=$((total + 1))
    rm -rf "$work/bin" "$work/log"
    mkdir -p "$work/bin"
    ln -s "$(command -v grep)" "$work/bin/grep"
    ln -s "$(command -v env)" "$work/bin/env"
    ln -s "$(command -v tr)" "$work/bin/tr"
    echo "$known" >"$work/lists"
    stub apt-cache 'read -r known <"$LISTS"; for p in $known; do [ "$p" = "$2" ] && exit 0; done; exit 1'
    stub id "echo $2"
    stub dpkg-query 'for p in $INSTALLED; do [ "$p" = "$3" ] && { printf "install ok installed"; exit 0; }; done; exit 1'
    stub apt-get 'echo "apt-get $*" >>"$LOG"; [ "$1" != update ] || echo "$AFTER_UPDATE" >"$LISTS"'
    [ "$3" = yes ] && stub sudo 'echo "sudo:" >>"$LOG"; exec "$@"'
    message=$(PATH="$work/bin" LOG="$work/log" LISTS="$work/lists" AFTER_UPDATE="$after_update" INSTALLED="$4" PACKAGES="$5" /bin/sh "$installer" 2>&1)
    status=$?
    commands=$(cat "$work/log" 2>/dev/null | tr '\n' ';')
    if [ "$status" != "$6" ] || [ "$commands" != "$7" ]; then
        echo "FAIL $1: exit $status, commands '$commands'"
        failures=$((failures + 1))
    elif [ -z "$8" ] && [ -n "$message" ] ||
        [ -n "$8" ] && ! printf '%s' "$message" | grep -q -F -- "$8"; then
        echo "FAIL $1: expected the message '$8', got:"
        printf '%s\n' "$message"
        failures=$((failures + 1))
    else
        echo "ok $1"
    fi
}

check "nothing missing, nothing run or said" 1000 no "cmake g++" "cmake g++" 0 "" ""
check "root installs what is missing" 0 no "cmake" "cmake g++ clang" 0 \
    "apt-get update -q;apt-get install -y -q --no-install-recommends g++ clang;" \
    "Installing missing packages: g++ clang"
check "a user with sudo installs through it" 1000 yes "" "g++" 0 \
    "sudo:;apt-get update -q;sudo:;apt-get install -y -q --no-install-recommends g++;" \
    "Installing missing packages with sudo: g++"
check "a user without sudo is told the command" 1000 no "cmake" "cmake g++ clang" 1 "" \
    "su -c 'apt-get update && apt-get install --no-install-recommends g++ clang'"

# The narrow caption font is in fonts-liberation on Debian 12, in a package of its own on 13.
narrow="fonts-liberation-sans-narrow|fonts-liberation"
check "an alternative: Debian 12's package is there" 1000 no "fonts-liberation" "$narrow" 0 "" ""
known=$debian13 after_update=$debian13
check "an alternative: Debian 13 wants its own package" 0 no "fonts-liberation" "$narrow" 0 \
    "apt-get update -q;apt-get install -y -q --no-install-recommends fonts-liberation-sans-narrow;" \
    "Installing missing packages: fonts-liberation-sans-narrow"
known="" after_update=$debian12
check "no lists yet: the alternative is chosen after the update" 0 no "" "$narrow" 0 \
    "apt-get update -q;apt-get install -y -q --no-install-recommends fonts-liberation;" \
    "Installing missing packages: fonts-liberation"

echo "$((total - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
