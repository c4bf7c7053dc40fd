#!/usr/bin/env bash
# Builds the plug-in and runs the demonstration: the module loaded as an
# installer host loads it, answering from the example language files.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native
build/native/examples/demo/parlune_demo build/native/src/Parlune.so examples/languages de-DE fr-CA ja-JP xx
