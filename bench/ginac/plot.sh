#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plots the binomial series that fennory-ginac-compare writes ("n fennory_us ginac_us" per
# line) as cost against n on a log scale.
#   build/bin/fennory-ginac-compare series.txt > table.md
#   bench/ginac/plot.sh series.txt docs/performance-ginac.png   # needs gnuplot
set -euo pipefail
input=${1:?series file}
output=${2:-docs/performance-ginac.png}
gnuplot <<GP
set terminal pngcairo size 800,500 font "Liberation Sans,11"
set output "$output"
set title "(x+1)^n: Fennory (narrative included) and GiNaC (parse, expand, normal), CPU time"
set xlabel "n"
set ylabel "CPU time per request (microseconds)"
set logscale y
set grid
set key top left
plot "$input" using 1:2 with linespoints lt 1 title "Fennory", \
     "$input" using 1:3 with linespoints lt 2 title "GiNaC", \
     "$input" using 1:(\$3*10) with lines lt 0 title "10 x GiNaC"
GP
echo "wrote $output"
