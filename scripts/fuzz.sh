#!/usr/bin/env bash
# Builds the fuzz targets of the file readers (clang's libFuzzer, with the address and
# undefined-behaviour sanitizers) and runs each for its share of SECONDS (60 in all unless
# given). A crash, a hang or a leak fails the run; the input that caused it is kept in
# build/fuzz/crashes/ and named on the way out. What each run found worth keeping stays in
# build/fuzz/corpus/, so the next run goes on from there.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
total="${1:-60}"
cmake --preset fuzz
cmake --build --preset fuzz
targets=(beerxml beerjson report_file grid_layout tips dates)
each=$(( total / ${#targets[@]} ))
(( each > 0 )) || each=1
mkdir -p build/fuzz/crashes
seeds_of() {
    case "$1" in
        beerxml) echo tests/fuzz/seeds/beerxml ;;
        beerjson) echo tests/data/beerjson/samples/real ;;
        report_file) echo data/reports ;;
        grid_layout) echo data/grid ;;
        tips) echo data/tips.txt | xargs dirname ;;
        dates) echo tests/fuzz/seeds/dates ;;
    esac
}
failed=0
for t in "${targets[@]}"; do
    corpus="build/fuzz/corpus/$t"
    mkdir -p "$corpus"
    # The tips file's folder holds other files too: only the tips are its seeds.
    if [ "$t" = tips ]; then
        seeds="$corpus"
        cp -n data/tips.txt "$corpus/" 2>/dev/null || true
    else
        seeds="$(seeds_of "$t")"
    fi
    echo "fuzzing $t for ${each}s"
    if ! ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
         UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
         "build/fuzz/tests/fuzz/fuzz_$t" -max_total_time="$each" -timeout=20 -rss_limit_mb=2048 \
             -max_len=262144 -print_final_stats=1 \
             -artifact_prefix="build/fuzz/crashes/$t-" "$corpus" "$seeds" \
             > "build/fuzz/$t.log" 2>&1; then
        echo "fuzz_$t failed; its output is in build/fuzz/$t.log, the input in:"
        ls build/fuzz/crashes/"$t"-* 2>/dev/null || true
        tail -40 "build/fuzz/$t.log"
        failed=1
    else
        grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "build/fuzz/$t.log" | tr '\n' ' '
        echo
    fi
done
exit "$failed"
