#include "folder_check.h"

#include <algorithm>
#include <filesystem>
#include <iterator>
#include <map>
#include <set>

#include "ascii_case.h"
#include "declared_texts.h"
#include "file_names.h"
#include "file_reading.h"
#include "language_names.h"
#include "metadata_keys.h"
#include "nsis_text_check.h"
#include "translator_notes.h"
#include "utf8_text.h"

namespace {

namespace fs = std::filesystem;

bool IsJsonFile(const fs::path& path) {
    return AsciiLower(path.extension().u8string()) == ".json";
}

std::string JoinNames(const std::vector<std::string>& names) {
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) joined += i + 1 == names.size() ? " or " : ", ";
        joined += names[i];
    }
    return joined;
}

void CheckFileName(FileReport& report) {
    if (!report.baseName.empty()) return;
    const std::vector<std::string> suggestions = SuggestFileNames(report.fileName);
    std::string message = "The installer never loads this file: no language tag selects the name " + report.fileName;
    message += suggestions.empty() ? "; name it after its language tag in lower case (languages.md in its Docs folder)."
                                   : "; rename it to " + JoinNames(suggestions) + ".";
    report.problems.insert(report.problems.begin(), {Severity::Error, "file-name", 1, 1, message});
}

// The {{name}} placeholders of a text, each once.
std::set<std::string> Placeholders(const std::string& text) {
    std::set<std::string> names;
    for (std::size_t open = text.find("{{"); open != std::string::npos; open = text.find("{{", open + 2)) {
        const std::size_t close = text.find("}}", open + 2);
        if (close == std::string::npos) break;
        names.insert(text.substr(open + 2, close - open - 2));
    }
    return names;
}

std::string Listed(const std::vector<std::string>& names) {
    std::string out;
    for (const std::string& name : names) out += (out.empty() ? "{{" : ", {{") + name + "}}";
    return out;
}

// What a translation must keep of en.json's text for the same key.
void CompareTexts(FileReport& report, const KeyEntry& own, const KeyEntry& english) {
    const auto warn = [&](const char* kind, const std::string& message) {
        report.problems.push_back({Severity::Warning, kind, own.line, own.column, message});
    };
    const std::set<std::string> ours = Placeholders(own.text), theirs = Placeholders(english.text);
    std::vector<std::string> missing, extra;
    std::set_difference(theirs.begin(), theirs.end(), ours.begin(), ours.end(), std::back_inserter(missing));
    std::set_difference(ours.begin(), ours.end(), theirs.begin(), theirs.end(), std::back_inserter(extra));
    if (!missing.empty()) {
        warn("placeholder", "The text lacks en.json's " + Listed(missing) + ", so the installer never shows "
                            "what the script puts there; add it.");
    }
    if (!extra.empty()) {
        warn("placeholder", "The text has " + Listed(extra) + ", which en.json's text lacks, so the script fills "
                            "nothing in and the installer shows it as written; check its spelling.");
    }
    if (Accelerators(own.text) != Accelerators(english.text)) {
        warn("accelerator", "The text has " + std::to_string(Accelerators(own.text)) +
                                " & accelerator marks and en.json's has " + std::to_string(Accelerators(english.text)) +
                                "; give it as many (&& is a plain &).");
    }
    const bool leads = !own.text.empty() && IsTextWhiteSpace(own.text.front());
    const bool trails = !own.text.empty() && IsTextWhiteSpace(own.text.back());
    if (leads != (!english.text.empty() && IsTextWhiteSpace(english.text.front())) ||
        trails != (!english.text.empty() && IsTextWhiteSpace(english.text.back()))) {
        warn("white-space", "The text starts or ends with white space where en.json's does not, or the other way "
                            "round; the installer shows it as it is, so match en.json.");
    }
}

// What a translation's share counts: not NSIS's own texts (NSIS's language
// stands in for them), not the facts Parlune reads, not notes.
bool IsCoveredText(const KeyEntry& key) {
    return key.hasText && FindNsisText(key.name) == nullptr && !IsMetadataKey(key.foldedName) && !IsAnnotation(key.name);
}

std::size_t CoveredTexts(const LanguageFileCheck& check) {
    std::size_t count = 0;
    for (const KeyEntry& key : check.keys) count += IsCoveredText(key) ? 1 : 0;
    return count;
}

// The installer folds ASCII case; json2po and the platforms match keys
// exactly and take "welcometitle" for a key en.json lacks.
void CompareKeyCase(FileReport& report, const KeyEntry& own, const KeyEntry& english) {
    if (own.name == english.name) return;
    report.problems.push_back({Severity::Warning, "key-case", own.line, own.column,
                               "The key \"" + own.name + "\" differs from en.json's \"" + english.name +
                                   "\" only in letter case; the installer finds it, but json2po and translation "
                                   "platforms match keys exactly, so they drop this translation; write \"" +
                                   english.name + "\"."});
}

// Keys the file has that en.json lacks, and keys of en.json the file lacks.
void CompareWithEnglish(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck& englishCheck) {
    std::map<std::string, const KeyEntry*> englishKeys;
    for (const KeyEntry& key : englishCheck.keys) {
        if (key.hasText) englishKeys.emplace(key.foldedName, &key);
    }
    // NSIS's own texts fall back on NSIS's language, not on en.json.
    std::map<std::string, const KeyEntry*> ownKeys;
    for (const KeyEntry& key : check.keys) {
        ownKeys.emplace(key.foldedName, &key);
        if (!IsCoveredText(key)) continue;
        const auto english = englishKeys.find(key.foldedName);
        if (english != englishKeys.end()) {
            const KeyEntry& source = *english->second;
            CompareKeyCase(report, key, source);
            const bool empty = key.text.empty() && !source.text.empty();
            if (key.text == source.text || empty) {
                ++report.untranslated;
                report.untranslatedKeys.push_back(source.name);
            } else {
                ++report.translated;
            }
            if (empty) {
                report.problems.push_back({Severity::Warning, "empty-text", key.line, key.column,
                                           "The text of \"" + key.name + "\" is \"\", so the installer shows nothing "
                                           "where en.json has a text (a platform writes \"\" for a text not yet "
                                           "translated); translate it, or remove the key to show en.json's."});
            } else {
                CompareTexts(report, key, source);
            }
        } else if (key.name[0] != '^' && AsciiLower(key.name).compare(0, 4, "mui_") != 0) {  // NSIS's: named apart
            report.problems.push_back({Severity::Warning, "unknown-key", key.line, key.column,
                                       "en.json has no key \"" + key.name +
                                           "\", so in every language without this file the installer shows \"\" for "
                                           "it; add it to en.json, or fix its spelling."});
        }
    }
    for (const KeyEntry& key : englishCheck.keys) {
        if (ownKeys.count(key.foldedName) != 0 || !IsCoveredText(key)) continue;
        report.problems.push_back({Severity::Warning, "missing-key", check.endLine, check.endColumn,
                                   "The file has no \"" + key.name + "\" (en.json " + std::to_string(key.line) + ":" +
                                       std::to_string(key.column) +
                                       "), so the installer shows the English text; translate it."});
    }
}

// The NSIS id $LANGUAGE takes when a file loads: its own NsisLanguageId, else
// its language's.
std::string EffectiveId(const FileReport& file) {
    const std::string& own = file.nsisLanguageId;
    return IsAsciiDigits(own) ? own : file.tagLanguage.nsisId;
}

// Two files that set one id: NSIS reads the id back (remembered, /LANG=) as
// only one of them. The code table's own files share ids by design (en and
// en-gb take 1033), so a pair counts when a file beyond it is one of them.
void CheckSharedIds(FolderReport& report) {
    for (std::size_t i = 0; i < report.files.size(); ++i) {
        FileReport& later = report.files[i];
        if (later.baseName.empty() || EffectiveId(later).empty()) continue;
        for (std::size_t k = 0; k < i; ++k) {
            const FileReport& earlier = report.files[k];
            if (earlier.baseName.empty() || EffectiveId(earlier) != EffectiveId(later)) continue;
            if (!earlier.beyondTable && !later.beyondTable) continue;
            later.problems.push_back({Severity::Warning, "shared-id", 1, 1,
                                      later.fileName + " and " + earlier.fileName + " both set $LANGUAGE to " +
                                          EffectiveId(later) + ", and an id remembered or given as /LANG= reads "
                                          "back as only one of them; give one its own NsisLanguageId."});
            break;
        }
    }
}

}  // namespace

FolderReport CheckFolder(const std::string& utf8Folder, int stringSize, const std::vector<std::string>* declared) {
    FolderReport report;
    report.folder = utf8Folder;
    report.stringSize = stringSize;

    // Every *.json entry, whatever it is: one that is no readable file is
    // reported, never passed over.
    std::vector<fs::path> paths;
    std::error_code error;
    fs::directory_iterator entries(fs::u8path(utf8Folder), error);
    for (; !error && entries != fs::directory_iterator(); entries.increment(error)) {
        if (IsJsonFile(entries->path())) paths.push_back(entries->path());
    }
    if (error) {
        report.folderProblems.push_back({Severity::Error, "unreadable-folder", 0, 0,
                                         "parlune-check cannot read the folder (" + error.message() +
                                             "), and neither can the installer; check its permissions."});
    }
    std::sort(paths.begin(), paths.end());

    std::vector<LanguageFileCheck> checks;
    const LanguageFileCheck* english = nullptr;
    for (const fs::path& path : paths) {
        FileReport file;
        file.fileName = path.filename().u8string();
        file.baseName = LoadableBaseName(file.fileName);
        if (file.baseName.empty()) {
            const std::string tag = TagOfFileName(file.fileName);
            if (IsTagBeyondTable(tag)) {
                file.baseName = tag;
                file.beyondTable = true;
            }
        }
        if (!file.baseName.empty()) {
            file.tagLanguage = LanguageOfTag(file.baseName);
            file.language = file.tagLanguage.englishName;
            file.selectedBy = SelectingTags(file.baseName);
        }
        std::string bytes, reason;
        if (ReadWholeFile(path.u8string(), bytes, reason)) {
            checks.push_back(CheckLanguageFile(bytes, stringSize));
        } else {
            checks.emplace_back();
            checks.back().problems.push_back({Severity::Error, "unreadable", 1, 1,
                                              "The file cannot be read (" + reason +
                                                  "), so the installer skips it as if it were missing; make it a "
                                                  "readable file."});
        }
        file.problems = checks.back().problems;
        file.texts = CountTexts(checks.back());
        for (const KeyEntry& key : checks.back().keys) {
            if (!key.hasText) continue;
            if (key.foldedName == "nsislanguageid" && file.nsisLanguageId.empty()) file.nsisLanguageId = key.text;
            if (key.foldedName == "languagename" && file.languageName.empty()) file.languageName = key.text;
            if (const NsisText* nsis = FindNsisText(key.name)) file.nsisTexts.push_back({nsis->name, key.text});
        }
        if (file.beyondTable && file.language.empty()) file.language = file.languageName;
        CheckFileName(file);
        report.files.push_back(std::move(file));
    }
    CheckSharedIds(report);
    for (std::size_t i = 0; i < report.files.size(); ++i) {
        if (report.files[i].baseName == "en") english = &checks[i];
    }
    for (std::size_t i = 0; i < report.files.size(); ++i) {
        FileReport& file = report.files[i];
        if (checks[i].readable && !file.baseName.empty()) {
            CheckNsisTexts(file, checks[i], english);
            CheckMetadata(file, checks[i], english);
            CheckTranslatorNotes(file, checks[i], english);
        }
        file.texts -= file.nsisTexts.size();  // counted apart: NSIS has its own texts for them
    }
    if (english == nullptr) {
        report.folderProblems.push_back({Severity::Error, "no-en-json", 0, 0,
                                         "The folder has no en.json, so every key that a language file lacks shows "
                                         "as \"\", and so does every text for languages without a file; add en.json."});
    } else {
        report.englishTexts = CoveredTexts(*english);
        for (std::size_t i = 0; i < report.files.size(); ++i) {
            FileReport& file = report.files[i];
            if (&checks[i] == english) {
                file.translated = report.englishTexts;
                if (declared != nullptr) CheckDeclaredTexts(report, file, *english, *declared);
            } else if (checks[i].readable && !file.baseName.empty()) {
                CompareWithEnglish(file, checks[i], *english);
            }
            std::stable_sort(file.problems.begin(), file.problems.end(), [](const Problem& a, const Problem& b) {
                return a.line != b.line ? a.line < b.line : a.column < b.column;
            });
        }
    }

    for (const Problem& problem : report.folderProblems) {
        (problem.severity == Severity::Error ? report.errors : report.warnings) += 1;
    }
    for (const FileReport& file : report.files) {
        for (const Problem& problem : file.problems) (problem.severity == Severity::Error ? report.errors : report.warnings) += 1;
    }
    return report;
}
