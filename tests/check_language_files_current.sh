#!/usr/bin/env bash
# The include's rows and docs/languages.md, as committed, equal what the
# language table generates now: an edit of one without the other fails here.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
out=$1
rm -rf "$out" && mkdir -p "$out"
cmake -DOUTPUT_DIR="$out" -P "$root/cmake/language_table.cmake"
status=0
for pair in "ParluneLanguages.nsh include/ParluneLanguages.nsh" "languages.md docs/languages.md"; do
  set -- $pair
  if ! diff -u "$root/$2" "$out/$1"; then
    echo "$2 differs from src/language/languages.txt: run scripts/generate_languages.sh" >&2
    status=1
  fi
done
exit $status
