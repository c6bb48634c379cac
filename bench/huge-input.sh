#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Time and peak resident memory of fennory-cli on one huge line (1, 2 and 10 MiB), through
# every way a line reaches it: a batch file as JSON, standard input, the one-line text form,
# the worked-solutions sheet and --output. One process per row; elapsed seconds and peak
# resident memory from /usr/bin/time. A single argument cannot be that long (Linux takes at most
# 128 KiB per argument), so the command line is measured through --batch.
#   bench/huge-input.sh BUILD/bin/fennory-cli [MiB ...]    (default sizes: 1 2 10)
set -euo pipefail
cli=${1:?fennory-cli to measure}
shift
sizes=("$@")
[ ${#sizes[@]} -gt 0 ] || sizes=(1 2 10)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The shapes: a long sum (what users paste by mistake) and ordinary notation with
# multi-byte signs.
make_line() { # SHAPE BYTES
    python3 - "$1" "$2" <<'EOF'
import sys
shape, size = sys.argv[1], int(sys.argv[2])
unit = {"sum": "x+", "unicode": "2\u00d7x\u2212"}[shape].encode()
sys.stdout.buffer.write((unit * (size // len(unit) + 1))[:size])
EOF
}

measure() { # LABEL COMMAND...   (standard input from $stdin)
    local label=$1
    shift
    rm -f "$work/answer"
    /usr/bin/time -f "%e %M" -o "$work/time" "$@" < "${stdin:-/dev/null}" > "$work/out" \
        2> /dev/null || true
    read -r seconds kilobytes < <(tail -1 "$work/time")
    local answer
    answer=$(grep -ho '"error":"[^"]*"\|Error: .*\|Expression too large' "$work/out" \
        "$work/answer" 2> /dev/null | head -1 || true)
    printf '| %s | %s s | %s MB | %s |\n' "$label" "$seconds" "$((kilobytes / 1024))" "${answer:-?}"
}

echo "| input | time | peak resident | answer |"
echo "|---|---:|---:|---|"
for mib in "${sizes[@]}"; do
    for shape in sum unicode; do
        make_line "$shape" $((mib * 1048576)) > "$work/line.txt"
        name="$mib MiB $shape"
        measure "$name, --batch FILE" "$cli" --batch "$work/line.txt"
        [ "$shape" = sum ] || continue
        stdin=$work/line.txt measure "$name, standard input" "$cli" --batch
        measure "$name, --format text" "$cli" --batch --format text "$work/line.txt"
        measure "$name, --format html" "$cli" --batch --format html "$work/line.txt"
        measure "$name, --output FILE" "$cli" --batch "$work/line.txt" --output "$work/answer"
    done
done
