#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows headless into docs/screenshots (or the folder given), at scale 1 and 2.
set -eu
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
make build >/dev/null
export QT_QPA_PLATFORM=offscreen LC_ALL="${LC_ALL:-C.UTF-8}"
build/tools/tarvisol_screenshots "$out"
QT_SCALE_FACTOR=2 build/tools/tarvisol_screenshots "$out"
