#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch prefix, moves the whole tree elsewhere, and checks that
# the moved programs still run and that only the public Zelvix headers were installed.
#   moved_tree.sh BUILD_DIR WORK_DIR   (leaves the moved tree in WORK_DIR/moved)
set -euo pipefail
source "$(dirname "$0")/common.sh"
build=$1 work=$2
rm -rf "$work/prefix" "$work/moved"
mkdir -p "$work"
cmake --install "$build" --prefix "$work/prefix" >"$work/install.log" \
  || { cat "$work/install.log"; fail "cmake --install"; }
mv "$work/prefix" "$work/moved"
tree=$work/moved

run_programs "$tree/bin" "$work"

# Nothing installed may still point into the build folder.
for f in "$tree"/bin/* "$tree"/lib/libzelvix.so.* $(find "$tree/lib" -path '*designer*' -name '*.so'); do
  dyn=$(readelf -d "$f")
  if grep -F "$build" <<<"$dyn"; then fail "$f still refers to the build folder"; fi
done
readelf -d "$tree/lib/libzelvix.so.1" | grep -q 'SONAME.*\[libzelvix\.so\.1\]' \
  || fail "libzelvix has no SONAME libzelvix.so.1"
[ "$(readlink "$tree/lib/libzelvix.so")" = libzelvix.so.1 ] || fail "no libzelvix.so link"
ls "$tree"/lib/qt6/plugins/designer/*.so >/dev/null 2>&1 || echo "(no Designer plugin was built)"

# The public headers, and none of them reaching for the library's internal ones.
expected="Zelvix.h ZelvixAboutDialog.h ZelvixCtrl.h ZelvixExport.h ZelvixIds.h ZelvixPropPage.h"
actual=$(cd "$tree/include/zelvix/widget" && echo *)
[ "$actual" = "$expected" ] || fail "installed headers are: $actual"
if grep -rnE '#include "(model|layout)/' "$tree/include"; then
  fail "an installed header includes an internal one"
fi
[ -f "$tree/share/fennory/help/index.html" ] || fail "the help page is not installed"
echo "ok"
