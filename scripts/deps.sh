#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build and tests need, only those that are missing.
set -euo pipefail
packages=(cmake g++ ninja-build pkg-config ccache
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev qt6-base-dev-tools qt6-tools-dev qt6-tools-dev-tools libgl-dev libxkbcommon-dev
  # Qt Designer's CMake files need Qt OpenGL's; without them the Designer plugin is not built.
  libqt6opengl6-dev
  # The graph as SVG (QSvgGenerator).
  qt6-svg-dev
  nlohmann-json3-dev libcli11-dev libgmp-dev
  # Solving: exact polynomial factoring and certified roots (FLINT and its ball arithmetic).
  libflint-dev libflint-arb-dev
  xvfb xauth fonts-liberation
  # The install and package tests: validators, manual pages, Debian packaging.
  desktop-file-utils appstream man-db groff dpkg-dev file lintian
  # The worked-solution tests: an XML parser, a browser, PDF text and KaTeX.
  libxml2-utils chromium poppler-utils nodejs
  # The LaTeX hand-outs are compiled by a real LaTeX.
  texlive-latex-base texlive-latex-recommended)
missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
# Some nodejs builds carry npm themselves and conflict with Debian's npm package.
if ! command -v npm >/dev/null 2>&1; then
  missing+=(npm)
fi
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing missing packages: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  log=$(mktemp)
  trap 'rm -f "$log"' EXIT
  # apt's progress only when something goes wrong.
  if ! { "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
    "${sudo_cmd[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
      --no-install-recommends "${missing[@]}"; } >"$log" 2>&1; then
    cat "$log" >&2
    echo "Installing the packages failed." >&2
    exit 1
  fi
fi
