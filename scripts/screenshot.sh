#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves the README's pictures of the real program under a virtual display:
#   docs/fennory-window.png     the window after simplifying (x^2-1)/(x^2+2x+1), with a history
#   docs/fennory-narrative.png  the window enlarged, a long narrative scrolled to its middle
#   docs/fennory-graph.png      the graph pane shown, with (x^2-1)/(x+1) and its hole
# scripts/screenshot.sh [BUILD_DIR] (default: build). The user's own settings are not touched.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
[ -x "$build/bin/fennory" ] || { echo "no $build/bin/fennory: build it first" >&2; exit 1; }
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }
XDG_CONFIG_HOME=$(mktemp -d)
export XDG_CONFIG_HOME
trap 'rm -rf "$XDG_CONFIG_HOME"' EXIT

fennory() {
  QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1280x1024x24" "$build/bin/fennory" "$@"
}

# A few earlier problems, so the history has something to show.
for problem in '2x+3=x-1' '3x(x+2)-x^2' '(x+1)(x-1)'; do
  fennory --input "$problem" --screenshot "$XDG_CONFIG_HOME/scratch.png"
done
fennory --input '(x^2-1)/(x^2+2x+1)' --screenshot docs/fennory-window.png
echo "saved docs/fennory-window.png"

fennory --input '(x^3-1)/(x^2+x+1)+(x^2-4)/(x+2)-(x^4-1)/(x^2+1)' --window-size 1100x820 \
  --narrative-line 24 --screenshot docs/fennory-narrative.png
echo "saved docs/fennory-narrative.png"

mkdir -p "$XDG_CONFIG_HOME/Fennory"
printf '[General]\nShowGraph=true\n' >"$XDG_CONFIG_HOME/Fennory/fennory.conf"
fennory --input '(x^2-1)/(x+1)' --window-size 1000x820 --screenshot docs/fennory-graph.png
echo "saved docs/fennory-graph.png"
