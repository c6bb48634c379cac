#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/add-spdx.sh on a scratch tree: the line each kind of file gets, in its comment
# syntax and after a #! line, files it must leave alone, a second run changing nothing, and
# --check failing before and passing after.
#   spdx_add.sh SOURCE_DIR WORK_DIR
set -euo pipefail
source "$(dirname "$0")/common.sh"
script=$1/scripts/add-spdx.sh
tree=$2/spdx-tree
rm -rf "$tree"
G='SPDX-License-Identifier: GPL-3.0-or-later'
L='SPDX-License-Identifier: LGPL-3.0-or-later'
# file | content before | content after (printf %b escapes)
cases=(
  "algebra/core/Term.cpp|int x;\n|// $G\nint x;\n"
  "eqctrl/widget/Ctrl.h|#pragma once\n|// $L\n#pragma once\n"
  "eqctrl/CMakeLists.txt|add_library(z)\n|# $L\nadd_library(z)\n"
  "CMakeLists.txt|project(F)\n|# $G\nproject(F)\n"
  "cmake/Packaging.cmake|include(CPack)\n|# $G\ninclude(CPack)\n"
  "scripts/build.sh|#!/usr/bin/env bash\nset -e\n|#!/usr/bin/env bash\n# $G\nset -e\n"
  "run|#!/bin/sh\n|#!/bin/sh\n# $G\n"
  "bench/texts.py|#!/usr/bin/env python3\n\"\"\"Doc.\"\"\"\n|#!/usr/bin/env python3\n# $G\n\"\"\"Doc.\"\"\"\n"
  "tests/output/check.js|const k = 1;|// $G\nconst k = 1;\n"
  "eqctrl/model/Empty.h||// $L\n"
  "tests/core/Old.cpp|// SPDX-License-Identifier: MIT\nint y;\n|// $G\nint y;\n"
  "data/package/copyright|Files: *\n|Files: *\n"
  "tests/data/examples.txt|x+1\n|x+1\n"
  ".ci/run|#!/bin/bash\n|#!/bin/bash\n"
  "build/generated/Version.h|#define V 1\n|#define V 1\n"
)
for row in "${cases[@]}"; do
  IFS='|' read -r file before _ <<<"$row"
  mkdir -p "$tree/$(dirname "$file")"
  printf '%b' "$before" >"$tree/$file"
done
chmod +x "$tree/run"

bash "$script" --check "$tree" >"$2/spdx-check.log" 2>&1 && fail "--check passed on files without the line"
[ "$(grep -c ' is not ' "$2/spdx-check.log")" = 11 ] \
  || { cat "$2/spdx-check.log"; fail "--check did not list the 11 files"; }
bash "$script" "$tree" >/dev/null || fail "add-spdx.sh exited with $?"
for row in "${cases[@]}"; do
  IFS='|' read -r file _ after <<<"$row"
  expected=$(printf '%b' "$after"; printf x)
  actual=$(cat "$tree/$file"; printf x)
  [ "$actual" = "$expected" ] || fail "$file became: ${actual%x}"
done
[ -x "$tree/run" ] || fail "run lost its executable bit"
again=$(bash "$script" "$tree") || fail "the second run exited with $?"
[ -z "$again" ] || fail "the second run changed: $again"
bash "$script" --check "$tree" || fail "--check failed after adding the lines"
echo "ok"
