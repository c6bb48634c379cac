#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares what two builds of fennory-cli write, result and narrative byte for byte, over the
# examples, powers of sums and long divisions, and random texts: the check that a change
# meant to make the engine faster changed nothing else.
#   bench/compare-outputs.sh OLD/fennory-cli NEW/fennory-cli [texts per seed, default 3000]
set -euo pipefail
old=${1:?fennory-cli of the build before}
new=${2:?fennory-cli of the build after}
count=${3:-3000}
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

{
    grep -v '^#' "$here/../tests/data/examples.txt"
    for n in $(seq 2 30); do
        echo "(x+1)^$n!"
        echo "(x+y+1)^$((n / 3 + 1))!"
        echo "(2x-3)^$((n / 2 + 1))!"
        echo "(x^2!-1)/(x+1)^$((n % 4 + 1))!"
        echo "(x+%1,2\$)^$((n / 2))!"
        echo "(1.5x+2)^$((n / 4 + 1))!"
    done
} > "$work/series.txt"
for seed in 1 2 3 4 5 6; do
    python3 "$here/random-texts.py" "$seed" "$count" > "$work/random$seed.txt"
done

status=0
for texts in "$work"/*.txt; do
    "$old" --batch "$texts" > "$work/old.out" 2>&1 || true
    "$new" --batch "$texts" > "$work/new.out" 2>&1 || true
    # A build that solves equations adds keys and appends to the narrative: compare the rest,
    # and check that the narrative only goes on past the old one.
    if grep -q '"solution":' "$work/new.out" && ! grep -q '"solution":' "$work/old.out"; then
        if ! python3 "$here/strip-appended.py" "$work/old.out" "$work/new.out" \
            > "$work/stripped.out"; then
            echo "NARRATIVE NOT APPENDED: $(basename "$texts")"
            status=1
        fi
        python3 -c 'import json,sys
for a in open(sys.argv[1], encoding="utf-8", errors="replace"):
    try: print(json.dumps(json.loads(a), ensure_ascii=False, separators=(",", ":")))
    except ValueError: print(a, end="")' "$work/old.out" > "$work/old.norm"
        mv "$work/old.norm" "$work/old.out"
        mv "$work/stripped.out" "$work/new.out"
    fi
    if cmp -s "$work/old.out" "$work/new.out"; then
        echo "same: $(basename "$texts") ($(wc -l < "$texts") texts)"
    else
        echo "DIFFERENT: $(basename "$texts")"
        diff "$work/old.out" "$work/new.out" | head -6 | cut -c1-300 || true
        status=1
    fi
done
exit $status
