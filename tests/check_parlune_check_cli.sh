#!/usr/bin/env bash
# parlune-check's exit statuses and report forms.
set -euo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
status() { local s=0; "$check" "$@" >"$work/out" 2>&1 || s=$?; echo "$s"; }

printf '{"Title": "Setup"}' > "$work/en.json"
[ "$(status "$work")" = 0 ] || fail "a clean folder must exit 0"
printf '{"Title": "Einrichtung", "Extra": "x"}' > "$work/de.json"
[ "$(status "$work")" = 0 ] || fail "warnings alone must exit 0"
[ "$(status --strict "$work")" = 1 ] || fail "--strict must count warnings"
grep -q 'de.json:1:26: warning: en.json has no key "Extra"' "$work/out" || fail "text report lacks the warning: $(cat "$work/out")"
printf '{"Title": "x",}' > "$work/fr.json"
[ "$(status "$work")" = 1 ] || fail "errors must exit 1"
[ "$(status --quiet --plan "$work/quiet.nsh" "$work")" = 0 ] && [ ! -s "$work/out" ] &&
  grep -q '"de.json" `{"ParluneId":"1031","ParluneFile":"de"}`' "$work/quiet.nsh" ||
  fail "--quiet must exit 0, print nothing and still write the plan: $(cat "$work/out")"
[ "$(status --json "$work")" = 1 ] || fail "--json must exit 1 too"
grep -q '"kind": "invalid-json", "file": "fr.json", "line": 1, "column": 14' "$work/out" || fail "JSON report: $(cat "$work/out")"
grep -q '"errors": 1,' "$work/out" || fail "JSON report lacks the error count"
[ "$(status)" = 2 ] || fail "no folder must exit 2"
[ "$(status --bogus "$work")" = 2 ] || fail "an unknown option must exit 2"
[ "$(status "$work/missing")" = 2 ] || fail "a missing folder must exit 2"
[ "$(status --string-size x "$work")" = 2 ] || fail "a bad string size must exit 2"
[ "$(status --help)" = 0 ] && grep -q 'usage: parlune-check' "$work/out" || fail "--help"
[ "$(status --resolve fr-CA "$work")" = 0 ] || fail "--resolve"
grep -q 'The installer loads: fr.json' "$work/out" || fail "--resolve output: $(cat "$work/out")"
rm "$work/fr.json" "$work/de.json"
[ "$(status --pseudo "$work")" = 0 ] || fail "--pseudo: $(cat "$work/out")"
grep -q '"Title": "\[Šéţûþ\]"' "$work/en-xm.json" || fail "en-xm.json: $(cat "$work/en-xm.json")"
[ "$(status "$work")" = 0 ] && grep -q '^2 files, 0 errors, 0 warnings$' "$work/out" || fail "en-xm.json must pass the check: $(cat "$work/out")"
printf '%s' '{"Title": "Setup", "NsisLanguageId": "1033", "LanguageName": "Say \"$1\""}' > "$work/en.json"
[ "$(status --plan "$work/plan.nsh" --plan-number 3 --min-coverage 50 "$work")" = 0 ] &&
  grep -qx '!define /redef _PARLUNE_FILES_3 2' "$work/plan.nsh" &&
  grep -qxF '  Push "Say $\"$$1$\""' "$work/plan.nsh" || fail "--plan: $(cat "$work/plan.nsh")"
[ "$(status --plan "$work/no/folder/plan.nsh" "$work")" = 1 ] && grep -q 'cannot write' "$work/out" || fail "--plan must say it cannot write"
[ "$(status --plan-number x "$work")" = 2 ] && [ "$(status --nsisdir /usr "$work")" = 2 ] || fail "bad --plan options must exit 2"
rm "$work/en.json"
[ "$(status --pseudo "$work")" = 1 ] || fail "--pseudo without en.json must exit 1"
echo "parlune-check exit statuses and reports as documented"
