#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the desktop files of an installed tree with the tools desktops and distributions use:
# the menu entry, the AppStream file, the manual pages and the icon sizes.
#   data_files.sh PREFIX   (FENNORY_VERSION in the environment)
set -euo pipefail
source "$(dirname "$0")/common.sh"
tree=$1
version=${FENNORY_VERSION:?}
share=$tree/share

desktop=$share/applications/org.fennory.Fennory.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
# The menu entry must name a program and an icon that were installed.
exec_name=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop")
[ -x "$tree/bin/$exec_name" ] || fail "the menu entry starts $exec_name, which is not installed"
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
metainfo=$share/metainfo/org.fennory.Fennory.metainfo.xml
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
grep -q "<release version=\"$version\"" "$metainfo" || fail "no release entry for $version"
grep -qF "<project_license>GPL-3.0-or-later AND LGPL-3.0-or-later</project_license>" "$metainfo" \
  || fail "the AppStream file does not name the licences"
grep -q '^License: GPL-3+' "$share/doc/fennory/copyright" || fail "the copyright file names no licence"

# The project has no home page or contact address yet: no installed file may name one. The
# standards' own addresses (XML name spaces, the copyright file's format) are no contact.
address='(https?|mailto):[^ "<>]*|[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(\.[A-Za-z0-9-]+)+'
text=("$share" "$tree/lib/pkgconfig" "$tree/lib/cmake")
addresses=$({
  grep -rIhoE "$address" "${text[@]}"
  find "${text[@]}" -name '*.gz' -exec zgrep -hoE "$address" {} +
} | grep -vE '^http://www\.w3\.org/|^https://www\.debian\.org/doc/packaging-manuals/copyright-format/' \
  | sort -u) || true
[ -z "$addresses" ] || fail "installed files name addresses: $addresses"

for page in fennory fennory-cli zelvix-demo; do
  page_file=$share/man/man1/$page.1.gz
  [ -f "$page_file" ] || fail "$page_file is missing"
  warnings=$(MANWIDTH=80 man --warnings -l "$page_file" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "man $page warns: $warnings"
  rendered=$(MANWIDTH=80 man -l "$page_file" 2>/dev/null)
  grep -q "Fennory $version" <<<"$rendered" || fail "man $page does not name version $version"
done

# Every long option a program's --help lists is described in its manual page (the pages had
# fallen behind the programs).
programs=(fennory-cli)
if [ "${FENNORY_HAVE_WINDOW:-1}" = 1 ]; then programs+=(fennory); fi
for page in "${programs[@]}"; do
  options=$(run_installed "$tree/bin/$page" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)
  [ -n "$options" ] || fail "$page --help lists no options"
  source_text=$(zcat "$share/man/man1/$page.1.gz" | sed 's/\\-/-/g')
  for option in $options; do
    grep -qE -- "$option([^a-z-]|$)" <<<"$source_text" || fail "man $page does not describe $option"
  done
  echo "man $page describes $(wc -w <<<"$options") options of --help"
done

[ -f "$share/icons/hicolor/scalable/apps/$icon_name.svg" ] || fail "no scalable icon $icon_name"
for size in 16 24 32 48 64 128 256; do
  icon=$share/icons/hicolor/${size}x$size/apps/$icon_name.png
  file "$icon" | grep -q "PNG image data, $size x $size" || fail "$icon is not $size x $size"
done
echo "ok"
