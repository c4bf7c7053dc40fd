#!/usr/bin/env bash
# Builds the benchmarks optimized and runs them; arguments go to Google
# Benchmark (for example --benchmark_filter=CheckLargeFolder).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/parlune_benchmarks "$@"
