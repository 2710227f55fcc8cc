#!/usr/bin/env bash
# Runs the benchmarks of a build folder and prints their figures.
set -euo pipefail
dir="${1:-build/bench}"
"$dir/bench/bench_poll"
"$dir/bench/bench_press_to_lock" 200
