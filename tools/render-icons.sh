#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the scalable icon into the PNG sizes the windows carry (data/icons). Qt reads PNG
# without any plugin, so the window icon needs no extra package on any release. Run it after
# changing the SVG; it needs rsvg-convert (librsvg2-bin).
set -eu
cd "$(dirname "$0")/../data"
for svg in *.svg; do # the one icon, named by the application id
    for size in 16 24 32 48 64 128 256; do
        rsvg-convert --width "$size" --height "$size" "$svg" >"icons/${svg%.svg}-$size.png"
    done
done
