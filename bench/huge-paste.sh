#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A paste of 1, 2 and 10 MiB into the Zelvix control of an installed tree: the time of the
# paste alone and the peak resident memory before and after it (the clipboard's own copy of
# the text is in both). Builds bench/paste/HugePaste.cpp with the installed pkg-config file.
#   bench/huge-paste.sh PREFIX    (an installed or moved tree, e.g. build/install-test/moved)
set -euo pipefail
tree=${1:?installed tree}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export PKG_CONFIG_PATH=$tree/lib/pkgconfig
# shellcheck disable=SC2046  # the flags are meant to split
g++ -std=c++17 -O2 -fPIC -o "$work/huge-paste" "$here/paste/HugePaste.cpp" \
    $(pkg-config --cflags --libs zelvix Qt6Test)
echo "| paste | time | peak before | peak after | message |"
echo "|---|---:|---:|---:|---|"
for mib in 1 2 10; do
    QT_QPA_PLATFORM=offscreen LD_LIBRARY_PATH=$tree/lib "$work/huge-paste" $((mib * 1048576)) \
        2> /dev/null
done
