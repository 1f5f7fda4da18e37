#!/usr/bin/env bash
# Start-up time of the windowed program under Xvfb: from process start until the recipe form
# shows the first sample recipe, five runs, median. Run by hand after a build:
#   bench/startup.sh [build/dev]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build/dev}
cfg=$(mktemp -d)
trap 'rm -rf "$cfg"' EXIT
cp "$build/data/WortsmithSamples.mdb" "$cfg/samples.mdb"
# The Tip of the Day would wait for a click; the start-up is timed without it.
mkdir -p "$cfg/Quillbarrow Software"
printf '[Tip]\nStartUp=1\n[Units]\nOffered=1\n' >"$cfg/Quillbarrow Software/Wortsmith Calculator.conf"
XDG_CONFIG_HOME="$cfg" xvfb-run -a -s "-screen 0 1280x900x24" bash -c '
    times=()
    for i in 1 2 3 4 5; do
        start=$(date +%s%N)
        WSC_QUIT_WHEN_SHOWN=1 "$0/src/app/wscalc" /s "$1" >/dev/null 2>&1
        end=$(date +%s%N)
        times+=($(( (end - start) / 1000000 )))
    done
    sorted=($(printf "%s\n" "${times[@]}" | sort -n))
    echo "runs (ms): ${times[*]}"
    echo "median (ms): ${sorted[2]}"
' "$build" "$cfg/samples.mdb"
