#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, address and undefined-behaviour sanitizers, build/fuzz)
# and runs each for the given seconds (default 60), two at a time, on its committed seed
# corpus plus what earlier runs found: tools/fuzz.sh [SECONDS [TARGET...]]. A crash, a leak,
# a hang or a broken check fails the run and leaves the input in build/fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(setup_file hid_descriptor report_unpacking press_decoding
                                    audience_requests buzz_timeline)

[ -f build/fuzz/build.ninja ] || cmake --preset fuzz
cmake --build --preset fuzz
mkdir -p build/fuzz/findings

run() {
    local t="$1" seconds="$2"
    mkdir -p "build/fuzz/corpus/$t"
    build/fuzz/fuzz/"fuzz_$t" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
        -artifact_prefix="build/fuzz/findings/$t-" "build/fuzz/corpus/$t" "fuzz/corpus/$t" \
        >"build/fuzz/findings/$t.log" 2>&1
}
export -f run
status=0
printf '%s\n' "${targets[@]}" | xargs -P 2 -I{} bash -c 'run {} '"$seconds" || status=$?

for t in "${targets[@]}"; do
    log="build/fuzz/findings/$t.log"
    echo "== fuzz_$t, ${seconds} s: $(grep -E '^stat::number_of_executed_units' "$log" |
        awk '{print $2}') runs, peak $(grep -E '^stat::peak_rss_mb' "$log" | awk '{print $2}') MB"
    if ! grep -q '^Done ' "$log"; then
        tail -n 40 "$log" >&2
        echo "fuzz_$t failed; its input is in build/fuzz/findings/" >&2
    fi
done
exit "$status"
