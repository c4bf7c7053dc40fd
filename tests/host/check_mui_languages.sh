#!/usr/bin/env bash
# Compiles an MUI2 installer whose language folder holds all 60 language
# files, so ${ParluneMuiLanguages} inserts every NSIS language of Parlune's
# table and checks each one's id against NSIS's own. Nothing is run.
#
#   check_mui_languages.sh PLUGIN_DIR WORK_DIR
set -euo pipefail
plugin_dir=$(realpath "$1") work=$2
here=$(cd "$(dirname "$0")" && pwd)
include_dir=$here/../../include
table=$here/../../src/language/languages.txt

rm -rf "$work" && mkdir -p "$work/languages"
tags=$(awk -F' [|] ' '!/^#/ {print $1}' "$table")
for tag in $tags; do echo '{}' > "$work/languages/$tag.json"; done
echo "$(wc -w <<<"$tags") language files"

cat > "$work/mui.nsi" <<'NSI'
Unicode true
Target amd64-unicode
!addplugindir /amd64-unicode "${PLUGINDIR}"
!include MUI2.nsh
!include Parlune.nsh
OutFile "mui.exe"
RequestExecutionLevel user
!insertmacro MUI_PAGE_INSTFILES
${ParluneMuiLanguages} "languages"
Function .onInit
  ${ParluneInitLanguage} "languages" $0
FunctionEnd
Section
SectionEnd
NSI
expected=$(awk -F' [|] ' '!/^#/ && $5 != "-" {print $5}' "$table" | sort -u | wc -l)
summary=$(makensis -V4 -INPUTCHARSET UTF8 "-X!addincludedir $include_dir" -DPLUGINDIR="$plugin_dir" "$work/mui.nsi")
tables=$(sed -n 's/.* \([0-9]*\) language tables.*/\1/p' <<<"$summary" | head -1)
if [ "$tables" != "$expected" ]; then
  grep -iE "error|warning" <<<"$summary" || true
  echo "FAIL: the installer has ${tables:-no} language tables, the table names $expected NSIS languages" >&2
  exit 1
fi
echo "PASS: ParluneMuiLanguages inserted all $tables NSIS languages of the table, each with the id NSIS gives it"
