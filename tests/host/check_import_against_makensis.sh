#!/usr/bin/env bash
# parlune-import against makensis itself: an amd64 installer compiled from
# import/Setup.nsi writes, in a silent run under Wine, every text of every
# language file the importer made of the same script, and each must be the
# very text the installer holds.
#   check_import_against_makensis.sh PARLUNE_IMPORT WORK_DIR PREFIX_ROOT
set -euo pipefail
import=$(realpath "$1") work=$2 prefix_root=$3
here=$(cd "$(dirname "$0")" && pwd)
fail() { echo "FAIL: $*" >&2; exit 1; }
rm -rf "$work" && mkdir -p "$work" && work=$(realpath "$work")
# shellcheck source=../wine_env.sh
source "$here/../wine_env.sh" "$prefix_root"

cp "$here/import/Setup.nsi" "$here/import/Extra.nsh" "$work/"
(printf '\xFF\xFE'; iconv -f UTF-8 -t UTF-16LE "$here/import/Strings16.nsh") > "$work/Strings16.nsh"
printf 'LangString Ansi ${LANG_GERMAN} "Gr\xfc\xdfe \x80"\nLangString Ansi ${LANG_ENGLISH} "Greetings"\n' > "$work/Ansi.nsh"

cd "$work"
"$import" --out languages Setup.nsi > import.out || fail "parlune-import failed: $(cat import.out)"
grep -qF '"^SetupCaption": "Tally Setup"' languages/en.json ||
  fail "the override of NSIS's text is not in en.json: $(cat languages/en.json)"
[ ! -e languages/nsis-texts.nsh ] || fail "NSIS's texts went to nsis-texts.nsh: $(cat languages/nsis-texts.nsh)"

# One installer per language file (NSIS picks a language's texts once, in
# .onInit), each writing every key's text; and what the files hold, in the
# same form: KEY=TEXT, then a line <<end>>.
python3 - "$work" <<'PY'
import glob, json, os, sys
work = sys.argv[1]
keys = {}
for path in sorted(glob.glob(os.path.join(work, 'languages', '*.json'))):
    tag = os.path.basename(path)[:-5]
    texts = json.load(open(path, encoding='utf-8'))
    keys[tag] = sorted(k for k in texts if k != 'NsisLanguageId')
    dump = ['!include "Setup.nsi"', 'Target amd64-unicode', 'OutFile dump-%s.exe' % tag,
            'RequestExecutionLevel user', 'SilentInstall silent',
            'Function .onInit', 'StrCpy $LANGUAGE %s' % texts['NsisLanguageId'], 'FunctionEnd',
            'Section', 'FileOpen $0 "$EXEDIR\\%s.txt" w' % tag]
    dump += ['FileWriteUTF16LE $0 "%s=$(%s)$\\n<<end>>$\\n"' % (key, key) for key in keys[tag]]
    dump += ['FileClose $0', 'SectionEnd']
    open(os.path.join(work, 'dump-%s.nsi' % tag), 'w', encoding='utf-8-sig').write('\n'.join(dump) + '\n')
    expected = ''.join('%s=%s\n<<end>>\n' % (key, texts[key]) for key in keys[tag])
    open(os.path.join(work, '%s.expected' % tag), 'w', encoding='utf-8', newline='').write(expected)
want = {'en': ['Ansi', 'Branch', 'Escapes', 'FromMacro', 'Product', 'Quotes', 'Required', 'Wide', '^SetupCaption'],
        'de': ['Ansi', 'Product', 'Quotes', 'Required'], 'fr': ['FromLangFile', 'Wide'], 'ru': ['FromMacro']}
if keys != want:
    sys.exit('the importer found other keys than the script has: %r' % keys)
PY

texts=0
for tag in en de fr ru; do
  makensis -V2 "dump-$tag.nsi" > compile.out 2>&1 || fail "makensis: $(cat compile.out)"
  /usr/lib/wine/wine64 "dump-$tag.exe" /S && [ -f "$tag.txt" ] || fail "the $tag installer wrote nothing"
  iconv -f UTF-16LE -t UTF-8 "$tag.txt" > "$tag.installed"
  diff -u "$tag.expected" "$tag.installed" || fail "$tag.json differs from the installer's texts (- imported, + installer)"
  texts=$((texts + $(grep -c '^<<end>>' "$tag.installed")))
done
echo "parlune-import's files hold exactly the texts makensis compiles: $texts texts in 4 languages"
