#include "translator_notes.h"

#include <map>
#include <set>

#include "ascii_case.h"
#include "utf8_text.h"

namespace {

struct Limit {
    const TranslatorNote* note;
    const char* where;  // "" for the file's own note
};

void AddLimits(const LanguageFileCheck& check, const char* where, std::map<std::string, Limit>& limits) {
    for (const TranslatorNote& note : check.notes) {
        if (note.maxLength > 0) limits[AsciiLower(note.key)] = {&note, where};
    }
}

}  // namespace

void CheckTranslatorNotes(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english) {
    std::set<std::string> keys;
    std::map<std::string, Limit> limits;
    for (const LanguageFileCheck* file : {english, &check}) {
        if (file == nullptr) continue;
        for (const KeyEntry& key : file->keys) {
            if (!IsAnnotation(key.name)) keys.insert(key.foldedName);
        }
        AddLimits(*file, file == &check ? "" : " in en.json", limits);  // the file's own notes over en.json's
    }
    for (const TranslatorNote& note : check.notes) {
        if (keys.count(AsciiLower(note.key)) != 0) continue;
        report.problems.push_back({Severity::Warning, "note-key", note.line, note.column,
                                   "The note \"@" + note.key + "\" is about no key of this file or of en.json, so no "
                                   "platform shows it beside a text; name it after its key, or remove it."});
    }
    for (const KeyEntry& key : check.keys) {
        const auto limit = limits.find(key.foldedName);
        if (!key.hasText || limit == limits.end()) continue;
        const std::size_t length = CharacterCount(key.text);
        const TranslatorNote& note = *limit->second.note;
        if (length <= note.maxLength) continue;
        report.problems.push_back({Severity::Warning, "max-length", key.line, key.column,
                                   "The text has " + std::to_string(length) + " characters, more than the " +
                                       std::to_string(note.maxLength) + " that \"@" + note.key + "\"" +
                                       limit->second.where +
                                       " allows, so it may not fit where the installer shows it; shorten it."});
    }
}
