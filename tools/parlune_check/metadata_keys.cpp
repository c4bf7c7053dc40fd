#include "metadata_keys.h"

#include <cstdlib>

#include "ascii_case.h"
#include "language_names.h"

namespace {

// Windows's primary language: regional ids (3079, de-AT) share it with
// the language's own (1031).
long PrimaryLanguage(const std::string& id) { return std::strtol(id.c_str(), nullptr, 10) & 0x3FF; }

bool IsOwnLanguageId(const FileReport& report, const std::string& id) {
    const std::vector<std::string> tags = TagsOfNsisId(id);
    for (const std::string& tag : tags) {
        if (PrimarySubtag(tag) == PrimarySubtag(report.baseName)) return true;
    }
    const std::string& own = report.tagLanguage.nsisId;
    return tags.empty() && !own.empty() && PrimaryLanguage(id) == PrimaryLanguage(own);
}

void CheckLanguageId(FileReport& report, const KeyEntry& key) {
    const std::string& own = report.tagLanguage.nsisId;
    const std::string language = report.tagLanguage.englishName.empty() ? report.baseName : report.tagLanguage.englishName;
    const std::string fix = own.empty() ? std::string("leave it out") : "give \"" + own + "\" or leave it out";
    const char* const readOnly = " (mark NsisLanguageId read-only on your translation platform)";
    if (!IsAsciiDigits(key.text)) {
        report.problems.push_back({Severity::Warning, "nsis-language-id", key.line, key.column,
                                   "NsisLanguageId \"" + key.text + "\" is no number, so the installer ignores it" +
                                       (own.empty() ? std::string() : " and takes " + own + ", " + language + "'s id") +
                                       "; " + fix + readOnly + "."});
        return;
    }
    // A language NSIS lacks may name its nearest (Kaingang Portuguese's 1046).
    if (report.tagLanguage.nsisLanguage.empty() || IsOwnLanguageId(report, key.text)) return;
    const std::vector<std::string> tags = TagsOfNsisId(key.text);
    const std::string other = tags.empty() ? "an id of no language NSIS or Parlune knows" : LanguageName(tags.front()) + "'s";
    const std::string table = tags.empty() ? "another language's" : LanguageName(tags.front()) + "'s";
    report.problems.push_back(
        {Severity::Error, "nsis-language-id", key.line, key.column,
         "NsisLanguageId " + key.text + " is " + other + ", not " + language + "'s, so with this file the installer "
             "would show " + table + " NSIS buttons and texts, and the file's texts for NSIS's own would go into " +
             table + " table; " + fix + readOnly + "."});
}

void CheckLanguageName(FileReport& report, const KeyEntry& key, const LanguageFileCheck& english) {
    if (PrimarySubtag(report.baseName) == "en") return;
    for (const KeyEntry& englishKey : english.keys) {
        if (englishKey.foldedName != key.foldedName || !englishKey.hasText || englishKey.text != key.text) continue;
        report.problems.push_back({Severity::Warning, "language-name", key.line, key.column,
                                   "LanguageName is en.json's \"" + key.text + "\", so the language dialog lists this "
                                   "file by that name; give the language's own name, or leave it out for the "
                                   "table's (mark LanguageName read-only on your translation platform)."});
    }
}

}  // namespace

bool IsMetadataKey(const std::string& foldedName) {
    return foldedName == "nsislanguageid" || foldedName == "languagename";
}

void CheckMetadata(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english) {
    for (const KeyEntry& key : check.keys) {
        if (!key.hasText) continue;
        if (key.foldedName == "nsislanguageid") CheckLanguageId(report, key);
        if (key.foldedName == "languagename" && english != nullptr && english != &check) {
            CheckLanguageName(report, key, *english);
        }
    }
}
