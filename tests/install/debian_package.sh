#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the programs for /usr in a build folder of their own, makes the Debian package with
# cpack, unpacks it into a scratch folder and runs the unpacked programs, then runs lintian.
#   debian_package.sh SOURCE_DIR BUILD_DIR WORK_DIR   (FENNORY_VERSION in the environment)
set -euo pipefail
source "$(dirname "$0")/common.sh"
src=$1 build=$2 work=$3
version=${FENNORY_VERSION:?}
log=$work/package.log
mkdir -p "$work"
: >"$log"
step() { # DESCRIPTION COMMAND...
  local what=$1; shift
  "$@" >>"$log" 2>&1 || { cat "$log"; fail "$what"; }
}

step "configuring for /usr" cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
  -DCMAKE_INSTALL_PREFIX=/usr -DFENNORY_TESTS=OFF -DFENNORY_BENCH=OFF
step "building" cmake --build "$build"
rm -f "$build"/*.deb
step "cpack" cmake -E chdir "$build" cpack -G DEB
deb=$build/fennory_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || fail "no $deb; cpack made: $(ls "$build"/*.deb 2>/dev/null)"
echo "made $(basename "$deb")"

# The dependencies come from the libraries the programs link, and Zelvix is inside.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
grep -q 'libqt6widgets6' <<<"$depends" || fail "Depends does not name Qt Widgets"
grep -q 'libc6' <<<"$depends" || fail "Depends does not name the C library"
if grep -q 'zelvix' <<<"$depends"; then fail "the package depends on its own library"; fi

contents=$(dpkg-deb -c "$deb" | awk '{ print $6 }')
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH)
for f in ./usr/bin/fennory ./usr/bin/fennory-cli ./usr/share/applications/org.fennory.Fennory.desktop \
  ./usr/share/metainfo/org.fennory.Fennory.metainfo.xml ./usr/share/man/man1/fennory.1.gz \
  ./usr/share/man/man1/fennory-cli.1.gz ./usr/share/icons/hicolor/scalable/apps/fennory.svg \
  ./usr/share/fennory/help/index.html ./usr/include/zelvix/widget/ZelvixCtrl.h \
  "./usr/lib/$multiarch/libzelvix.so.$version" "./usr/lib/$multiarch/cmake/Zelvix/ZelvixConfig.cmake" \
  "./usr/lib/$multiarch/pkgconfig/zelvix.pc" "./usr/lib/$multiarch/qt6/plugins/designer/libzelvixdesigner.so" \
  ./usr/share/doc/fennory/copyright ./usr/share/doc/fennory/changelog.gz; do
  grep -qxF "$f" <<<"$contents" || fail "the package lacks $f"
done

root=$work/unpacked
rm -rf "$root"
dpkg-deb -x "$deb" "$root"
run_programs "$root/usr/bin" "$work"
if [ -n "${ZELVIX_PLUGIN_CHECK:-}" ]; then
  check_designer_plugin "$root/usr/lib/$multiarch/qt6/plugins" "$root/usr/include/zelvix" "$work"
fi

# Findings that are intended are explained in the package's own lintian overrides.
if command -v lintian >/dev/null; then
  lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian"
  echo "lintian has no errors or warnings"
else
  echo "(lintian is missing: not run)"
fi
echo "ok"
