#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plots the time of the three benchmark series against n from fennory-bench's JSON output,
# optionally beside an earlier run (drawn dashed) to show a change.
#   build/bin/fennory-bench --benchmark_filter='Power|Geometric' --benchmark_format=json > bench.json
#   scripts/plot-performance.sh bench.json docs/performance.png [before.json]
set -euo pipefail
input=${1:?benchmark JSON file}
output=${2:-docs/performance.png}
before=${3:-}
data=$(mktemp)
old=$(mktemp)
trap 'rm -f "$data" "$old"' EXIT

columns() {
python3 - "$1" <<'PY'
import json, sys
series = ["PowerOfSum", "PowerOfTrinomial", "GeometricQuotient"]
times = {}
for run in json.load(open(sys.argv[1]))["benchmarks"]:
    name, _, n = run.get("run_name", run["name"]).partition("/")
    if run.get("aggregate_name", "median") == "median" and name in series and n.isdigit():
        scale = {"ns": 1e-3, "us": 1.0, "ms": 1e3, "s": 1e6}[run["time_unit"]]
        times[(name, int(n))] = run["cpu_time"] * scale
for n in sorted({n for _, n in times}):
    print(n, *(times.get((name, n), "NaN") for name in series))
PY
}

columns "$input" > "$data"
plot="plot \"$data\" using 1:2 with linespoints lt 1 title \"(x+1)^n\", \
     \"$data\" using 1:3 with linespoints lt 2 title \"(x+y+1)^n\", \
     \"$data\" using 1:4 with linespoints lt 3 title \"(x^n-1)/(x-1)\""
if [[ -n "$before" ]]; then
    columns "$before" > "$old"
    plot+=", \"$old\" using 1:2 with linespoints lt 1 dt 2 title \"(x+1)^n before\", \
     \"$old\" using 1:3 with linespoints lt 2 dt 2 title \"(x+y+1)^n before\", \
     \"$old\" using 1:4 with linespoints lt 3 dt 2 title \"(x^n-1)/(x-1) before\""
fi

gnuplot <<GP
set terminal pngcairo size 800,500 font "Liberation Sans,11"
set output "$output"
set title "Simplify request CPU time against n (median of repetitions)"
set xlabel "n"
set ylabel "CPU time per request (microseconds)"
set logscale y
set grid
set key top left
$plot
GP
echo "wrote $output"
