#!/usr/bin/env bash
# What both tools do with inputs they cannot read: an error that names the
# path and the reason, never an empty or skipped file, and no file written.
#   check_tools_failures.sh PARLUNE_CHECK PARLUNE_IMPORT
set -euo pipefail
check=$1 import=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }
# Unreadable files stay readable to root: those cases run as nobody.
as_reader() { if [ "$(id -u)" = 0 ]; then setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; else "$@"; fi; }

cd "$work"
mkdir folder && mkfifo fifo.nsi && ln -s loop.nsi loop.nsi && ln -s nowhere.nsi dangling.nsi
printf 'LangString A 1033 "x"\n' > locked.nsi && chmod 000 locked.nsi
printf 'LangString A 1033 "open\n' > unclosed.nsi
printf 'LangString A 1033 "Gr\xfc\xdfe"\n' > ansi.nsi
printf 'LangString A 1041 "\x81 "\n' > not932.nsi
printf '\xff\xfeL\0\n\0\x3d\xd8' > surrogate.nsi
printf 'LangString A 1033 "x"\rLangString B 1033 "y"\r' > cr.nsi

# EXPECTED_STATUS TEXT_IN_OUTPUT ARGUMENTS...: the importer writes nothing.
import_case() {
  local expected=$1 text=$2 status=0
  shift 2
  rm -rf out
  as_reader "$import" --out "$work/out" "$@" > result 2>&1 || status=$?
  [ "$status" = "$expected" ] || fail "parlune-import $* exited $status: $(cat result)"
  grep -qF -- "$text" result || fail "parlune-import $* does not say \"$text\": $(cat result)"
  [ ! -e out ] || fail "parlune-import $* wrote files"
}
for reader in --no-makensis ""; do
  import_case 1 "cannot read missing.nsi: no such file" $reader missing.nsi
  import_case 1 "cannot read folder: a folder, not a file" $reader folder
  import_case 1 "cannot read fifo.nsi: a FIFO, not a file" $reader fifo.nsi
  import_case 1 "cannot read loop.nsi: a symbolic link that loops" $reader loop.nsi
  import_case 1 "cannot read dangling.nsi: a symbolic link to nothing" $reader dangling.nsi
  import_case 1 "cannot read locked.nsi: Permission denied" $reader locked.nsi
  import_case 1 "line 2, character 1 is half of a surrogate pair" $reader surrogate.nsi
done
import_case 1 "unclosed.nsi:1: a string is not closed" --no-makensis unclosed.nsi
import_case 1 "cr.nsi:1: its lines end in CR alone" --no-makensis cr.nsi
import_case 1 "line 1 is not UTF-8, and its bytes are no text in code page 932" --no-makensis --codepage 932 not932.nsi
if command -v makensis > /dev/null; then
  import_case 1 "unterminated string" unclosed.nsi
  import_case 1 "makensis /nowhere/makensis does not run" --makensis /nowhere/makensis ansi.nsi
fi

# The checker: a folder it cannot list, and *.json entries that are no
# readable file, each an error at its name.
mkdir languages && printf '{"A": "x"}' > languages/en.json
mkfifo languages/de.json && ln -s nowhere languages/fr.json && ln -s ja.json languages/ja.json
printf '{"A": "y"}' > languages/ko.json && chmod 000 languages/ko.json
mkdir languages/ru.json
status=0
as_reader "$check" languages > result 2>&1 || status=$?
[ "$status" = 1 ] || fail "parlune-check on unreadable entries exited $status: $(cat result)"
for text in "de.json:1:1: error: The file cannot be read (a FIFO, not a file)" \
            "fr.json:1:1: error: The file cannot be read (a symbolic link to nothing)" \
            "ja.json:1:1: error: The file cannot be read (a symbolic link that loops)" \
            "ko.json:1:1: error: The file cannot be read (Permission denied)" \
            "ru.json:1:1: error: The file cannot be read (a folder, not a file)" "6 files, 5 errors"; do
  grep -qF -- "$text" result || fail "parlune-check does not say \"$text\": $(cat result)"
done
chmod 000 languages
status=0
as_reader "$check" languages > result 2>&1 || status=$?
[ "$status" = 1 ] && grep -qF "parlune-check cannot read the folder" result || fail "an unreadable folder: $status $(cat result)"
ln -s self self && status=0
"$check" self > result 2>&1 || status=$?
[ "$status" = 2 ] && grep -qF "a symbolic link that loops: self" result || fail "a looping folder: $status $(cat result)"
echo "both tools name every input they cannot read, and why"
