#!/usr/bin/env bash
# The package as most authors use it: the example and the measured migration
# compiled from the unpacked zip by a Windows makensis.exe under Wine, where
# the macros take their Windows branch (the Windows checker through !execute,
# Windows paths), and the installers run: the example's texts as with the
# Linux makensis, the migration choosing, remembering and uninstalling.
#
#   check_windows_makensis.sh ZIP WORK_DIR PREFIX_ROOT WINDOWS_MAKENSIS_DIR EXAMPLE_EXPECTED
#
# Exits 77 (skipped) when WINDOWS_MAKENSIS_DIR holds no makensis.exe.
set -euo pipefail
zip=$1 work=$2 prefix_root=$3 windows_makensis=$4 expected=$5
here=$(cd "$(dirname "$0")" && pwd)
if [ ! -f "$windows_makensis/makensis.exe" ]; then
  echo "skipped: no Windows makensis.exe in \"$windows_makensis\" (the CMake cache variable PARLUNE_WINDOWS_MAKENSIS names its folder)"
  exit 77
fi
fail() { echo "FAIL: $*" >&2; exit 1; }

# The example: compiled once with the check, run for two languages.
"$here/../../scripts/try-package.sh" --windows-makensis "$windows_makensis" "$zip" "$work" "$prefix_root" \
  x64:de_DE.UTF-8 x64:sr_RS@latin x64:fr_CA.UTF-8 > "$work.out" || fail "the example: $(cat "$work.out")"
diff -u "$expected" "$work.out" || fail "the example compiled by the Windows makensis differs (- expected, + got)"

# The migration: compiled with the check too, installed in German, which is
# remembered, then uninstalled.
# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"
windows_path() { echo "Z:$1" | tr / '\\'; }
cp -r "$here/migration" "$work/tally"
package=$work/unpacked
/usr/lib/wine/wine64 "$work/NSIS/makensis.exe" /V2 /INPUTCHARSET UTF8 "/XTarget amd64-unicode" \
  "/X!addplugindir /amd64-unicode $(windows_path "$package/Plugins/amd64-unicode")" \
  "/X!addincludedir $(windows_path "$package/Include")" "/DOUTFILE=$(windows_path "$work/Tally.exe")" \
  "$(windows_path "$work/tally/Tally.nsi")" > "$work/tally.out" 2>&1 || fail "the migration: $(cat "$work/tally.out")"
grep -q '4 files, 0 errors' "$work/tally.out" || fail "the migration was not checked: $(cat "$work/tally.out")"
# reg_value KEY NAME: a REG_SZ value of the registry, "" when there is none.
reg_value() {
  /usr/lib/wine/wine64 reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 *REG_SZ *//p"
}
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tally'
/usr/lib/wine/wine64 reg delete 'HKCU\Software\Tally' /f >/dev/null 2>&1 || true
installed=$work/tally-installed
LANG=en_US.UTF-8 timeout 600 /usr/lib/wine/wine64 "$work/Tally.exe" /S /LANG=de-AT "/D=$(windows_path "$installed")"
[ "$(reg_value "$uninstall_key" DisplayName)" = "Tally Strichliste" ] ||
  fail "the migrated installer registered \"$(reg_value "$uninstall_key" DisplayName)\", not de.json's AppName"
[ "$(reg_value 'HKCU\Software\Tally' Language)" = de ] ||
  fail "the migrated installer remembered \"$(reg_value 'HKCU\Software\Tally' Language)\", not de"
LANG=en_US.UTF-8 timeout 600 /usr/lib/wine/wine64 "$installed/Uninstall.exe" /S "_?=$(windows_path "$installed")"
[ -z "$(reg_value "$uninstall_key" DisplayName)" ] || fail "the migrated uninstaller left its registry key behind"
echo "the example and the migration compiled by the Windows makensis install, remember and uninstall as expected"
