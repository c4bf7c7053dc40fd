#include "declared_texts.h"

#include <algorithm>
#include <set>

#include "ascii_case.h"
#include "metadata_keys.h"
#include "nsis_language_files.h"

namespace {

// Keys the macros read themselves, declared or not: the file's facts and
// the language dialog's own texts.
bool IsParluneOwnKey(const std::string& foldedName) {
    return IsMetadataKey(foldedName) || foldedName == "languagedialogtitle" || foldedName == "languagedialogtext";
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j) row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::vector<std::string> DeclaredNames(const std::string& text) {
    std::vector<std::string> names;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string name = text.substr(start, end - start);
        while (!name.empty() && (name.back() == '\r' || name.back() == ' ' || name.back() == '\t')) name.pop_back();
        if (!name.empty()) names.push_back(name);
        start = end + 1;
    }
    return names;
}

std::string NearestName(const std::string& name, const std::vector<std::string>& names) {
    const std::string folded = AsciiLower(name);
    std::string nearest;
    std::size_t best = std::max<std::size_t>(2, folded.size() / 3) + 1;
    for (const std::string& candidate : names) {
        const std::size_t distance = EditDistance(folded, AsciiLower(candidate));
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

std::string NearestKey(const std::string& name, const LanguageFileCheck& english) {
    std::vector<std::string> names;
    for (const KeyEntry& key : english.keys) {
        if (key.hasText) names.push_back(key.name);
    }
    return NearestName(name, names);
}

void CheckDeclaredTexts(FolderReport& report, FileReport& englishReport, const LanguageFileCheck& english,
                        const std::vector<std::string>& declared) {
    if (!english.readable) return;
    std::set<std::string> declaredKeys, englishKeys;
    for (const std::string& name : declared) declaredKeys.insert(AsciiLower(name));
    for (const KeyEntry& key : english.keys) {
        if (key.hasText) englishKeys.insert(key.foldedName);
    }
    for (const std::string& name : declared) {
        if (englishKeys.count(AsciiLower(name)) != 0) continue;
        const std::string nearest = NearestKey(name, english);
        report.folderProblems.push_back(
            {Severity::Error, "unknown-text", 0, 0,
             "The script declares ${ParluneText} " + name + ", but en.json has no text \"" + name +
                 "\", so the installer shows \"\" for it in every language; " +
                 (nearest.empty() ? std::string("add it to en.json") : "did you mean " + nearest + "?")});
    }
    for (const KeyEntry& key : english.keys) {
        if (!key.hasText || declaredKeys.count(key.foldedName) != 0 || FindNsisText(key.name) != nullptr ||
            IsAnnotation(key.name)) {
            continue;
        }
        if (IsParluneOwnKey(key.foldedName)) continue;
        englishReport.problems.push_back({Severity::Warning, "undeclared-text", key.line, key.column,
                                           "No ${ParluneText} declares \"" + key.name +
                                               "\", so the installer never shows it; declare it in the script, or "
                                               "remove it from the language files."});
    }
}
