#!/usr/bin/env bash
# Declared texts and placeholders have no cap: an installer with more texts
# than the 999 that hand-unrolled blocks once allowed, and more placeholders
# than their 20, loads every text with every placeholder filled.
#
#   check_text_limit.sh PLUGIN_DIR WORK_DIR PREFIX_ROOT
set -euo pipefail
plugin_dir=$(realpath "$1") work=$2 prefix_root=$3
# shellcheck source=../wine_env.sh
source "$(dirname "$0")/../wine_env.sh" "$prefix_root"
include_dir=$(cd "$(dirname "$0")/../../include" && pwd)
texts=1200 fills=25
probes=(1 999 1000 "$texts")

rm -rf "$work" && mkdir -p "$work/languages"
{
  echo 'Unicode true'
  echo 'Target amd64-unicode'
  echo "!addplugindir /amd64-unicode \"$plugin_dir\""
  echo '!include Parlune.nsh'
  echo 'OutFile "texts.exe"'
  echo 'RequestExecutionLevel user'
  echo 'SilentInstall silent'
  for i in $(seq "$texts"); do echo "\${ParluneText} Text$i"; done
  for i in $(seq "$fills"); do echo "\${ParluneFill} P$i v$i"; done
  echo 'Section'
  echo '  ${ParluneInitPacked} "languages" "" $0'
  echo '  ${ParluneLoadTexts}'
  echo '  FileOpen $0 "$EXEDIR\results.txt" w'
  for i in "${probes[@]}"; do echo "  FileWrite \$0 \"\$Text$i \""; done
  echo '  FileClose $0'
  echo 'SectionEnd'
} > "$work/texts.nsi"
# Every text is "tN", the last one holds every placeholder.
{
  printf '{'
  for i in $(seq $((texts - 1))); do printf '"Text%d": "t%d", ' "$i" "$i"; done
  printf '"Text%d": "t%d' "$texts" "$texts"
  for i in $(seq "$fills"); do printf '{{P%d}}' "$i"; done
  printf '"}\n'
} > "$work/languages/en.json"

makensis -V2 "-X!addincludedir $include_dir" -DPARLUNE_CHECK_OFF "$work/texts.nsi"
timeout 600 /usr/lib/wine/wine64 "$work/texts.exe" /S
expected="$(for i in "${probes[@]::${#probes[@]}-1}"; do printf 't%d ' "$i"; done)t$texts$(printf 'v%d' $(seq "$fills")) "
got=$(cat "$work/results.txt")
if [ "$got" != "$expected" ]; then
  echo "FAIL: texts ${probes[*]} read as [$got], expected [$expected]" >&2
  exit 1
fi
echo "PASS: $texts texts read (${probes[*]} checked) with $fills placeholders filled"
