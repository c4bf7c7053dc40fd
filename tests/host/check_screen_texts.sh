#!/usr/bin/env bash
# Reads what the example installer shows, window by window, under Wine on
# Xvfb (64-bit):
# - in the pseudo-locale (parlune-check --pseudo, /LANG=en-XM), every page
#   of the installer and then of its uninstaller: every text must be
#   pseudo-localized, NSIS's branding line and what GetWindowText cannot
#   read (the components tree, an image's static) aside;
# - with a Filipino file that translates ^NextBtn and ^CancelBtn (a language
#   NSIS lacks), and with a German file that overrides ^NextBtn alone: the
#   welcome page shows their buttons, and NSIS's German for the others;
# - PARLUNE_MIN_COVERAGE 50, with a Japanese file that translates one text
#   (and the Filipino one, three): a Japanese user's first run preselects
#   English in the language dialog, and /LANG=fil still loads Filipino.
#
#   check_screen_texts.sh PLUGIN_DIR CHECKER WORK_DIR PREFIX_ROOT
set -euo pipefail

plugin_dir=$(realpath "$1") checker=$(realpath "$2") work=$3 prefix_root=$(realpath -m "$4")
here=$(cd "$(dirname "$0")" && pwd)
example=$here/../../examples/installer

rm -rf "$work" && mkdir -p "$work"
work=$(realpath "$work")
x86_64-w64-mingw32-gcc -Wall -Wextra -O2 -o "$work/window_texts.exe" "$here/window_texts.c"
cp -r "$example/." "$work/example"
"$checker" --pseudo "$work/example/languages" >/dev/null
cat > "$work/example/languages/fil.json" <<'EOF'
{
  "WelcomeTitle": "Maligayang pagdating",
  "^NextBtn": "&Susunod >",
  "^CancelBtn": "Kanselahin"
}
EOF
python3 - "$work/example/languages/de.json" <<'EOF'
import json, sys
texts = json.load(open(sys.argv[1], encoding="utf-8"))
texts["^NextBtn"] = "&Vorwärts >"
json.dump(texts, open(sys.argv[1], "w", encoding="utf-8"), ensure_ascii=False, indent=2)
EOF
python3 - "$work/example/languages/ja.json" <<'EOF'
import json, sys
texts = json.load(open(sys.argv[1], encoding="utf-8"))
json.dump({k: texts[k] for k in ("NsisLanguageId", "WelcomeTitle")}, open(sys.argv[1], "w", encoding="utf-8"),
          ensure_ascii=False, indent=2)
EOF
exe=$work/example/Example-x64.exe
makensis -V2 -WX -DPARLUNE_MIN_COVERAGE=50 -INPUTCHARSET UTF8 "-XTarget amd64-unicode" "-X!addplugindir /amd64-unicode $plugin_dir" \
  "-X!addincludedir $here/../../include" -DPARLUNE_CHECKER="$checker" -DOUTFILE="$exe" "$work/example/Example.nsi" \
  > "$work/makensis.log" || { cat "$work/makensis.log"; exit 1; }

# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"
unset LC_ALL LC_MESSAGES LANGUAGE
wine=/usr/lib/wine/wine64

# walk PAGES OUTPUT PROGRAM ARGS...: reads each page and presses Next (or
# Install, Uninstall, Finish), PAGES times at most, about 4 s a page.
walk() {
  local pages=$1 output=$2; shift 2
  xvfb-run -a bash -c '
    pages=$1 output=$2 reader=$3; shift 3
    '"$wine"' "$@" &
    for page in $(seq "$pages"); do
      sleep 4
      echo "== page $page" >> "$output"
      '"$wine"' "$reader" 1 >> "$output" 2>/dev/null || break
    done
    sleep 2
    /usr/lib/wine/wineserver -k' walk "$pages" "$output" "$work/window_texts.exe" "$@"
}

status=0
# A Filipino and a German welcome page: their buttons, NSIS's German else.
for case in "fil|&Susunod >|Kanselahin" "de|&Vorwärts >|Abbrechen"; do
  IFS='|' read -r tag next cancel <<< "$case"
  rm -f "$work/$tag.txt"
  walk 1 "$work/$tag.txt" "$exe" "/LANG=$tag"
  for button in "$next" "$cancel"; do
    if ! grep -qxF "Button	$button" "$work/$tag.txt"; then
      echo "FAIL /LANG=$tag: the welcome page has no button \"$button\"; it shows:" >&2
      cat "$work/$tag.txt" >&2
      status=1
    fi
  done
done

# A Japanese user's first run: the dialog preselects English, not the file
# below the coverage asked for.
"$wine" reg delete 'HKCU\Software\Parlune Example' /f >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w
rm -f "$work/ja.txt"
LANG=ja_JP.UTF-8 walk 1 "$work/ja.txt" "$exe"
if ! grep -qx "ComboBox	English" "$work/ja.txt"; then
  echo "FAIL: a Japanese first run below PARLUNE_MIN_COVERAGE does not preselect English; it shows:" >&2
  cat "$work/ja.txt" >&2
  status=1
fi

# The pseudo-locale, the installer through its pages and then its uninstaller.
rm -f "$work/pseudo.txt"
"$wine" reg delete 'HKCU\Software\Parlune Example' /f >/dev/null 2>&1 || true
/usr/lib/wine/wineserver -w  # a server started without the display would keep windows from it
walk 6 "$work/pseudo.txt" "$exe" /LANG=en-XM
uninstaller=$(find "$WINEPREFIX/drive_c/users" -path '*/Parlune Example/Uninstall.exe' | head -n 1)
if [ -z "$uninstaller" ]; then
  echo "FAIL: the pseudo-locale install left no Uninstall.exe" >&2
  status=1
else
  echo "== uninstaller" >> "$work/pseudo.txt"
  # "_?=" keeps it from copying itself elsewhere first; C: is drive_c
  folder=$(dirname "$uninstaller")
  folder='C:'${folder#"$WINEPREFIX/drive_c"}
  walk 3 "$work/pseudo.txt" "$uninstaller" "_?=${folder//\//\\}"
fi
# A pseudo-localized text has every letter inside [ ]; what is left outside
# is digits, punctuation and white space.
python3 - "$work/pseudo.txt" <<'EOF' || status=1
import re, sys
pages, english, texts = 0, [], 0
for line in open(sys.argv[1], encoding="utf-8", errors="replace"):
    line = line.rstrip("\n")
    if line.startswith("== "):
        pages += line.startswith("== page")
        continue
    kind, _, text = line.partition("\t")
    if not text or kind == "SysTreeView32" or text.startswith("\uffff") or text.startswith("Nullsoft Install System"):
        continue
    texts += 1
    outside, depth = "", 0
    for c in text:
        depth += c == "["
        if depth == 0:
            outside += c
        depth -= c == "]" and depth > 0
    if re.search(r"[A-Za-z]", outside):
        english.append(f"{kind}: {text}")
print(f"pseudo-locale: {texts} texts on {pages} pages, {len(english)} not from a language file")
for text in english:
    print("  " + text)
sys.exit(1 if english or pages < 6 else 0)
EOF
exit $status
