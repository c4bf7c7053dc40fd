#!/usr/bin/env bash
# The plug-in calls and file copies from .onInit to the first text, counted
# by a copy of the macros that logs each (budget.nsi): with the language
# dialog shown and its preselected entry taken, a Welsh user (a file beyond
# the code table) costs at most 2 Init and 1 copy, a German one 2 Init and
# no copy.
#   check_init_budget.sh PLUGIN_DIR CHECKER WORK_DIR PREFIX_ROOT
set -euo pipefail
plugin_dir=$(realpath "$1") checker=$(realpath "$2") work=$3 prefix_root=$4
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work" "$prefix_root" && work=$(realpath "$work")

cp -r "$here/../../include" "$work/include"
cat >> "$work/include/Parlune/Calls.nsh" <<'NSH'
!macro _CountCall NAME
  Push $9
  FileOpen $9 "$EXEDIR\calls.log" a
  FileSeek $9 0 END
  FileWrite $9 "${NAME}$\r$\n"
  FileClose $9
  Pop $9
!macroend
NSH
sed -i 's/^  Parlune::\(Init\|GetStr\|Exit\)$/  !insertmacro _CountCall \1\n&/' "$work/include/Parlune/Calls.nsh"
sed -i 's/^\(\s*\)CopyFiles /\1!insertmacro _CountCall Copy\n&/' "$work/include/Parlune/"*.nsh
[ "$(grep -c '_CountCall [IGE]' "$work/include/Parlune/Calls.nsh")" = 3 ] || fail "the plug-in's call sites moved"

cp -r "$here/languages/budget" "$here/budget.nsi" "$work/"
makensis -V2 -INPUTCHARSET UTF8 "-X!addincludedir $work/include" -DPLUGINDIR="$plugin_dir" \
  -DPARLUNE_CHECKER="$checker" -DOUTFILE="$work/budget.exe" "$work/budget.nsi" >/dev/null

# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"
unset LC_ALL LC_MESSAGES LANGUAGE
status=0
for case in "cy_GB.UTF-8 Helo 1" "de_DE.UTF-8 Hallo 0"; do
  read -r locale text copies <<<"$case"
  rm -f "$work/calls.log"
  LANG=$locale xvfb-run -a bash -c '
    /usr/lib/wine/wine64 "$0" & installer=$!
    window=$(timeout 120 xdotool search --sync --name "^Installer Language\$" | head -1)
    [ -n "$window" ] || { kill $installer; exit 3; }
    sleep 1
    xdotool key --window "$window" Return 2>/dev/null
    wait $installer || true' "$work/budget.exe" || fail "$locale: no language dialog"
  [ -f "$work/calls.log" ] || fail "$locale: the installer logged nothing"
  counted="Init $(grep -c '^Init' "$work/calls.log"), Copy $(grep -c '^Copy' "$work/calls.log"), GetStr $(grep -c '^GetStr' "$work/calls.log"), Exit $(grep -c '^Exit' "$work/calls.log")"
  echo "$locale: $counted, then \"$(sed -n 's/^text //p' "$work/calls.log" | tr -d '\r')\""
  grep -qx "text $text"$'\r' "$work/calls.log" || { echo "FAIL: $locale: the first text is not $text" >&2; status=1; }
  [ "$(grep -c '^Init' "$work/calls.log")" -le 2 ] || { echo "FAIL: $locale: more than 2 Init" >&2; status=1; }
  [ "$(grep -c '^Copy' "$work/calls.log")" -le "$copies" ] || { echo "FAIL: $locale: more than $copies copies" >&2; status=1; }
done
exit $status
