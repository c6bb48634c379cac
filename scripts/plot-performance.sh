#!/usr/bin/env bash
# Plots the time of the three benchmark series against n from fennory-bench's JSON output.
#   build/bin/fennory-bench --benchmark_filter='Power|Geometric' --benchmark_format=json > bench.json
#   scripts/plot-performance.sh bench.json docs/performance.png
set -euo pipefail
input=${1:?benchmark JSON file}
output=${2:-docs/performance.png}
data=$(mktemp)
trap 'rm -f "$data"' EXIT

python3 - "$input" > "$data" <<'PY'
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

gnuplot <<GP
set terminal pngcairo size 800,500 font "Liberation Sans,11"
set output "$output"
set title "Simplify request CPU time against n (median of repetitions)"
set xlabel "n"
set ylabel "CPU time per request (microseconds)"
set logscale y
set grid
set key top left
plot "$data" using 1:2 with linespoints title "(x+1)^n", \
     "$data" using 1:3 with linespoints title "(x+y+1)^n", \
     "$data" using 1:4 with linespoints title "(x^n-1)/(x-1)"
GP
echo "wrote $output"
