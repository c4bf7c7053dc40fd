#!/usr/bin/env bash
# Builds Parlune.dll for NSIS's x86-unicode and amd64-unicode targets, packs
# dist/Parlune-<version>.zip, then compiles the example installer from the
# zip alone for both targets and runs the 64-bit one silently under Wine in
# two languages, printing the texts it installed. Also builds the native
# module and runs its demonstration.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
# The presets also hold the unit tests; this builds only what the package and
# the demonstration need.
for preset in win-x86 win-x64 native; do
  cmake --preset "$preset" >/dev/null
  targets=(Parlune parlune-check parlune-import)
  [[ $preset == native ]] && targets+=(parlune_demo)
  cmake --build --preset "$preset" --target "${targets[@]}"
done
ls -l build/win-x86/src/Parlune.dll build/win-x64/src/Parlune.dll
scripts/package.sh

version=$(scripts/version.sh)
# Compile both targets; run the 64-bit installer (32-bit runs take minutes under emulation).
scripts/try-package.sh "dist/Parlune-$version.zip" build/try-package build/wine \
  x64:de_DE.UTF-8 x64:ja_JP.UTF-8 x86: 2> >(grep -v 'Read access denied for device' >&2)

echo "== native module"
build/native/examples/demo/parlune_demo build/native/src/Parlune.so examples/installer/languages de-DE ja-JP xx
