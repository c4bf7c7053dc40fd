#!/usr/bin/env bash
# The measured migration: Tally's LangString installer (migration/Original.nsi)
# against the same installer on Parlune (migration/Tally.nsi), both compiled
# from the unpacked zip for x64 and x86 with makensis's zlib. Prints the
# instruction counts and sizes makensis gives, and fails when a further
# language file or text costs more than its budget, or the installer more
# than 1.5 times the original's instructions (the uninstaller 2.5 times) or
# 20,000 bytes more.
#
#   check_migration.sh ZIP WORK_DIR
set -euo pipefail
zip=$(realpath "$1") work=$2
here=$(cd "$(dirname "$0")" && pwd)
rm -rf "$work" && mkdir -p "$work/unpacked"
work=$(realpath "$work")
(cd "$work/unpacked" && cmake -E tar xf "$zip")
package=$work/unpacked
cp -r "$here/migration" "$work/tally"
cp -r "$here/migration" "$work/tally-more"
# One more file: a language without NSIS texts, so only Parlune's own code
# grows; its own id and name differ from the language table's.
sed 's/"NsisLanguageId": "1033"/"NsisLanguageId": "1124", "LanguageName": "Wikang Filipino"/' \
  "$here/migration/languages/en.json" > "$work/tally-more/languages/fil.json"

# Files beyond the language table (Welsh, then Basque too), whose rule runs
# in the installer once there is one.
for beyond in cy eu; do
  mkdir -p "$work/tally-$beyond"
  cp -r "$here/migration/." "$work/tally-$beyond/"
  sed 's/"NsisLanguageId": "1031",//' "$here/migration/languages/de.json" > "$work/tally-$beyond/languages/cy.json"
done
cp "$work/tally-cy/languages/cy.json" "$work/tally-eu/languages/eu.json"

# The budgets: a further language file and a further declared text, the
# first and each further file beyond the language table (whose rule runs in
# the installer, and whose en.json is packed once more so that such a file
# loads in one Init and one copy), and the whole installer against the
# LangString original (the README's "Moving from LangString" gives the
# measured table).
per_file=8 per_text=3 first_beyond=45 per_beyond=8 max_size_growth=20000

# counts SCRIPT TARGET [makensis options]: "install uninstall size"
counts() {
  local script=$1 target=$2; shift 2
  local out
  out=$(makensis -V3 -INPUTCHARSET UTF8 "-XTarget $target" -DOUTFILE="$work/out.exe" \
    "-X!addplugindir /$target $package/Plugins/$target" "-X!addincludedir $package/Include" "$@" "$script")
  local install uninstall size
  install=$(sed -n 's/^Install: .* \([0-9]*\) instructions.*/\1/p' <<<"$out")
  uninstall=$(sed -n 's/^Uninstall: .* \([0-9]*\) instructions.*/\1/p' <<<"$out")
  size=$(sed -n 's/^Total size: *\([0-9]*\) \/.*/\1/p' <<<"$out")
  echo "$install $uninstall $size"
}

status=0
fail() { echo "FAIL: $*" >&2; status=1; }
printf '%-6s %-22s %12s %12s %10s\n' target script install uninstall size
for target in x64 x86; do
  nsis_target=amd64-unicode
  [ "$target" = x86 ] && nsis_target=x86-unicode
  read -r oi ou os <<<"$(counts "$work/tally/Original.nsi" $nsis_target)"
  read -r pi pu ps <<<"$(counts "$work/tally/Tally.nsi" $nsis_target)"
  read -r fi fu _ <<<"$(counts "$work/tally-more/Tally.nsi" $nsis_target -DPARLUNE_NO_CHECK)"
  read -r ti tu _ <<<"$(counts "$work/tally/Tally.nsi" $nsis_target -DPARLUNE_NO_CHECK -DEXTRA_TEXT)"
  read -r bi bu _ <<<"$(counts "$work/tally-cy/Tally.nsi" $nsis_target -DPARLUNE_NO_CHECK)"
  read -r ei eu _ <<<"$(counts "$work/tally-eu/Tally.nsi" $nsis_target -DPARLUNE_NO_CHECK)"
  printf '%-6s %-22s %12s %12s %10s\n' $target "LangString original" "$oi" "$ou" "$os"
  printf '%-6s %-22s %12s %12s %10s\n' $target "Parlune" "$pi ($(awk "BEGIN{printf \"%.2f\", $pi/$oi}")x)" \
    "$pu ($(awk "BEGIN{printf \"%.2f\", $pu/$ou}")x)" "$ps (+$((ps - os)))"
  printf '%-6s %-22s %12s %12s\n' $target "a further file" "+$((fi - pi))" "+$((fu - pu))"
  printf '%-6s %-22s %12s %12s\n' $target "a further text" "+$((ti - pi))" "+$((tu - pu))"
  printf '%-6s %-22s %12s %12s\n' $target "cy.json, beyond" "+$((bi - pi))" "+$((bu - pu))"
  printf '%-6s %-22s %12s %12s\n' $target "eu.json, further" "+$((ei - bi))" "+$((eu - bu))"
  [ $((bi - pi)) -le $first_beyond ] && [ $((bu - pu)) -le $first_beyond ] || fail "$target: the first file beyond the table costs more than $first_beyond instructions"
  [ $((ei - bi)) -le $per_beyond ] && [ $((eu - bu)) -le $per_beyond ] || fail "$target: a further file beyond the table costs more than $per_beyond instructions"
  [ $((fi - pi)) -le $per_file ] && [ $((fu - pu)) -le $per_file ] || fail "$target: a further file costs more than $per_file instructions"
  [ $((ti - pi)) -le $per_text ] && [ $((tu - pu)) -le $per_text ] || fail "$target: a further text costs more than $per_text instructions"
  [ $((pi * 2)) -le $((oi * 3)) ] || fail "$target: the installer has $pi instructions, more than 1.5 x $oi"
  [ $((pu * 2)) -le $((ou * 5)) ] || fail "$target: the uninstaller has $pu instructions, more than 2.5 x $ou"
  [ $((ps - os)) -le $max_size_growth ] || fail "$target: the installer is $((ps - os)) bytes larger than the original's $os"
done

# The checker hands the file's own id and name to the stand-in and the dialog,
# with its verdict or without.
for check in "" -DPARLUNE_CHECK_OFF; do
  makensis -V4 -INPUTCHARSET UTF8 -DOUTFILE="$work/out.exe" "-X!addplugindir /x86-unicode $package/Plugins/x86-unicode" \
    "-X!addincludedir $package/Include" -DPARLUNE_VERBOSE=4 $check "$work/tally-more/Tally.nsi" > "$work/facts.log"
  grep -qF '{"ParluneId":"1124","ParluneFile":"fil"}' "$work/facts.log" && grep -qx 'Push: Wikang Filipino' "$work/facts.log" ||
    fail "fil.json's own id and name are not in the installer${check:+ with $check}"
done
exit $status
