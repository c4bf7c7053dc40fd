// Finds the LangString commands of an NSIS script, the way makensis splits
// its lines: continuation backslashes, comments, and the three quote styles.
#pragma once

#include <string>
#include <vector>

struct LangStringLine {
    std::string name;
    std::string language;  // the argument as written: "${LANG_GERMAN}", "1031"
    std::string text;      // as written inside its quotes: NSIS escapes and references untouched
    std::size_t line;      // where the command starts, 1-based
};

struct ScriptLangStrings {
    std::vector<LangStringLine> langStrings;
    std::vector<std::size_t> malformedLines;  // LangString without exactly name, language and text
    std::vector<std::size_t> licenseLines;    // LicenseLangString: a file per language, not a text
};

ScriptLangStrings ReadLangStrings(const std::string& utf8Script);
