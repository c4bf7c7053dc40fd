// An NSIS string as a language file's text: escapes become the characters
// they stand for, references become {{placeholders}} for ${ParluneFormat}.
#pragma once

#include <string>
#include <vector>

struct Placeholder {
    std::string name;       // "INSTDIR", inside {{ }}
    std::string reference;  // what the script fills it with: "$INSTDIR", "$(^Name)", "${PRODUCT}"
};

struct ConvertedText {
    std::string text;
    std::vector<Placeholder> placeholders;  // in order, each name once
};

// $\r $\n $\t and the escaped quotes give their characters, $$ gives $.
// $VAR, $(LangString) (and NSIS's $(^Name)), ${DEFINE} and $%ENV% give
// {{VAR}}, {{LangString}}, {{Name}}, {{DEFINE}}, {{ENV}}. A $ that starts
// none of these stays as it is, as makensis keeps it.
ConvertedText ConvertNsisText(const std::string& written);
