// Finds the LangString commands of an NSIS script, the way makensis splits
// its lines: continuation backslashes, comments, and the three quote styles.
#pragma once

#include <map>
#include <string>
#include <vector>

struct LangStringLine {
    std::string name;
    std::string language;  // the argument as written: "${LANG_GERMAN}", "1031"
    std::string text;      // as written inside its quotes: NSIS escapes and references untouched
    char quote;            // the quote it was written in, '\0' for none
    std::size_t line;      // where the command starts, 1-based; 0 when the text has no lines of its own
};

// What makensis would refuse, so the installer never holds it.
struct ScriptError {
    std::size_t line;
    std::string message;
};

struct ScriptLangStrings {
    std::vector<LangStringLine> langStrings;
    std::vector<std::size_t> malformedLines;  // LangString without exactly name, language and text
    std::vector<std::size_t> licenseLines;    // LicenseLangString: a file per language, not a text
    std::vector<ScriptError> errors;
    // What only makensis sees; the source reader says where it met them.
    std::vector<std::size_t> includeLines;
    std::vector<std::size_t> macroLangStringLines;  // LangStrings inside !macro bodies
    std::vector<std::size_t> unevaluatedConditions;  // !if lines whose branch it could not decide
};

enum class ScriptForm {
    Source,        // a file as the author wrote it
    Preprocessed,  // makensis's preprocessor output: joined, defines and macros filled in,
                   // $\r $\n $\t already the characters, and so line breaks inside quotes
};

// NAME -> value, as !define sets them.
using ScriptDefines = std::map<std::string, std::string>;

// In the source form, !define values fill ${NAME} as makensis does, !ifdef,
// !ifndef and !if on plain values choose their branch, and LangFile.nsh's
// ${LangFileString} lines count as LangStrings of the file's language.
// defines, when given, holds what earlier files defined and takes this
// one's, as an include sees its script's.
ScriptLangStrings ReadLangStrings(const std::string& utf8Script, ScriptForm form = ScriptForm::Source,
                                  ScriptDefines* defines = nullptr);
