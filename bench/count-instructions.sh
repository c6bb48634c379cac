#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Counts the instructions one Simplify request executes, for each line of a file, with
# callgrind: a measure that other work on the machine does not disturb, so two builds can be
# compared while the cores are busy. Prints "instructions<TAB>text" per line. The count is
# (11 requests - 1 request) / 10, so one-time costs (building the sieve) drop out.
#   bench/count-instructions.sh build-release/bin/fennory-cli tests/data/examples.txt
set -euo pipefail
cli=${1:?fennory-cli binary}
file=${2:?file of texts, one per line}

count() {
    local out
    out=$(mktemp)
    valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='RunSimplify*' \
        "$cli" --json --repeat "$1" -- "$2" > /dev/null 2>&1
    grep -m1 '^summary:' "$out" | awk '{print $2}'
    rm -f "$out"
}

while IFS= read -r line; do
    [[ -z "$line" || "$line" == \#* ]] && continue
    one=$(count 1 "$line")
    eleven=$(count 11 "$line")
    printf '%d\t%s\n' $(((eleven - one) / 10)) "$line"
done < "$file"
