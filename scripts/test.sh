#!/usr/bin/env bash
# Runs the whole test suite:
#   native   unit and module tests, built with g++
#   asan     the same under AddressSanitizer, UndefinedBehaviorSanitizer and LeakSanitizer (clang),
#            and a 30-second run of every libFuzzer target (scripts/fuzz.sh runs them longer)
#   win-x64, win-x86
#            the unit tests as Windows programs under Wine, against the Win32 platform layer
#   host     both Parlune.dll builds inside real NSIS installers under Wine,
#            and the packed zip: its layout, and its example built and run from it alone
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in win-x86 win-x64 native asan; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
scripts/package.sh
for preset in native asan win-x64 win-x86 host; do
  echo "== test $preset"
  ctest --preset "$preset" -j"$(nproc)"
done
