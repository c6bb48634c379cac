#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the consumer program against the moved Zelvix tree, once through the CMake package
# and once through pkg-config, and runs both offscreen.
#   consumer.sh CONSUMER_SOURCE PREFIX WORK_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1 tree=$2 work=$3
version=${FENNORY_VERSION:?}
build=$work/consumer-cmake
rm -rf "$build"

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_PREFIX_PATH="$tree" >"$work/consumer.log" 2>&1 \
  || { cat "$work/consumer.log"; fail "configuring the consumer with find_package(Zelvix)"; }
cmake --build "$build" >>"$work/consumer.log" 2>&1 \
  || { cat "$work/consumer.log"; fail "building the consumer"; }
run_installed "$build/consumer" || fail "the CMake-built consumer"

export PKG_CONFIG_PATH=$tree/lib/pkgconfig
[ "$(pkg-config --modversion zelvix)" = "$version" ] || fail "zelvix.pc is not version $version"
# shellcheck disable=SC2046  # the flags are meant to split
g++ -std=c++17 -fPIC -o "$work/consumer-pc" "$src/main.cpp" \
  $(pkg-config --cflags --libs zelvix Qt6Test) -Wl,-rpath,"$(pkg-config --variable=libdir zelvix)" \
  || fail "building the consumer with pkg-config"
run_installed "$work/consumer-pc" || fail "the pkg-config-built consumer"

# The README's pkg-config line, as written, run from a copy of the tree's top.
readme=$src/../../../README.md
line=$(grep -m1 '^g++ .*pkg-config --cflags --libs zelvix' "$readme") \
  || fail "the README has no pkg-config line"
top=$work/readme-line
rm -rf "$top" && mkdir -p "$top/tests/install"
cp -r "$src" "$top/tests/install/consumer"
(cd "$top" && bash -c "$line") || fail "the README's line failed: $line"
LD_LIBRARY_PATH=$tree/lib "$top/a.out" || fail "the program the README's line built"
echo "ok"
