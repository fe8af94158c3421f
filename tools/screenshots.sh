#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the windows headless into docs/screenshots (or the folder given), at scale 1 and 2.
set -eu
cd "$(dirname "$0")/.."
out="${1:-docs/screenshots}"
make build >/dev/null
cmake -B build -DTARVISOL_BUILD_SCREENSHOTS=ON >/dev/null
cmake --build build --target tarvisol_screenshots >/dev/null
export QT_QPA_PLATFORM=offscreen LC_ALL="${LC_ALL:-C.UTF-8}"
build/tools/tarvisol_screenshots "$out"
QT_SCALE_FACTOR=2 build/tools/tarvisol_screenshots "$out"
