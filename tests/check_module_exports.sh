#!/usr/bin/env bash
# The module must define exactly Init, GetStr and Exit in its dynamic symbol table.
set -euo pipefail
module=$1
actual=$(nm -D --defined-only "$module" | awk '{print $NF}' | sort | tr '\n' ' ')
expected="Exit GetStr Init "
if [ "$actual" != "$expected" ]; then
  echo "defined dynamic symbols of $module: '$actual', expected '$expected'" >&2
  exit 1
fi
echo "$module defines exactly: $actual"
