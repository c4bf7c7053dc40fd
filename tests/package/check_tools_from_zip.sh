#!/usr/bin/env bash
# The zip's Linux tools, from the unpacked zip alone: static programs;
# parlune-import turns a LangString script (its include in UTF-16LE) into
# language files that pass parlune-check; and makensis, which checks them with
# the declared texts unless told not to, compiles clean files and stops on
# broken ones.
#   check_tools_from_zip.sh ZIP WORK_DIR EXPECTED_IMPORT_REPORT
set -euo pipefail
zip=$(realpath "$1") work=$2 expected=$(realpath "$3")
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work/unpacked" "$work/script" && work=$(realpath "$work")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
bin=$work/unpacked/Bin/linux-x86_64
fail() { echo "FAIL: $*" >&2; exit 1; }

for tool in parlune-check parlune-import; do
  ! readelf -l "$bin/$tool" | grep -q 'program interpreter' || fail "$tool needs a dynamic loader"
  "$bin/$tool" --help | grep -q "usage: $tool" || fail "$tool does not run"
done

cp "$here/langstrings/Setup.nsi" "$work/script/"
(printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE "$here/langstrings/Strings.nsh") > "$work/script/Strings.nsh"
(cd "$work/script" && "$bin/parlune-import" --out languages Setup.nsi) > "$work/import.out"
diff -u "$expected" "$work/import.out" || fail "the import report differs (- expected, + got)"
"$bin/parlune-check" "$work/script/languages" > "$work/check.out" ||
  fail "the imported files do not pass parlune-check: $(cat "$work/check.out")"

# Exit statuses: 2 for bad usage, 1 when nothing can be imported (and nothing is written).
printf 'LangString A ${LANG_GERMAN} "Gr\xfc\xdfe"\n' > "$work/ansi.nsh"
printf 'LangString A ${LANG_GERMAN} "Hallo"\nLangString A ${LANG_WELSH} "Helo"\n' > "$work/german.nsh"
while read -r expected_status arguments; do
  status=0
  (cd "$work" && eval "\"$bin/parlune-import\" $arguments") > "$work/usage.out" 2>&1 || status=$?
  [ "$status" = "$expected_status" ] || fail "parlune-import $arguments exited $status: $(cat "$work/usage.out")"
done <<'CASES'
2 Setup.nsi
2 --out none
2 --bogus --out none ansi.nsh
1 --out none ansi.nsh
1 --out none german.nsh
1 --out none missing.nsi
CASES
[ ! -e "$work/none" ] || fail "parlune-import wrote files although it imported nothing"

cat > "$work/script/Checked.nsi" <<'NSIS'
Unicode true
!include Parlune.nsh
OutFile Checked.exe
!ifdef DECLARE
  ${ParluneText} ${DECLARE}
!endif
Section
SectionEnd
Function .onInit
  ${ParluneInitPacked} "languages" "" $0
FunctionEnd
NSIS
# compile EXPECTED_STATUS TEXT_IN_OUTPUT [makensis options]: 0 builds Checked.exe
compile() {
  local expected_status=$1 text=$2 status=0
  shift 2
  rm -f "$work/script/Checked.exe"
  makensis -V2 "-XTarget amd64-unicode" "-X!addincludedir $work/unpacked/Include" \
    "-X!addplugindir /amd64-unicode $work/unpacked/Plugins/amd64-unicode" "$@" "$work/script/Checked.nsi" \
    > "$work/compile.out" 2>&1 || status=$?
  if [ "$expected_status" = 0 ]; then
    [ "$status" = 0 ] && [ -f "$work/script/Checked.exe" ] || fail "makensis $* failed: $(cat "$work/compile.out")"
  else
    [ "$status" != 0 ] && [ ! -f "$work/script/Checked.exe" ] || fail "makensis $* did not stop: $(cat "$work/compile.out")"
  fi
  [ -z "$text" ] || grep -qF -- "$text" "$work/compile.out" || fail "makensis $* does not show \"$text\": $(cat "$work/compile.out")"
}
compile 0 "5 files, 0 errors, 6 warnings"  # checked by default: the checker is beside Include
compile 1 "parlune-check found problems in languages" -DPARLUNE_CHECK_STRICT
compile 1 "no checker at /nowhere/parlune-check" -DPARLUNE_CHECK -DPARLUNE_CHECKER=/nowhere/parlune-check
compile 1 "no checker at /nowhere/parlune-check" -DPARLUNE_CHECK_STRICT -DPARLUNE_CHECKER=/nowhere/parlune-check
compile 0 "languages is not checked: no parlune-check at /nowhere/parlune-check" -DPARLUNE_CHECKER=/nowhere/parlune-check
# Declared texts against en.json: a slip is an error naming the nearest key,
# an en.json key no text declares a warning.
compile 1 "declares \${ParluneText} WelcomeTitl, but en.json has no text \"WelcomeTitl\"" -DDECLARE=WelcomeTitl
grep -qF "did you mean WelcomeTitle?" "$work/compile.out" || fail "no nearest key: $(cat "$work/compile.out")"
compile 0 'No ${ParluneText} declares "Price"' -DDECLARE=WelcomeTitle
sed -i 's/"$/",/' "$work/script/languages/fr.json"
compile 1 "fr.json:4:43: error:"
compile 0 "" -DPARLUNE_NO_CHECK
compile 0 "" -DPARLUNE_CHECK_OFF
echo "the zip's Linux tools import, check and stop a broken compile"
