#!/usr/bin/env bash
# Builds the program and starts it on the shipped sample recipe database. The shipped Data
# database becomes the default one when none is set yet.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake --preset dev
cmake --build --preset dev
exec build/dev/src/app/wscalc build/dev/data/WortsmithSamples.mdb "$@"
