#!/usr/bin/env python3
"""parlune-po: Parlune's language files to gettext catalogs and back.

  parlune-po.py export EN_JSON [LANGUAGE_JSON] CATALOG   (.po, or .pot without LANGUAGE_JSON)
  parlune-po.py import EN_JSON CATALOG LANGUAGE_JSON

Reads the files with translate-toolkit's ARB classes, so a note beside a key,
"@Key": {"description": "...", "maxLength": N}, becomes the entry's
translator comment and Weblate's max-length flag. Each entry's context is its
key. NsisLanguageId and LanguageName, which the installer reads as facts
about the file, stay out of the catalog; import keeps them from the language
file it replaces. An entry that is untranslated or fuzzy is left out of the
file, so the installer shows en.json's text and the checker names it.

Exit status: 0 done, 1 a text could not be carried over (named on stderr;
the rest is written), 2 bad usage or unreadable input.
"""
import json
import os
import sys

try:
    from translate.storage import jsonl10n, po
except ImportError:
    sys.exit("parlune-po: needs translate-toolkit's Python modules (Debian: apt install translate-toolkit; "
             "elsewhere: pip install translate-toolkit)")

METADATA = ("nsislanguageid", "languagename")  # read by the installer, never translated


def fail(message):
    print("parlune-po: " + message, file=sys.stderr)
    sys.exit(2)


def read_store(path, store_class):
    try:
        with open(path, "rb") as file:
            return store_class(file)
    except (OSError, ValueError) as error:
        fail("cannot read %s: %s" % (path, error))


def read_language_file(path):
    """The file's units in order, by key; the ARB header and notes aside."""
    store = read_store(path, jsonl10n.ARBJsonFile)
    units = {}
    for unit in store.units:
        if unit.isheader():
            continue
        if not isinstance(unit.source, str):
            fail("%s: %s is no text; check the file with parlune-check" % (path, unit.getid()))
        units[unit.getid()] = unit
    return units


def is_text(key):
    return key.lower() not in METADATA


def max_length(unit):
    value = getattr(unit, "metadata", {}).get("maxLength")
    return value if isinstance(value, int) and not isinstance(value, bool) and value > 0 else None


def tag_of(path):
    return os.path.splitext(os.path.basename(path))[0]


def export(english_path, language_path, catalog_path):
    english = read_language_file(english_path)
    language = read_language_file(language_path) if language_path else {}
    catalog = po.pofile()
    catalog.updateheader(add=True, Language=tag_of(language_path) if language_path else "",
                         X_Generator="parlune-po")
    lost = 0
    for key, source in english.items():
        if not is_text(key):
            continue
        translation = language.get(key)
        if source.source == "":
            if translation is not None and translation.source != "":
                print("parlune-po: %s's %s has a text where en.json's is empty, and a catalog has no entry "
                      "without English; give en.json a text for it" % (language_path, key), file=sys.stderr)
                lost += 1
            continue
        unit = catalog.addsourceunit(source.source)
        unit.setcontext(key)
        unit.addlocation(key)
        if source.getnotes():
            unit.addnote(source.getnotes(), origin="developer")
        limit = max_length(source)
        if limit:
            unit.addnote("At most %d characters." % limit, origin="developer")
            unit.settypecomment("max-length:%d" % limit)
        if translation is not None and translation.source != "":
            unit.target = translation.source
    for key in language:
        if is_text(key) and key not in english:
            print("parlune-po: %s's %s is not in en.json, so the catalog leaves it out; add it to en.json, or "
                  "fix its name" % (language_path, key), file=sys.stderr)
            lost += 1
    with open(catalog_path, "wb") as file:
        file.write(bytes(catalog))
    return 1 if lost else 0


def import_catalog(english_path, catalog_path, language_path):
    english = read_language_file(english_path)
    catalog = read_store(catalog_path, po.pofile)
    entries = {}
    for unit in catalog.units:
        if unit.isheader() or unit.isobsolete():
            continue
        entries[unit.getcontext() or "".join(unit.getlocations())] = unit
    texts = {}
    if os.path.exists(language_path):  # its facts stay
        for key, unit in read_language_file(language_path).items():
            if not is_text(key):
                texts[key] = unit.source
    lost = 0
    for key, source in english.items():
        entry = entries.pop(key, None)
        if not is_text(key) or entry is None or entry.isfuzzy() or not entry.istranslated():
            continue
        if entry.source != source.source:
            print("parlune-po: %s: en.json's text has changed since the catalog was made; its translation is "
                  "taken all the same, check it" % key, file=sys.stderr)
        texts[key] = entry.target
    for key, entry in entries.items():
        if entry.istranslated():
            print("parlune-po: the catalog's %s is not in en.json, so the file leaves it out" % key, file=sys.stderr)
            lost += 1
    with open(language_path, "w", encoding="utf-8", newline="\n") as file:
        file.write(json.dumps(texts, ensure_ascii=False, indent=2) + "\n")
    return 1 if lost else 0


def main(arguments):
    if len(arguments) == 4 and arguments[0] == "export":
        return export(arguments[1], arguments[2], arguments[3])
    if len(arguments) == 3 and arguments[0] == "export":
        return export(arguments[1], None, arguments[2])
    if len(arguments) == 4 and arguments[0] == "import":
        return import_catalog(arguments[1], arguments[2], arguments[3])
    print(__doc__.strip(), file=sys.stderr if arguments[:1] not in (["--help"], ["-h"]) else sys.stdout)
    return 0 if arguments[:1] in (["--help"], ["-h"]) else 2


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
