#!/usr/bin/env bash
# Time and peak memory of the list of all recipes as PDF and as HTML, from the command-line tool,
# at 10,000 and 100,000 recipes (databases made by the benchmark's own generator, kept in
# $WSC_BENCH_DIR between runs). Run by hand after a build:
#   bench/report-memory.sh [build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
dir=${WSC_BENCH_DIR:-/tmp/wsc-bench}
mkdir -p "$dir"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$dir/runtime}
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
for n in 10000 100000; do
    db="$dir/recipes-$n.mdb"
    [ -f "$db" ] || "$build/bench/wsc_bench_makedb" "$n" "$db" >/dev/null
    for kind in pdf html; do
        /usr/bin/time -f "$n recipes, $kind: %e s, peak %M KB" \
            "$build/src/cli/wscalc-cli" report --report Recipes --db "$db" --"$kind" "$dir/out.$kind" \
            2>&1 >/dev/null | tail -1
    done
done
