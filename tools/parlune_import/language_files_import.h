// LangStrings of several scripts turned into one language file per language.
#pragma once

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "langstring_reader.h"
#include "nsis_text.h"

struct ScriptSource {
    std::string name;  // as the report shows it
    std::string utf8;  // the script's text
    ScriptForm form = ScriptForm::Source;
    std::set<std::string> nsisTextNames;  // names NSIS's own language files give texts: left to NSIS
};

struct ImportedFile {
    std::string tag;  // the file's base name: "en", "de", "sr-latn"
    std::string nsisLanguageId;
    std::vector<std::pair<std::string, std::string>> texts;  // key and text, in the keys' first order
    std::size_t keys = 0;  // as parlune-check counts them in the written file
};

// "Setup.nsi:12", or "Setup.nsi" for makensis's output, whose lines are its own.
inline std::string ScriptPlace(const std::string& script, std::size_t line) {
    return line == 0 ? script : script + ":" + std::to_string(line);
}

struct ImportNote {
    std::string script;
    std::size_t line;
    std::string message;
};

struct PlaceholderToFill {
    std::string script;
    std::size_t line;
    std::string key;
    Placeholder placeholder;
};

// A LangString of one of NSIS's own texts that no language file gives
// ("^Name"): it goes to an include file the script keeps.
struct NsisTextOverride {
    std::string script;
    std::size_t line;
    std::string name;      // with its "^"
    std::string language;  // the argument as read
    std::string text;      // as written, NSIS escapes untouched
    char quote;
};

struct LanguageImport {
    std::size_t langStrings = 0;      // LangString commands read, imported or not
    std::size_t imported = 0;
    std::vector<ImportedFile> files;  // en first, then by tag
    std::size_t keys = 0;             // distinct keys over all written files, as parlune-check counts them
    std::vector<ImportNote> skipped;
    std::vector<PlaceholderToFill> placeholders;  // each key's each placeholder once
    std::vector<NsisTextOverride> overrides;
    std::vector<ImportNote> errors;  // what makensis refuses: nothing is imported then
    std::size_t nsisTexts = 0;       // LangStrings of NSIS's own language files, left to NSIS

    const ImportedFile* English() const;
};

// Keys compare ignoring ASCII case, as the plug-in reads them. A LangString
// defined again for the same language replaces the earlier one, as in the
// installer NSIS builds; one whose name differs only in letter case from an
// earlier key is skipped.
// defines: what the build passes to makensis (-DNAME=VALUE), which the
// source reader sees before the first file's own.
LanguageImport ImportLangStrings(const std::vector<ScriptSource>& scripts, const ScriptDefines& defines = {});

// The language file's JSON: UTF-8 without a byte-order mark, the NSIS
// language id first.
std::string LanguageFileText(const ImportedFile& file);

// The include file that keeps the overrides of NSIS's own texts, as
// LangString lines makensis reads (UTF-8 with a byte-order mark).
std::string OverridesIncludeText(const std::vector<NsisTextOverride>& overrides);
