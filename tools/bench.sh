#!/usr/bin/env bash
# Runs the benchmarks of a build folder: the figure table, then the cost of one poll and of
# reading one report, and of recording one event in the match journal.
#   tools/bench.sh [build folder] [scale]
set -euo pipefail
dir="${1:-build/bench}"
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export QT_LOGGING_RULES="${QT_LOGGING_RULES:-qt.qpa.*=false}"
"$dir/bench/bench_latency" "${2:-1}"
"$dir/bench/bench_poll" --benchmark_min_time=0.2
"$dir/bench/bench_report_read" --benchmark_min_time=0.2
"$dir/bench/bench_journal" --benchmark_min_time=0.2
