#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour sanitizers, build/fuzz)
# and runs each for the given seconds (default 60) on its committed seed corpus plus what
# earlier runs found. A crash, a leak, a hang or a broken check fails the run and leaves the
# input in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(setup_file hid_descriptor report_unpacking press_decoding)

[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
cmake --build --preset fuzz

mkdir -p build/fuzz/findings
for t in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$t"
    echo "== fuzz_$t for ${seconds} s"
    log="build/fuzz/findings/$t.log"
    status=0
    build/fuzz/fuzz/"fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$t-" "build/fuzz/corpus/$t" "fuzz/corpus/$t" \
        >"$log" 2>&1 || status=$?
    grep -E "^(#[0-9]+ +(INITED|DONE)|stat::number_of_executed_units|stat::peak_rss)" "$log" || true
    if [ "$status" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "fuzz_$t failed; its input is in build/fuzz/findings/" >&2
        exit 1
    fi
done
