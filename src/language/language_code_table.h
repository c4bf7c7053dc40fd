// The fixed table from language codes to the base names of language files.
#pragma once

#include <cstddef>

// The longest code ("SR-LATN-RS") and base name ("sr-latn") with their NULs.
// The rows hold their texts in place, so the table needs no pointers, and the
// module no relocations for them; a longer one does not compile.
constexpr std::size_t kLanguageCodeBytes = 11;
constexpr std::size_t kBaseNameBytes = 8;

struct LanguageCodeRow {
    char code[kLanguageCodeBytes];  // upper case, compared whole
    char baseName[kBaseNameBytes];  // the language file is this name followed by ".json"
};

// The table's 200 rows in the order they are tested: 60 base names, each
// selected by one or more codes.
struct LanguageCodeTable {
    const LanguageCodeRow* rows;
    std::size_t count;

    const LanguageCodeRow* begin() const { return rows; }
    const LanguageCodeRow* end() const { return rows + count; }
};
LanguageCodeTable LanguageCodeRows();

// Maps a language tag such as "en-US" or "zh-Hans-CN" (length bytes, compared
// whole and ignoring ASCII case) to a file base name such as "en" or "zh-cn",
// which lives as long as the program; "" when the table does not hold the tag.
const char* MapLanguageCode(const char* tag, std::size_t length);
