#!/usr/bin/env bash
# Rewrites the language files that authors read from the repository
# (include/ParluneLanguages.nsh, docs/languages.md) from src/language/languages.txt.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cmake -DOUTPUT_DIR="$out" -P cmake/language_table.cmake
cp "$out/ParluneLanguages.nsh" include/ParluneLanguages.nsh
cp "$out/languages.md" docs/languages.md
echo "include/ParluneLanguages.nsh and docs/languages.md written from src/language/languages.txt"
