#!/usr/bin/env bash
# parlune-check.exe (x86) under Wine: it starts on Windows without any
# runtime DLL beside it and reports as the native build does.
#   run_check_exe.sh EXE LANGUAGE_FOLDER PREFIX_ROOT
set -euo pipefail
exe=$1 folder=$(realpath "$2") prefix_root=$3
mkdir -p "$prefix_root"
export WINEPREFIX=$prefix_root/x86 WINEDEBUG=-all LANG=en_US.UTF-8
status=0
output=$(timeout 900 /usr/lib/wine/wine "$exe" --strict "Z:$(tr / '\\' <<<"$folder")" 2>/dev/null | tr -d '\r') || status=$?
echo "$output"
[ "$status" = 0 ] || { echo "FAIL: exit status $status" >&2; exit 1; }
grep -q '^9 files, 0 errors, 0 warnings$' <<<"$output" || { echo "FAIL: unexpected report" >&2; exit 1; }
grep -q '^ja.json *Japanese *21 keys, 100% of en.json$' <<<"$output" || { echo "FAIL: unexpected report" >&2; exit 1; }
