#!/usr/bin/env bash
# Saves docs/fennory-window.png: the real program under a virtual display after simplifying
# (x^2-1)/(x^2+2x+1). scripts/screenshot.sh [BUILD_DIR] (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/bin/fennory" ] || { echo "no $build/bin/fennory: build it first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }
QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/bin/fennory" --input '(x^2!-1)/(x^2!+2x+1)' --screenshot docs/fennory-window.png
echo "saved docs/fennory-window.png"
