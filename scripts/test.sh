#!/usr/bin/env bash
# Runs the whole test suite: once as built for release (g++), once under
# AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer (clang).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in native asan; do
  echo "== $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  ctest --preset "$preset" -j"$(nproc)"
done
