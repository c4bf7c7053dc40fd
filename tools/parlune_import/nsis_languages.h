// Which Parlune language file an NSIS language id or LANG_ name stands for.
#pragma once

#include <string>
#include <vector>

// One row of Parlune.nsh's language table.
struct NsisLanguageRow {
    const char* tag;           // the file's base name: "de", "sr-latn"
    const char* ids;           // NSIS language ids, the one $LANGUAGE takes first; "" for none
    const char* nsisLanguage;  // NSIS's own name of the language ("German"), "-" for none
};

const std::vector<NsisLanguageRow>& NsisLanguageRows();

struct ImportLanguage {
    std::string tag;     // empty when no language file stands for the language
    std::string id;      // the NSIS language id for the file's NsisLanguageId
    std::string shown;   // how the script wrote it, for the report: "LANG_GERMAN", "1031"
};

// The language of a LangString's language argument: "${LANG_GERMAN}" by
// NSIS's name, or a decimal NSIS language id. An id that is some language's
// own comes before one that a language only reads back (3082 is Spanish
// (Latin America), whose NSIS language it is, not Spanish).
ImportLanguage LanguageOfArgument(const std::string& argument);
