#!/usr/bin/env bash
# The example's language files to gettext catalogs and back, as translators
# and platforms take them: translate-toolkit's converters (through XLIFF as
# well), and parlune-po for files with notes. Every text must come back
# exact, in en.json's order, and the checker must pass the result.
set -euo pipefail
check=$1 parlune_po=$2 languages=$3
python=/usr/bin/python3
[ -x "$python" ] || python=python3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Same members, same order, same texts.
same_json() {
  "$python" - "$1" "$2" <<'EOF'
import json, sys
first = json.load(open(sys.argv[1], encoding="utf-8"), object_pairs_hook=list)
second = json.load(open(sys.argv[2], encoding="utf-8"), object_pairs_hook=list)
if first != second:
    sys.exit("%s and %s differ: %r" % (sys.argv[1], sys.argv[2], [a for a in first if a not in second][:1]))
EOF
}

mkdir "$work/plain" "$work/notes" "$work/back"
cp "$languages/en.json" "$work/plain/"
files=0
for file in "$languages"/*.json; do
  name=$(basename "$file" .json)
  [ "$name" = en ] && continue
  json2po --progress=none -t "$languages/en.json" -i "$file" -o "$work/$name.po"
  msgfmt --check-format -o /dev/null "$work/$name.po" 2>/dev/null || fail "msgfmt rejects $name.po"
  po2xliff --progress=none -i "$work/$name.po" -o "$work/$name.xlf"
  xliff2po --progress=none -i "$work/$name.xlf" -o "$work/$name-xliff.po"
  po2json --progress=none -t "$languages/en.json" -i "$work/$name-xliff.po" -o "$work/plain/$name.json"
  same_json "$file" "$work/plain/$name.json" || fail "json2po, XLIFF and po2json changed $name.json"
  files=$((files + 1))
done
[ "$files" -ge 8 ] || fail "only $files example files"
"$check" --strict "$work/plain" >"$work/out" || fail "the checker rejects what po2json wrote: $(cat "$work/out")"

# po2json fills an entry left untranslated with English: NsisLanguageId
# would come back as English's id, which the checker stops.
json2po --progress=none -t "$languages/en.json" -i "$languages/de.json" -o "$work/de.po"
sed -i '/^msgid "1033"$/{n;s/.*/msgstr ""/}' "$work/de.po"
po2json --progress=none -t "$languages/en.json" -i "$work/de.po" -o "$work/plain/de.json"
if "$check" "$work/plain" >"$work/out"; then fail "an English id in de.json must be an error"; fi
grep -q 'de.json:2:[0-9]*: error: NsisLanguageId 1033 is English'"'"'s, not German'"'"'s' "$work/out" ||
  fail "the checker must name the English id: $(cat "$work/out")"

# Notes: en.json with ARB's "@Key" members, each language through
# parlune-po and back over a copy of itself, which keeps its facts.
"$python" - "$languages/en.json" "$work/notes/en.json" <<'EOF'
import json, sys
texts = json.load(open(sys.argv[1], encoding="utf-8"), object_pairs_hook=list)
out = []
for key, text in texts:
    out.append((key, text))
    if key == "WelcomeTitle":
        out.append(("@WelcomeTitle", {"description": "The welcome page's title, in large type", "maxLength": 60}))
    if key == "FinishText":
        out.append(("@FinishText", {"description": "{{INSTDIR}} is the folder the program went to"}))
open(sys.argv[2], "w", encoding="utf-8").write(json.dumps(dict(out), ensure_ascii=False, indent=2) + "\n")
EOF
"$check" --strict "$work/notes" >"$work/out" || fail "notes must pass the checker: $(cat "$work/out")"
for file in "$languages"/*.json; do
  name=$(basename "$file" .json)
  [ "$name" = en ] && continue
  "$python" "$parlune_po" export "$work/notes/en.json" "$file" "$work/$name.po"
  msgfmt --check-format -o /dev/null "$work/$name.po" 2>/dev/null || fail "msgfmt rejects parlune-po's $name.po"
  cp "$file" "$work/notes/$name.json"
  "$python" "$parlune_po" import "$work/notes/en.json" "$work/$name.po" "$work/notes/$name.json"
  same_json "$file" "$work/notes/$name.json" || fail "parlune-po changed $name.json"
done
grep -q -x '#. The welcome page'"'"'s title, in large type' "$work/de.po" || fail "the note is no translator comment"
grep -q -x '#, max-length:60' "$work/de.po" || fail "maxLength is no max-length flag"
grep -q -x 'msgctxt "WelcomeTitle"' "$work/de.po" || fail "the key is no context"
! grep -q 'NsisLanguageId\|^msgid "1033"' "$work/de.po" || fail "NsisLanguageId must stay out of the catalog"
"$check" --strict "$work/notes" >"$work/out" || fail "the checker rejects parlune-po's files: $(cat "$work/out")"

# A new language from the template; the translator leaves one entry empty
# and one fuzzy: the file lacks both, so the installer shows en.json's
# texts for them and the checker names them.
"$python" "$parlune_po" export "$work/notes/en.json" "$work/template.pot"
"$python" - "$work/template.pot" "$work/cy.po" <<'EOF'
import sys
from translate.storage import po
catalog = po.pofile(open(sys.argv[1], "rb"))
for unit in catalog.units:
    if unit.isheader() or unit.getcontext() == "FinishText":
        continue
    unit.target = "Cy: " + unit.source
    if unit.getcontext() == "Caption":
        unit.markfuzzy()
open(sys.argv[2], "wb").write(bytes(catalog))
EOF
"$python" "$parlune_po" import "$work/notes/en.json" "$work/cy.po" "$work/back/cy.json"
cp "$work/notes/en.json" "$work/back/"
"$check" "$work/back" >"$work/out" || fail "cy.json: $(cat "$work/out")"
grep -q 'cy.json.*warning: The file has no "Caption"' "$work/out" && grep -q 'has no "FinishText"' "$work/out" ||
  fail "the fuzzy and the empty entry must be missing: $(cat "$work/out")"
grep -q '"WelcomeTitle": "Cy: Welcome to the Parlune Example"' "$work/back/cy.json" || fail "cy.json: $(cat "$work/back/cy.json")"

# A text no catalog can carry is never lost quietly.
sed '1s/{/{"OnlyInGerman": "Nur hier",/' "$languages/de.json" > "$work/extra.json"
status=0
"$python" "$parlune_po" export "$work/notes/en.json" "$work/extra.json" "$work/extra.po" 2>"$work/err" || status=$?
[ "$status" = 1 ] && grep -q "OnlyInGerman is not in en.json" "$work/err" || fail "a lost text must fail: $status $(cat "$work/err")"
echo "gettext round trip: $files files exact through json2po, XLIFF and po2json, and through parlune-po with notes"
