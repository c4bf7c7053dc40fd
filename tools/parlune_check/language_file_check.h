// What the installer makes of one language file's bytes.
#pragma once

#include <string>
#include <vector>

#include "problem.h"

// The first occurrence of a key (keys compare ignoring ASCII case).
struct KeyEntry {
    std::string foldedName;  // ASCII lower case, for comparing files
    std::string name;        // as written
    std::size_t line;
    std::size_t column;
    bool hasText;  // the first occurrence holds a string: GetStr finds it
    std::string text;  // the text GetStr finds, when hasText
};

// ARB's "@Key": {"description": "…", "maxLength": N}: a note to translators
// beside the key it is about, which the installer never asks for.
struct TranslatorNote {
    std::string key;  // as written after the "@"
    std::size_t line;
    std::size_t column;
    std::size_t maxLength = 0;  // characters; 0 for no limit
};

struct LanguageFileCheck {
    std::vector<Problem> problems;
    std::vector<TranslatorNote> notes;
    bool readable = false;  // the installer gets a document that answers keys
    std::vector<KeyEntry> keys;
    std::size_t textCount = 0;  // keys whose first occurrence holds a string
    std::size_t endLine = 1;  // where the root object closes: where missing keys go
    std::size_t endColumn = 1;
};

constexpr int kNsisStringSize = 1024;  // NSIS's standard build; 8192 in its large-strings build

// stringSize is the host's, in UTF-16 units with the terminator: texts longer
// than stringSize - 1 units are cut.
LanguageFileCheck CheckLanguageFile(const std::string& bytes, int stringSize);

// "@Key" notes and ARB's "@@locale"-style attributes: no text to translate.
inline bool IsAnnotation(const std::string& name) { return !name.empty() && name[0] == '@'; }

// The number of texts in the check that the installer can find.
std::size_t CountTexts(const LanguageFileCheck& check);
