#!/usr/bin/env bash
# Builds the program and starts it on the shipped sample recipe database.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/src/cli/wscalc-cli show build/dev/data/WortsmithSamples.mdb build/dev/data/WortsmithData.mdb "$@"
