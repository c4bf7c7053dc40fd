#include "nsis_text_check.h"

#include "ascii_case.h"
#include "declared_texts.h"
#include "nsis_language_files.h"
#include "utf8_text.h"

namespace {

void CheckName(FileReport& report, const KeyEntry& key) {
    const std::string folded = AsciiLower(key.name);
    if (folded.compare(0, 1, "^") != 0 && folded.compare(0, 4, "mui_") != 0) return;
    std::vector<std::string> names;
    for (const NsisText& text : NsisEnglishTexts()) names.push_back(text.name);
    const std::string nearest = NearestName(key.name, names);
    std::string message = "NSIS and Modern UI have no text \"" + key.name + "\" that a language file gives";
    if (folded == "^name" || folded == "^branding") {
        message += ": the script's Name and BrandingText set it";
    } else {
        message += ", so the installer never shows it; " +
                   (nearest.empty() ? std::string("check the name against the guide's list") : "did you mean " + nearest + "?");
    }
    report.problems.push_back({Severity::Warning, "nsis-text-name", key.line, key.column, message});
}

// What a translation must keep of the English it replaces.
void CompareWithEnglish(FileReport& report, const KeyEntry& key, const std::string& english) {
    const auto warn = [&](const char* kind, const std::string& message) {
        report.problems.push_back({Severity::Warning, kind, key.line, key.column, message});
    };
    std::vector<std::string> kept = NsisReferences(english);
    if (english.find("%s") != std::string::npos) kept.push_back("%s");
    for (const std::string& reference : kept) {
        if (key.text.find(reference) != std::string::npos) continue;
        warn("nsis-reference", "The text lacks " + reference + ", which NSIS fills in where NSIS's English has "
                               "it; keep it, or the installer shows the text without it.");
    }
    if (key.text.find("{{") != std::string::npos) {
        warn("placeholder", "NSIS shows its own texts as they are: no script fills {{placeholders}} in them; write "
                            "the text without, or with NSIS's own references.");
    }
    if (Accelerators(key.text) != Accelerators(english)) {
        warn("accelerator", "The text has " + std::to_string(Accelerators(key.text)) + " & accelerator marks and "
                            "NSIS's English has " + std::to_string(Accelerators(english)) + "; give it as many (&& "
                            "is a plain &).");
    }
}

}  // namespace

void CheckNsisTexts(FileReport& report, const LanguageFileCheck& check, const LanguageFileCheck* english) {
    for (const KeyEntry& key : check.keys) {
        if (!key.hasText) continue;
        const NsisText* nsis = FindNsisText(key.name);
        if (nsis == nullptr) {
            CheckName(report, key);
            continue;
        }
        std::string reference = nsis->plain;
        if (english != nullptr && english != &check) {
            for (const KeyEntry& englishKey : english->keys) {
                if (englishKey.hasText && englishKey.foldedName == key.foldedName) reference = englishKey.text;
            }
        }
        CompareWithEnglish(report, key, reference);
    }
}
