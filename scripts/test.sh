#!/usr/bin/env bash
# Builds everything and runs every test through ctest.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
preset="${WSC_PRESET:-dev}"
cmake --preset "$preset"
cmake --build --preset "$preset"
ctest --preset "$preset"
# Once more as a brewer in a decimal-comma locale runs it (unless WSC_ONE_LOCALE is set, as CI
# does for its second, sanitized build: the first has run both).
if [ -z "${WSC_ONE_LOCALE:-}" ]; then
    LC_ALL=de_DE.UTF-8 ctest --preset "$preset"
fi
