#!/usr/bin/env bash
# Prints the one version number of Parlune: the CMake project version.
set -euo pipefail
sed -n 's/^project(Parlune VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../CMakeLists.txt"
