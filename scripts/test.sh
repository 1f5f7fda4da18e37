#!/usr/bin/env bash
# Builds everything and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
preset="${WSC_PRESET:-dev}"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
# Once more as a brewer in a decimal-comma locale runs it.
LC_ALL=de_DE.UTF-8 ctest --preset "$preset"
