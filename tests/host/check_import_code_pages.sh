#!/usr/bin/env bash
# parlune-import on ANSI translations in three code pages (1252, 1251, 932),
# their LangStrings built by a macro from defines: the files it writes must
# be those it writes from the same translations saved as UTF-8, read through
# makensis, through the Windows makensis under Wine (when WINDOWS_MAKENSIS_DIR
# holds one) and, for the LangStrings written out, without makensis.
#   check_import_code_pages.sh PARLUNE_IMPORT WORK_DIR PREFIX_ROOT [WINDOWS_MAKENSIS_DIR]
set -euo pipefail
import=$(realpath "$1") work=$2 prefix_root=$3 windows_makensis=${4:+$(realpath -m "$4")}
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work" && work=$(realpath "$work")

cp -r "$here/import-ansi" "$work/utf8"
cp -r "$here/import-ansi" "$work/ansi"
for pair in english:CP1252 german:CP1252 russian:CP1251 japanese:CP932; do
  iconv -f UTF-8 -t "${pair#*:}" "$here/import-ansi/translations/${pair%%:*}.nsh" > "$work/ansi/translations/${pair%%:*}.nsh"
done
grep -qF $'\x95\\' "$work/ansi/translations/japanese.nsh" || fail "the Shift-JIS file lacks a character whose second byte is a backslash"

same() {  # LABEL FOLDER FOLDER
  diff -r "$2" "$3" > "$work/diff.out" || fail "$1: the files differ: $(cat "$work/diff.out")"
  echo "PASS: $1"
}
cd "$work"
"$import" --out from-utf8 utf8/Setup.nsi > utf8.out || fail "the UTF-8 import: $(cat utf8.out)"
[ "$(ls from-utf8)" = "$(printf 'de.json\nen.json\nja.json\nru.json')" ] || fail "the UTF-8 import wrote $(ls from-utf8)"
"$import" --out from-ansi ansi/Setup.nsi > ansi.out || fail "the ANSI import: $(cat ansi.out)"
same "ANSI through makensis" from-utf8 from-ansi
"$import" --no-makensis --out own-utf8 utf8/translations/*.nsh > own-utf8.out
"$import" --no-makensis --out own-ansi ansi/translations/*.nsh > own-ansi.out || fail "the own reader: $(cat own-ansi.out)"
same "ANSI without makensis" own-utf8 own-ansi

if [ -n "$windows_makensis" ] && [ -f "$windows_makensis/makensis.exe" ]; then
  # shellcheck source=../wine_env.sh
  source "$here/../wine_env.sh" "$prefix_root"
  mkdir -p NSIS && cp -r "$windows_makensis/." NSIS/ && chmod -R u+w NSIS
  for folder in Stubs Plugins Include Contrib; do ln -sfn "/usr/share/nsis/$folder" "NSIS/$folder"; done
  # makensis.exe with Linux paths as Wine's Z: drive
  cat > wmakensis <<SH
#!/usr/bin/env bash
arguments=()
for argument in "\$@"; do
  [[ "\$argument" == /* && -e "\$argument" ]] && argument="Z:\$(tr / '\\\\' <<<"\$argument")"
  arguments+=("\$argument")
done
exec /usr/lib/wine/wine64 "$work/NSIS/makensis.exe" "\${arguments[@]}"
SH
  chmod +x wmakensis
  "$import" --makensis "$work/wmakensis" --out from-windows ansi/Setup.nsi > windows.out ||
    fail "the Windows makensis import: $(cat windows.out)"
  same "ANSI through the Windows makensis" from-utf8 from-windows
else
  echo "skipped: no Windows makensis at ${windows_makensis:-(none named)}"
fi

# A script half moved to Parlune reads too: ${ParluneMuiLanguages} under
# makensis's -SAFEPPO, its include folder passed as the build passes it.
mkdir -p parlune/languages
cp utf8/translations/english.nsh parlune/
printf '{"Hello": "Hello"}\n' > parlune/languages/en.json
printf '{"Hello": "Hallo"}\n' > parlune/languages/de.json
cat > parlune/Half.nsi <<'NSI'
Unicode true
Name "Half"
OutFile "half.exe"
!include MUI2.nsh
!include Parlune.nsh
!insertmacro MUI_PAGE_INSTFILES
${ParluneMuiLanguages} languages
LangString Left ${LANG_GERMAN} "Noch nicht verschoben"
LangString Left ${LANG_ENGLISH} "Not moved yet"
Section
SectionEnd
NSI
(cd parlune && "$import" "-X!addincludedir $here/../../include" --out moved Half.nsi > half.out) ||
  fail "a script with \${ParluneMuiLanguages}: $(cat parlune/half.out)"
grep -q '"Left": "Noch nicht verschoben"' parlune/moved/de.json || fail "the half-moved script's German text: $(cat parlune/moved/de.json)"
echo "PASS: a script with \${ParluneMuiLanguages}"
