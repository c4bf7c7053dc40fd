#!/usr/bin/env bash
# The zip's Windows tools from the unpacked zip alone: the 64-bit ones run
# under Wine, start without any runtime DLL beside them, and write and report
# exactly what the Linux ones do; the 32-bit builds of the same sources
# (whose code the unit tests run as a 32-bit Windows program) are 32-bit
# programs that import only Windows's own DLLs, read from their import tables
# since a 32-bit start costs a minute under emulation.
#   check_windows_tools_from_zip.sh ZIP WORK_DIR PREFIX_ROOT EXPECTED_IMPORT_REPORT
set -euo pipefail
zip=$(realpath "$1") work=$2 prefix_root=$3 expected=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work/unpacked" "$work/script" "$prefix_root"
work=$(realpath "$work") prefix_root=$(realpath "$prefix_root")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
fail() { echo "FAIL: $*" >&2; exit 1; }
# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"
export LANG=en_US.UTF-8
windows() {  # TOOL ARGUMENTS...: runs the zip's TOOL.exe in the script folder, CRs dropped
  local tool=$1 status=0
  shift
  (cd "$work/script" && timeout 300 /usr/lib/wine/wine64 "$work/unpacked/Bin/$tool.exe" "$@" 2>/dev/null) |
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

# file_format OBJDUMP EXE: the PE flavour and the DLLs it imports, one line.
file_format() {
  "$1" -p "$2" | sed -n 's/.*file format //p; s/^\s*DLL Name: //p' | tr '[:upper:]' '[:lower:]' | sort | tr '\n' ' '
}
for tool in parlune-check parlune-import; do
  [ "$(file_format x86_64-w64-mingw32-objdump "$work/unpacked/Bin/$tool.exe")" = "kernel32.dll msvcrt.dll pei-x86-64 shell32.dll " ] ||
    fail "Bin/$tool.exe: $(file_format x86_64-w64-mingw32-objdump "$work/unpacked/Bin/$tool.exe")"
  [ "$(file_format i686-w64-mingw32-objdump "$work/unpacked/Bin/x86/$tool.exe")" = "kernel32.dll msvcrt.dll pei-i386 shell32.dll " ] ||
    fail "Bin/x86/$tool.exe: $(file_format i686-w64-mingw32-objdump "$work/unpacked/Bin/x86/$tool.exe")"
done
echo "parlune-import.exe and parlune-check.exe from the zip write and report what the Linux tools do"
