#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts an SPDX licence line at the top of every source file, or with --check lists the files
# whose top line is missing or names the wrong licence (and exits 1 if there are any).
#   scripts/add-spdx.sh [--check] [SOURCE_DIR]   (SOURCE_DIR defaults to this repository)
# Source files: C++ (.cpp, .h), CMake (CMakeLists.txt, .cmake) and scripts (.sh, .py, .js, and
# any file starting with #!). Zelvix, everything under eqctrl/, is LGPL-3.0-or-later, so
# other programs may use the control; everything else is GPL-3.0-or-later. The line is the
# first, or the second after a #! line, in the file's own comment syntax. Running it again
# changes nothing; a line naming another licence is replaced.
set -euo pipefail
mode=add
if [ "${1:-}" = --check ]; then
  mode=check
  shift
fi
src=${1:-$(dirname "$0")/..}
cd "$src"

licence_of() {
  case $1 in
    eqctrl/*) echo LGPL-3.0-or-later ;;
    *) echo GPL-3.0-or-later ;;
  esac
}

comment_of() {
  case $1 in
    *.cpp | *.h | *.js) echo '//' ;;
    *) echo '#' ;;
  esac
}

# Tracked files in a git checkout, else every file but build folders and node's packages.
# CI's own folder is not the project's source.
candidates() {
  if [ -e .git ]; then
    git ls-files --cached --others --exclude-standard
  else
    find . -type f -not -path './.git/*' -not -path './build*' -not -path '*/node_modules/*' \
      | sed 's|^\./||'
  fi
}

source_files() {
  local f
  candidates | sort -u | while IFS= read -r f; do
    [ -f "$f" ] || continue # tracked but deleted
    case $f in
      .ci/* | */node_modules/* | node_modules/*) ;;
      *.cpp | *.h | CMakeLists.txt | */CMakeLists.txt | *.cmake | *.sh | *.py | *.js) echo "$f" ;;
      *) if [ "$(head -c2 "$f")" = '#!' ]; then echo "$f"; fi ;;
    esac
  done
}

# The line number the SPDX line belongs on: after a #! line, else the first.
spdx_line_number() {
  if [ "$(head -c2 "$1")" = '#!' ]; then echo 2; else echo 1; fi
}

wanted_line() {
  echo "$(comment_of "$1") SPDX-License-Identifier: $(licence_of "$1")"
}

# Inserts the wanted line at its place, or replaces an SPDX line already there. The file is
# rewritten in place, so its mode stays.
add_line() { # FILE
  local f=$1 line n text
  line=$(wanted_line "$f")
  n=$(spdx_line_number "$f")
  text=$(awk -v n="$n" -v line="$line" '
    NR == n { print line; if ($0 !~ /SPDX-License-Identifier:/) print; next }
    { print }
    END { if (NR < n) print line }' "$f"
    printf x)
  printf '%s' "${text%x}" >"$f"
}

# The whole script is read before it runs, as it is a source file itself and may rewrite
# itself: main and the exit after it are on one line.
main() {
  local bad=0 f n
  while IFS= read -r f; do
    n=$(spdx_line_number "$f")
    if [ "$(sed -n "${n}p" "$f")" = "$(wanted_line "$f")" ]; then
      continue
    fi
    if [ "$mode" = check ]; then
      echo "$f: line $n is not \"$(wanted_line "$f")\""
      bad=$((bad + 1))
    else
      add_line "$f"
      echo "added the licence line to $f"
    fi
  done < <(source_files)

  if [ "$mode" = check ] && [ "$bad" -gt 0 ]; then
    echo "$bad source files lack their SPDX licence line; scripts/add-spdx.sh adds them" >&2
    exit 1
  fi
}

main; exit
