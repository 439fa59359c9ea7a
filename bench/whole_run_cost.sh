#!/usr/bin/env bash
# Counts the instructions of one whole run of the program under callgrind and
# compares them with a program that only writes two fixed lines.
#   bench/whole_run_cost.sh [build directory, default: build]
set -euo pipefail
build=${1:-build}

instructions() {
    valgrind --tool=callgrind --callgrind-out-file=/dev/null "$1" 2>&1 >/dev/null |
        awk '/Collected :/ {print $NF}'
}

program=$(instructions "$build/bitstuffing")
baseline=$(instructions "$build/bench/two_lines")
awk -v p="$program" -v b="$baseline" 'BEGIN {
    printf "bitstuffing: %d instructions\ntwo lines:   %d instructions\nextra:       %+.2f%%\n",
        p, b, (p - b) * 100 / b
}'
