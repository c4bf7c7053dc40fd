#!/usr/bin/env bash
# The most texts Parlune.nsh declares and reads: an installer with exactly
# PARLUNE_MAX_TEXTS of them loads each, the ones at the edges of its blocks of
# ten and a hundred included; one text more stops the compile.
#
#   check_text_limit.sh PLUGIN_DIR WORK_DIR PREFIX_ROOT
set -euo pipefail
plugin_dir=$(realpath "$1") work=$2 prefix_root=$3
include_dir=$(cd "$(dirname "$0")/../../include" && pwd)
limit=$(sed -n 's/^!define PARLUNE_MAX_TEXTS \([0-9]*\).*/\1/p' "$include_dir/Parlune.nsh")
probes=(1 9 10 11 99 100 101 "$limit")

rm -rf "$work" && mkdir -p "$work/languages"
installer() {  # TEXTS
  echo 'Unicode true'
  echo 'Target amd64-unicode'
  echo "!addplugindir /amd64-unicode \"$plugin_dir\""
  echo '!include Parlune.nsh'
  echo 'OutFile "texts.exe"'
  echo 'RequestExecutionLevel user'
  echo 'SilentInstall silent'
  for i in $(seq "$1"); do echo "\${ParluneText} Text$i"; done
  echo 'Section'
  echo '  ${ParluneInitPacked} "languages" "" $0'
  echo '  ${ParluneLoadTexts}'
  echo '  FileOpen $0 "$EXEDIR\results.txt" w'
  for i in "${probes[@]}"; do echo "  FileWrite \$0 \"\$Text$i \""; done
  echo '  FileClose $0'
  echo 'SectionEnd'
}
{ printf '{'; for i in $(seq "$limit"); do printf '"Text%d": "t%d", ' "$i" "$i"; done; printf '"End": ""}\n'; } > "$work/languages/en.json"

installer $((limit + 1)) > "$work/over.nsi"
if makensis -V1 "-X!addincludedir $include_dir" "$work/over.nsi" > "$work/over.log" 2>&1 ||
   ! grep -q "at most $limit declared texts" "$work/over.log"; then
  echo "FAIL: $((limit + 1)) texts did not stop the compile with the limit's message" >&2
  exit 1
fi

installer "$limit" > "$work/texts.nsi"
makensis -V2 "-X!addincludedir $include_dir" "$work/texts.nsi"
WINEPREFIX=$prefix_root/x64 WINEDEBUG=-all timeout 600 /usr/lib/wine/wine64 "$work/texts.exe" /S
expected=$(for i in "${probes[@]}"; do printf 't%d ' "$i"; done)
got=$(cat "$work/results.txt")
if [ "$got" != "$expected" ]; then
  echo "FAIL: texts ${probes[*]} read as [$got], expected [$expected]" >&2
  exit 1
fi
echo "PASS: $limit texts read (${probes[*]} checked), $((limit + 1)) refused at compile time"
