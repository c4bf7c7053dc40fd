#!/usr/bin/env bash
# Builds the benchmarks optimized and runs them: the parser against RapidJSON,
# nlohmann::json and simdjson on the same inputs, Init and GetStr across
# document sizes, and parlune-check on a large folder. Each benchmark runs
# five times and the tables at the end use the medians. Arguments go to
# Google Benchmark (for example --benchmark_filter=Parse).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset bench >/dev/null
cmake --build --preset bench
build/bench/bench/parlune_heap_usage
echo
build/bench/bench/parlune_benchmarks --benchmark_repetitions=5 --benchmark_report_aggregates_only=true "$@"
