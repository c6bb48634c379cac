#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Saves docs/fennory-outline.png (the window with the steps as an outline, under a virtual
# display) and docs/worked-solutions-sheet.png (the sheet of tests/data/examples.txt as
# headless Chromium renders it), docs/worked-solution-steps.png (one worked solution, its
# steps typeset) and docs/worked-solution-solving.png (an equation solved, its working typeset). scripts/worked-solution-pictures.sh [BUILD_DIR] (default: build).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
for program in fennory fennory-cli; do
  [ -x "$build/bin/$program" ] || { echo "no $build/bin/$program: build it first" >&2; exit 1; }
done
command -v xvfb-run >/dev/null || { echo "xvfb-run is missing (Debian package xvfb)" >&2; exit 1; }
command -v chromium >/dev/null || { echo "chromium is missing (Debian package chromium)" >&2; exit 1; }
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

# The outline is a choice the window remembers; a scratch settings folder makes it.
mkdir -p "$scratch/config/Fennory"
printf '[General]\nStepsAsOutline=true\n' >"$scratch/config/Fennory/fennory.conf"
XDG_CONFIG_HOME="$scratch/config" QT_QPA_PLATFORM=xcb xvfb-run -a -s "-screen 0 1024x768x24" \
  "$build/bin/fennory" --input '(x+1)/(x^2!-1)' --screenshot docs/fennory-outline.png
echo "saved docs/fennory-outline.png"

# shoot PAGE.html PICTURE HEIGHT: the page as headless Chromium renders it, 900 pixels wide.
shoot() {
  chromium --headless --no-sandbox --disable-gpu --disable-quic --no-first-run \
    --disable-background-networking --disable-component-update --disable-sync --hide-scrollbars \
    --user-data-dir="$scratch/profile" --window-size=900,"$3" \
    --screenshot="$PWD/docs/$2" "file://$scratch/$1" 2>/dev/null
  echo "saved docs/$2"
}

"$build/bin/fennory-cli" --batch tests/data/examples.txt --format html --output "$scratch/sheet.html"
shoot sheet.html worked-solutions-sheet.png 1500

# One worked solution further down a page: its steps, with their formulas typeset.
"$build/bin/fennory-cli" --format html --output "$scratch/steps.html" '(x^2!-1)/(x^2!+2x+1)'
shoot steps.html worked-solution-steps.png 1300

# An equation solved by the quadratic formula: roots, the formula and the checks typeset.
"$build/bin/fennory-cli" --format html --output "$scratch/solving.html" '2x^2!-2x-1=0'
shoot solving.html worked-solution-solving.png 1000
