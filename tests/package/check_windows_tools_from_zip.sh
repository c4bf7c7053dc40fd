#!/usr/bin/env bash
# The zip's Windows tools (32-bit) under Wine, from the unpacked zip alone:
# they start without any runtime DLL beside them, and write and report
# exactly what the Linux ones do. Each start costs about a minute under
# emulation, so each runs once.
#   check_windows_tools_from_zip.sh ZIP WORK_DIR PREFIX_ROOT EXPECTED_IMPORT_REPORT
set -euo pipefail
zip=$(realpath "$1") work=$2 prefix_root=$3 expected=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work/unpacked" "$work/script" "$prefix_root"
work=$(realpath "$work") prefix_root=$(realpath "$prefix_root")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
fail() { echo "FAIL: $*" >&2; exit 1; }
export WINEPREFIX=$prefix_root/x86 WINEDEBUG=-all LANG=en_US.UTF-8
windows() {  # TOOL ARGUMENTS...: runs the zip's TOOL.exe in the script folder, CRs dropped
  local tool=$1 status=0
  shift
  (cd "$work/script" && timeout 900 /usr/lib/wine/wine "$work/unpacked/Bin/$tool.exe" "$@" 2>/dev/null) |
    tr -d '\r' || status=$?
  [ "$status" = 0 ] || fail "$tool.exe $* exited $status"
}

cp "$here/langstrings/Setup.nsi" "$work/script/"
(printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE "$here/langstrings/Strings.nsh") > "$work/script/Strings.nsh"
windows parlune-import --no-makensis --out languages Setup.nsi Strings.nsh > "$work/import.txt"
diff -u "$expected" "$work/import.txt" || fail "parlune-import.exe reports otherwise (- expected, + got)"
(cd "$work/script" && "$work/unpacked/Bin/linux-x86_64/parlune-import" --no-makensis --out linux Setup.nsi Strings.nsh >/dev/null)
diff -r "$work/script/linux" "$work/script/languages" || fail "the Windows and Linux importers wrote different files"

windows parlune-check languages > "$work/check.txt"
diff -u <(cd "$work/script" && "$work/unpacked/Bin/linux-x86_64/parlune-check" languages) "$work/check.txt" ||
  fail "parlune-check.exe reports otherwise than the Linux one (- Linux, + Windows)"
grep -q '^5 files, 0 errors, 6 warnings$' "$work/check.txt" || fail "unexpected report: $(cat "$work/check.txt")"
cat "$work/check.txt"
echo "parlune-import.exe and parlune-check.exe from the zip write and report what the Linux tools do"
