#!/usr/bin/env bash
# The compile-time check's command line under a Windows makensis: makensis
# -SAFEPPO prints the !execute line the macros give, with paths holding
# spaces and letters beyond ASCII; that exact line runs the Windows checker
# under Wine, and its exit status is what makensis would see.
#   check_windows_compile_check.sh WINDOWS_CHECKER_EXE WORK_DIR PREFIX_ROOT
set -euo pipefail
checker=$(realpath "$1") work=$2 prefix_root=$3
include_dir=$(cd "$(dirname "$0")/../../include" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work" && work=$(realpath "$work")
# shellcheck source=../wine_env.sh
source "$(dirname "$0")/../wine_env.sh" "$prefix_root"
export LANG=en_US.UTF-8

bin="$work/Paket für Windows/Bin" folder="$work/Sprachen é"
mkdir -p "$bin" "$folder"
cp "$checker" "$bin/parlune-check.exe"
printf '{"NsisLanguageId": "1033", "Title": "Setup"}' > "$folder/en.json"
cat > "$work/Setup.nsi" <<NSIS
Unicode true
!define NSIS_WIN32_MAKENSIS
!define PARLUNE_CHECKER "$bin/parlune-check.exe"
!include Parlune.nsh
\${ParluneText} Title
OutFile Setup.exe
Function .onInit
  !insertmacro _ParluneReadFolder "$folder" 0
FunctionEnd
Section
SectionEnd
NSIS

makensis -SAFEPPO "-X!addincludedir $include_dir" "$work/Setup.nsi" > "$work/preprocessed.nsi" ||
  fail "makensis: $(cat "$work/preprocessed.nsi")"
line=$(grep -a "^!execute '" "$work/preprocessed.nsi" | head -n 1)
[ -n "$line" ] || fail "no !execute line in makensis's output"
command=${line#!execute \'} command=${command%\'*}
# -SAFEPPO makes no temporary file: the declared texts and the plan for
# makensis go to files of ours.
declared="$work/declared texts.txt"
grep -qF -- '--declared "${_PARLUNE_DECLARED}"' <<<"$command" || fail "the command passes no declared texts: $command"
plan="$work/plan for makensis.nsh"
grep -qF -- '--plan "${_PARLUNE_PLAN_FILE}"' <<<"$command" || fail "the command asks for no plan: $command"
command=${command/'${_PARLUNE_DECLARED}'/$declared} command=${command/'${_PARLUNE_PLAN_FILE}'/$plan}
grep -qF "\"$bin/parlune-check.exe\"" <<<"$command" && grep -qF "\"$folder\"" <<<"$command" ||
  fail "the command does not quote both paths: $command"

# run EXPECTED_STATUS TEXT: the line as a batch file (in the OEM code page
# cmd.exe reads it in) under Wine's cmd /c.
run() {
  printf 'Title\r\n' > "$declared"
  printf '@%s\r\n@exit /b %%errorlevel%%\r\n' "$command" | iconv -f UTF-8 -t CP437 > "$work/check.bat"
  local status=0
  (cd "$work" && /usr/lib/wine/wine64 cmd /c check.bat) > "$work/check.out" 2>&1 || status=$?
  rm -f "$declared"
  [ "$status" = "$1" ] || fail "the check exited $status, not $1: $(cat "$work/check.out")"
  grep -qF -- "$2" "$work/check.out" || fail "the check does not say \"$2\": $(cat "$work/check.out")"
}
run 0 "1 file, 0 errors, 0 warnings"
grep -qxF '!define /redef _PARLUNE_FILES_1 1' "$plan" || fail "the checker wrote no plan for makensis: $(cat "$plan")"
printf '{"NsisLanguageId": "1033", "Titel": "Setup"}' > "$folder/en.json"
run 1 'did you mean Titel?'
echo "the Windows command line of the compile-time check runs the checker with both paths whole"
