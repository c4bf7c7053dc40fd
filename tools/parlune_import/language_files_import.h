// LangStrings of several scripts turned into one language file per language.
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "nsis_text.h"

struct ScriptSource {
    std::string name;  // as the report shows it
    std::string utf8;  // the script's text
};

struct ImportedFile {
    std::string tag;  // the file's base name: "en", "de", "sr-latn"
    std::string nsisLanguageId;
    std::vector<std::pair<std::string, std::string>> texts;  // key and text, in the keys' first order
};

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

struct LanguageImport {
    std::size_t langStrings = 0;      // LangString commands read, imported or not
    std::size_t imported = 0;
    std::vector<ImportedFile> files;  // en first, then by tag
    std::size_t keys = 0;             // distinct keys over all languages
    std::vector<ImportNote> skipped;
    std::vector<PlaceholderToFill> placeholders;  // each key's each placeholder once

    const ImportedFile* English() const;
};

// Keys compare ignoring ASCII case, as the plug-in reads them. A LangString
// defined again for the same language replaces the earlier one, as in the
// installer NSIS builds; one whose name differs only in letter case from an
// earlier key is skipped.
LanguageImport ImportLangStrings(const std::vector<ScriptSource>& scripts);

// The language file's JSON: UTF-8 without a byte-order mark, the NSIS
// language id first.
std::string LanguageFileText(const ImportedFile& file);
