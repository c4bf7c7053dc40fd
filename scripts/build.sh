#!/usr/bin/env bash
# Builds Parlune.dll for NSIS's x86-unicode and amd64-unicode targets and the
# native module, then runs the demonstration: the module loaded as an
# installer host loads it, answering from the example language files.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
for preset in win-x86 win-x64 native; do
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
done
ls -l build/win-x86/src/Parlune.dll build/win-x64/src/Parlune.dll
build/native/examples/demo/parlune_demo build/native/src/Parlune.so examples/languages de-DE fr-CA ja-JP xx
