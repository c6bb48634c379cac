#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves docs/zelvix-control.png: the equation editor drawing a sample text, rendered off
# screen. Usage: scripts/zelvix-screenshot.sh [build folder]   (default: build)
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-$root/build}"
cmake --build "$build" --target zelvix-demo
mkdir -p "$root/docs"
# Twice the pixels, so the small exponent and fraction fonts read well in the README.
QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR=2 "$build/bin/zelvix-demo" --screenshot "$root/docs/zelvix-control.png"
