#include "language_files_import.h"

#include <algorithm>
#include <map>
#include <set>

#include "ascii_case.h"
#include "json_quoted.h"
#include "langstring_reader.h"
#include "language_names.h"
#include "nsis_languages.h"
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
    std::string script;  // where it first appears
    std::size_t line;
    std::size_t texts = 0;
};

std::string Where(const std::string& script, std::size_t line) { return script + ":" + std::to_string(line); }

std::string UnknownMessage(const std::string& shown, const UnknownLanguage& unknown) {
    const std::string why = shown == "0" ? "language 0 is whichever the script loaded last; write its ${LANG_...} name"
                                         : "no Parlune language file stands for " + shown;
    return Counted(unknown.texts, "text") + " skipped: " + why;
}

bool InReadingOrder(const Definition* a, const Definition* b) {
    return a->script != b->script ? a->script < b->script : a->line < b->line;
}

}  // namespace

const ImportedFile* LanguageImport::English() const {
    return !files.empty() && files.front().tag == "en" ? &files.front() : nullptr;
}

LanguageImport ImportLangStrings(const std::vector<ScriptSource>& scripts) {
    LanguageImport result;
    std::vector<std::string> keyOrder;  // folded, in first appearance
    std::map<std::string, std::string> keyNames;  // folded -> as first written
    std::map<std::string, LanguageTexts> languages;
    std::vector<std::pair<std::string, UnknownLanguage>> unknown;

    for (std::size_t index = 0; index < scripts.size(); ++index) {
        const ScriptSource& script = scripts[index];
        const ScriptLangStrings found = ReadLangStrings(script.utf8);
        result.langStrings += found.langStrings.size() + found.malformedLines.size();
        for (std::size_t line : found.malformedLines) {
            result.skipped.push_back({script.name, line, "LangString needs a name, a language and a text; skipped"});
        }
        if (!found.licenseLines.empty()) {
            result.skipped.push_back({script.name, found.licenseLines.front(),
                                      Counted(found.licenseLines.size(), "LicenseLangString") +
                                          " from here on name license files, not texts: they stay in the script"});
        }
        for (const LangStringLine& langString : found.langStrings) {
            const ImportLanguage language = LanguageOfArgument(langString.language);
            if (language.tag.empty()) {
                auto known = unknown.begin();
                while (known != unknown.end() && known->first != language.shown) ++known;
                if (known == unknown.end()) {
                    unknown.push_back({language.shown, {script.name, langString.line}});
                    known = unknown.end() - 1;
                }
                ++known->second.texts;
                continue;
            }
            const std::string folded = AsciiLower(langString.name);
            LanguageTexts& texts = languages[language.tag];
            texts.nsisLanguageId = language.id;
            const Definition definition{langString.name, ConvertNsisText(langString.text), index, langString.line};
            const auto earlier = texts.byFoldedKey.find(folded);
            if (earlier == texts.byFoldedKey.end()) {
                if (keyNames.emplace(folded, langString.name).second) keyOrder.push_back(folded);
                texts.byFoldedKey.emplace(folded, definition);
            } else if (earlier->second.name == langString.name) {
                // makensis warns, and the installer shows the last definition.
                const Definition& replaced = earlier->second;
                result.skipped.push_back({scripts[replaced.script].name, replaced.line,
                                          replaced.name + " for " + LanguageName(language.tag) + " is defined again at " +
                                              Where(script.name, langString.line) +
                                              ", and NSIS shows the last definition: this one is skipped"});
                earlier->second = definition;
            } else {
                result.skipped.push_back({script.name, langString.line,
                                          langString.name + " and " + earlier->second.name +
                                              " are one key in a language file, which ignores letter case: this "
                                              "one is skipped; rename one of them"});
            }
        }
    }
    std::map<std::string, std::size_t> scriptOrder;
    for (std::size_t index = 0; index < scripts.size(); ++index) scriptOrder.emplace(scripts[index].name, index);
    std::stable_sort(result.skipped.begin(), result.skipped.end(), [&](const ImportNote& a, const ImportNote& b) {
        return std::make_pair(scriptOrder[a.script], a.line) < std::make_pair(scriptOrder[b.script], b.line);
    });
    for (const auto& language : unknown) {
        result.skipped.push_back({language.second.script, language.second.line, UnknownMessage(language.first, language.second)});
    }

    // en first: the file every other one falls back to.
    std::vector<std::string> tags;
    if (languages.count("en")) tags.push_back("en");
    for (const auto& language : languages) {
        if (language.first != "en") tags.push_back(language.first);
    }
    std::vector<const Definition*> kept;
    for (const std::string& tag : tags) {
        const LanguageTexts& texts = languages[tag];
        ImportedFile file{tag, texts.nsisLanguageId, {}};
        for (const std::string& folded : keyOrder) {
            const auto found = texts.byFoldedKey.find(folded);
            if (found == texts.byFoldedKey.end()) continue;
            file.texts.emplace_back(keyNames[folded], found->second.converted.text);
            kept.push_back(&found->second);
        }
        result.files.push_back(file);
    }
    result.imported = kept.size();
    result.keys = keyOrder.size();

    // Each key's each placeholder once, where the scripts first have it.
    std::stable_sort(kept.begin(), kept.end(), InReadingOrder);
    std::set<std::pair<std::string, std::string>> listed;
    for (const Definition* definition : kept) {
        const std::string key = keyNames[AsciiLower(definition->name)];
        for (const Placeholder& placeholder : definition->converted.placeholders) {
            if (listed.emplace(AsciiLower(key), placeholder.name).second) {
                result.placeholders.push_back({scripts[definition->script].name, definition->line, key, placeholder});
            }
        }
    }
    return result;
}

std::string LanguageFileText(const ImportedFile& file) {
    std::string out = "{\n  \"NsisLanguageId\": " + JsonQuoted(file.nsisLanguageId);
    for (const auto& text : file.texts) out += ",\n  " + JsonQuoted(text.first) + ": " + JsonQuoted(text.second);
    return out + "\n}\n";
}

std::string ImportReport(const LanguageImport& result, const std::string& outFolder, bool written) {
    std::string out;
    if (!result.skipped.empty()) {
        out += "Skipped:\n";
        for (const ImportNote& note : result.skipped) out += "  " + Where(note.script, note.line) + ": " + note.message + "\n";
        out += "\n";
    }
    std::set<std::string> englishKeys;
    if (const ImportedFile* english = result.English()) {
        for (const auto& text : english->texts) englishKeys.insert(AsciiLower(text.first));
    }
    for (const ImportedFile& file : result.files) {
        std::size_t covered = 0;
        for (const auto& text : file.texts) covered += englishKeys.count(AsciiLower(text.first));
        out += (written ? "Wrote " : "Found ") + Padded(outFolder + "/" + file.tag + ".json", outFolder.size() + 14) +
               Padded(LanguageName(file.tag), 26) + Counted(file.texts.size(), "key");
        if (file.tag != "en" && !englishKeys.empty()) {
            out += ", " + std::to_string(covered * 100 / englishKeys.size()) + "% of en.json";
        }
        out += "\n";
    }
    if (!result.placeholders.empty()) {
        out += "\nPlaceholders to fill in the script once their values are known:\n";
        for (const PlaceholderToFill& fill : result.placeholders) {
            out += "  " + Where(fill.script, fill.line) + ": " + fill.key + " has {{" + fill.placeholder.name +
                   "}}: ${ParluneFormat} $" + fill.key + " \"" + fill.placeholder.name + "\" \"" +
                   fill.placeholder.reference + "\"\n";
        }
    }
    out += "\n" + Counted(result.files.size(), "language") + ", " + Counted(result.keys, "key") + ", " +
           std::to_string(result.imported) + " of " + Counted(result.langStrings, "LangString") + (written ? " imported, " : " importable, ") +
           Counted(result.placeholders.size(), "placeholder") + " to fill\n";
    return out;
}
