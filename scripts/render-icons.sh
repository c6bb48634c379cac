#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hicolor PNG icons from data/icons/fennory.svg (needs rsvg-convert, Debian
# package librsvg2-bin). The PNGs are kept in the tree so a build needs no SVG renderer.
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" fennory.svg -o "fennory-$size.png"
done
echo "rendered the icons in data/icons"
