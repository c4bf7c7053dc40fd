// The fixed table from language codes to the base names of language files.
#pragma once

#include <string>
#include <vector>

struct LanguageCodeRow {
    const char* code;      // upper case, compared whole
    const char* baseName;  // the language file is this name followed by ".json"
};

// The table's 200 rows in the order they are tested: 60 base names, each
// selected by one or more codes.
std::vector<LanguageCodeRow> LanguageCodeRows();

// Maps a language tag such as "en-US" or "zh-Hans-CN", compared whole and
// ignoring ASCII case, to a file base name such as "en" or "zh-cn"; the empty
// string when the table does not hold the tag.
std::string MapLanguageCode(const std::string& tag);
