#!/usr/bin/env bash
# Runs every libFuzzer target for SECONDS each (default 300), growing the
# working corpora under build/fuzz; a crash stops the run and names its input.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-300}
scripts/setup.sh
cmake --preset fuzz -Dfuzz_seconds="$seconds" >/dev/null
cmake --build --preset fuzz
ctest --preset fuzz
