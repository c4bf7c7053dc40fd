#include "language_files_import.h"

#include <algorithm>
#include <map>
#include <set>

#include "ansi_texts.h"
#include "ascii_case.h"
#include "file_keys.h"
#include "json_quoted.h"
#include "langstring_reader.h"
#include "language_names.h"
#include "nsis_languages.h"
#include "nsis_language_files.h"
#include "report_text.h"

namespace {

struct Definition {
    std::string name;  // as written
    ConvertedText converted;
    std::size_t script;  // index into the scripts
    std::size_t line;
};

struct LanguageTexts {
    std::string nsisLanguageId;
    std::map<std::string, Definition> byFoldedKey;
};

struct UnknownLanguage {
    std::string shown;
    std::string script;  // where it first appears
    std::size_t line;
    std::size_t texts;
};

// Gathers the LangStrings of the scripts in reading order, then lays them out
// as one file per language.
class LangStringCollector {
public:
    LangStringCollector(const std::vector<ScriptSource>& scripts, const ScriptDefines& defines)
        : scripts_(scripts), defines_(defines) {}

    LanguageImport Import() {
        for (std::size_t index = 0; index < scripts_.size(); ++index) Read(index);
        SortSkipped();
        for (const UnknownLanguage& language : unknown_) {
            const std::string why =
                language.shown == "0" ? "language 0 is whichever the script loaded last; write its ${LANG_...} name"
                : language.shown.find("${") != std::string::npos
                    ? "the language " + language.shown + " is filled in by makensis alone; let makensis read the script"
                    : "no language tag is known for " + language.shown +
                          " (NSIS ships no such language); copy them by hand into a file named by the language's "
                          "tag in lower case";
            result_.skipped.push_back({language.script, language.line, Counted(language.texts, "text") + " skipped: " + why});
        }
        LayOutFiles();
        ListPlaceholders();
        CountKeys();
        return result_;
    }

private:
    void Read(std::size_t index) {
        const ScriptSource& script = scripts_[index];
        const ScriptLangStrings found = ReadLangStrings(script.utf8, script.form, &defines_);
        result_.langStrings += found.langStrings.size() + found.malformedLines.size();
        for (const ScriptError& error : found.errors) result_.errors.push_back({script.name, error.line, error.message});
        NoteWhatOnlyMakensisSees(script.name, found);
        for (std::size_t line : found.malformedLines) {
            result_.skipped.push_back({script.name, line, "LangString needs a name, a language and a text; skipped"});
        }
        if (!found.licenseLines.empty()) {
            result_.skipped.push_back({script.name, found.licenseLines.front(),
                                       Counted(found.licenseLines.size(), "LicenseLangString") +
                                           " from here on name license files, not texts: they stay in the script"});
        }
        for (const LangStringLine& langString : found.langStrings) {
            if (script.nsisTextNames.count(langString.name) != 0) {
                ++result_.nsisTexts;
                continue;
            }
            const NsisText* nsisText = FindNsisText(langString.name);
            if (langString.name.compare(0, 1, "^") == 0 && nsisText == nullptr) {
                std::string text = langString.text;
                if (HasAnsiMarks(text) &&
                    !DecodeAnsiMarks(text, AnsiCodePageOfLanguage(LanguageOfArgument(langString.language).id), text)) {
                    result_.skipped.push_back({script.name, langString.line,
                                               langString.name + " is in an ANSI code page that its language does "
                                               "not name: skipped; save the file as UTF-8"});
                    continue;
                }
                result_.overrides.push_back({script.name, langString.line, langString.name, langString.language,
                                             text, langString.quote});
                continue;
            }
            const ImportLanguage language = LanguageOfArgument(langString.language);
            std::string text = langString.text;
            if (language.tag.empty()) {
                CountUnknown(language.shown, script.name, langString.line);
            } else if (HasAnsiMarks(text) && !DecodeAnsiMarks(text, AnsiCodePageOfLanguage(language.id), text)) {
                result_.skipped.push_back(
                    {script.name, langString.line,
                     langString.name + " for " + LanguageName(language.tag) +
                         " is in an ANSI code page, and its bytes are no text in the one NSIS gives the language (" +
                         std::to_string(AnsiCodePageOfLanguage(language.id)) +
                         ", 0 for none): skipped; save the file as UTF-8, or name its code page with --codepage"});
            } else if (nsisText != nullptr) {
                // NSIS's own text: plain, its references left for NSIS to fill
                Define(language, {nsisText->name, {PlainFromNsisString(text), {}}, index, langString.line});
            } else {
                Define(language, {langString.name, ConvertNsisText(text), index, langString.line});
            }
        }
    }

    void NoteWhatOnlyMakensisSees(const std::string& script, const ScriptLangStrings& found) {
        if (!found.includeLines.empty()) {
            result_.skipped.push_back({script, found.includeLines.front(),
                                       Counted(found.includeLines.size(), "!include") +
                                           " from here on not followed without makensis: name those files too"});
        }
        if (!found.macroLangStringLines.empty()) {
            result_.skipped.push_back({script, found.macroLangStringLines.front(),
                                       Counted(found.macroLangStringLines.size(), "LangString") +
                                           " inside !macro bodies from here on: only makensis fills in a macro's "
                                           "arguments; skipped"});
        }
        if (!found.unevaluatedConditions.empty()) {
            result_.skipped.push_back({script, found.unevaluatedConditions.front(),
                                       Counted(found.unevaluatedConditions.size(), "condition") +
                                           " from here on only makensis can decide: their texts are read as if "
                                           "they held"});
        }
    }

    void CountUnknown(const std::string& shown, const std::string& script, std::size_t line) {
        for (UnknownLanguage& known : unknown_) {
            if (known.shown == shown) {
                ++known.texts;
                return;
            }
        }
        unknown_.push_back({shown, script, line, 1});
    }

    void Define(const ImportLanguage& language, const Definition& definition) {
        const std::string folded = AsciiLower(definition.name);
        LanguageTexts& texts = languages_[language.tag];
        texts.nsisLanguageId = language.id;
        const auto earlier = texts.byFoldedKey.find(folded);
        const std::string& script = scripts_[definition.script].name;
        if (earlier == texts.byFoldedKey.end()) {
            if (keyNames_.emplace(folded, definition.name).second) keyOrder_.push_back(folded);
            texts.byFoldedKey.emplace(folded, definition);
        } else if (earlier->second.name == definition.name) {
            // makensis warns, and the installer shows the last definition.
            // The same text from another script is an include read twice.
            const Definition& replaced = earlier->second;
            if (replaced.script != definition.script && replaced.converted.text == definition.converted.text) return;
            result_.skipped.push_back({scripts_[replaced.script].name, replaced.line,
                                       replaced.name + " for " + LanguageName(language.tag) + " is defined again at " +
                                           ScriptPlace(script, definition.line) +
                                           ", and NSIS shows the last definition: this one is skipped"});
            earlier->second = definition;
        } else {
            result_.skipped.push_back({script, definition.line,
                                       definition.name + " and " + earlier->second.name +
                                           " are one key in a language file, which ignores letter case: this one "
                                           "is skipped; rename one of them"});
        }
    }

    void SortSkipped() {
        std::map<std::string, std::size_t> order;
        for (std::size_t index = 0; index < scripts_.size(); ++index) order.emplace(scripts_[index].name, index);
        std::stable_sort(result_.skipped.begin(), result_.skipped.end(), [&](const ImportNote& a, const ImportNote& b) {
            return std::make_pair(order[a.script], a.line) < std::make_pair(order[b.script], b.line);
        });
    }

    // en first: the file every other one falls back to.
    void LayOutFiles() {
        std::vector<std::string> tags;
        if (languages_.count("en")) tags.push_back("en");
        for (const auto& language : languages_) {
            if (language.first != "en") tags.push_back(language.first);
        }
        for (const std::string& tag : tags) {
            const LanguageTexts& texts = languages_[tag];
            ImportedFile file{tag, texts.nsisLanguageId, {}};
            for (const std::string& folded : keyOrder_) {
                const auto found = texts.byFoldedKey.find(folded);
                if (found == texts.byFoldedKey.end()) continue;
                file.texts.emplace_back(keyNames_[folded], found->second.converted.text);
                kept_.push_back(&found->second);
            }
            result_.files.push_back(file);
        }
        result_.imported = kept_.size();
    }

    // Each written file's texts counted as the checker counts them.
    void CountKeys() {
        std::set<std::string> keys;
        for (ImportedFile& file : result_.files) {
            const FileKeys fileKeys = ReadFileKeys(LanguageFileText(file));
            file.keys = fileKeys.TextCount();
            for (const std::string& key : fileKeys.FoundKeys()) keys.insert(key);
        }
        result_.keys = keys.size();
    }

    // Each key's each placeholder once, where the scripts first have it.
    void ListPlaceholders() {
        std::stable_sort(kept_.begin(), kept_.end(), [](const Definition* a, const Definition* b) {
            return std::make_pair(a->script, a->line) < std::make_pair(b->script, b->line);
        });
        std::set<std::pair<std::string, std::string>> listed;
        for (const Definition* definition : kept_) {
            const std::string folded = AsciiLower(definition->name);
            for (const Placeholder& placeholder : definition->converted.placeholders) {
                if (listed.emplace(folded, placeholder.name).second) {
                    result_.placeholders.push_back(
                        {scripts_[definition->script].name, definition->line, keyNames_[folded], placeholder});
                }
            }
        }
    }

    const std::vector<ScriptSource>& scripts_;
    LanguageImport result_;
    std::vector<std::string> keyOrder_;            // folded, in first appearance
    std::map<std::string, std::string> keyNames_;  // folded -> as first written
    std::map<std::string, LanguageTexts> languages_;
    std::vector<UnknownLanguage> unknown_;
    std::vector<const Definition*> kept_;  // what the files hold
    ScriptDefines defines_;  // the named files' defines, in reading order, as includes see them
};

}  // namespace

const ImportedFile* LanguageImport::English() const {
    return !files.empty() && files.front().tag == "en" ? &files.front() : nullptr;
}

LanguageImport ImportLangStrings(const std::vector<ScriptSource>& scripts, const ScriptDefines& defines) {
    return LangStringCollector(scripts, defines).Import();
}

std::string OverridesIncludeText(const std::vector<NsisTextOverride>& overrides) {
    std::string out = "\xEF\xBB\xBF; NSIS's own texts as the scripts set them, kept by parlune-import:\n"
                      "; !include this file after the languages are loaded.\n";
    for (const NsisTextOverride& text : overrides) {
        // makensis's output holds $\r $\n $\t as the characters: write them back.
        std::string written;
        for (char c : text.text) {
            if (c == '\r') written += "$\\r";
            else if (c == '\n') written += "$\\n";
            else if (c == '\t') written += "$\\t";
            else written += c;
        }
        const char quote = text.quote == '\0' ? '"' : text.quote;
        out += "LangString " + text.name + " " + text.language + " " + quote + written + quote + "\n";
    }
    return out;
}

std::string LanguageFileText(const ImportedFile& file) {
    std::string out = "{\n  \"NsisLanguageId\": " + JsonQuoted(file.nsisLanguageId);
    for (const auto& text : file.texts) out += ",\n  " + JsonQuoted(text.first) + ": " + JsonQuoted(text.second);
    return out + "\n}\n";
}
