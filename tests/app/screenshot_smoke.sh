#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the real fennory under xvfb-run with --input and --screenshot and checks the PNG it
# saves: a picture of the whole window, and a different one from the window left untouched.
# First, without any display, --version and --help must answer and a mistake must be told.
set -euo pipefail
fennory=$1
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
# The program remembers its size and history; it must not touch the user's own settings.
export XDG_CONFIG_HOME=$dir/config

version=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$fennory" --version)
[[ $version == "fennory "[0-9]* ]] || { echo "--version said: $version" >&2; exit 1; }
env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$fennory" --help | grep -q -- '--input' ||
  { echo "--help does not list --input" >&2; exit 1; }
if env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$fennory" --bogus 2>"$dir/err"; then
  echo "an unknown option was accepted" >&2; exit 1
fi
grep -q "Unknown option 'bogus'" "$dir/err" || { cat "$dir/err" >&2; exit 1; }
echo "answers without a display: $version"
if ! command -v xvfb-run >/dev/null; then
  echo "xvfb-run is missing: skipped"
  exit 77
fi

shoot() { # FILE [fennory options...]
  local file=$1; shift
  xvfb-run -a -s "-screen 0 1024x768x24" "$fennory" "$@" --screenshot "$file"
}

# Width and height from the PNG header, after checking the signature.
png_size() {
  local sig
  sig=$(od -An -tx1 -N8 "$1" | tr -d ' \n')
  [ "$sig" = "89504e470d0a1a0a" ] || { echo "$1 is not a PNG" >&2; return 1; }
  od -An -tu1 -j16 -N8 "$1" | awk '{ print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8 }'
}

shoot "$dir/simplified.png" --input '(x^2-1)/(x^2+2x+1)'
grep -q 'input=(x^2!-1)/(x^2!+2x+1)' "$XDG_CONFIG_HOME"/Fennory/fennory.conf ||
  { echo "the history did not keep the ordinary-notation input as x squared" >&2; exit 1; }
rm -rf "$XDG_CONFIG_HOME"
shoot "$dir/untouched.png"
read -r width height < <(png_size "$dir/simplified.png")
echo "window saved at ${width}x${height}"
# The dialog is 375 x 340 dialog units: several hundred pixels each way with any usable font.
if [ "$width" -lt 400 ] || [ "$height" -lt 350 ]; then
  echo "the picture is too small to be the whole window" >&2
  exit 1
fi
if cmp -s "$dir/simplified.png" "$dir/untouched.png"; then
  echo "the simplified window looks the same as the untouched one" >&2
  exit 1
fi
echo "ok"
