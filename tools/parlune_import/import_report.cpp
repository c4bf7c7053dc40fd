#include "import_report.h"

#include <algorithm>
#include <set>
#include <vector>

#include "ascii_case.h"
#include "language_names.h"
#include "report_text.h"

namespace {

// A file in the folder the user named, written with that folder's own
// separator: "Z:\\imp\\en.json" from Windows, "imp/en.json" elsewhere.
std::string InFolder(const std::string& folder, const std::string& name) {
    const bool backslashes = folder.find('\\') != std::string::npos && folder.find('/') == std::string::npos;
    return folder + (backslashes ? "\\" : "/") + name;
}

}  // namespace

std::string ImportReport(const LanguageImport& result, const std::string& outFolder, bool written,
                         const std::string& reading) {
    std::string out = reading.empty() ? std::string() : reading + "\n\n";
    if (!result.skipped.empty()) {
        out += "Skipped:\n";
        for (const ImportNote& note : result.skipped) out += "  " + ScriptPlace(note.script, note.line) + ": " + note.message + "\n";
        out += "\n";
    }
    std::set<std::string> englishKeys;
    if (const ImportedFile* english = result.English()) {
        for (const auto& text : english->texts) englishKeys.insert(AsciiLower(text.first));
    }
    for (const ImportedFile& file : result.files) {
        std::size_t covered = 0;
        for (const auto& text : file.texts) covered += englishKeys.count(AsciiLower(text.first));
        out += (written ? "Wrote " : "Found ") + Padded(InFolder(outFolder, file.tag + ".json"), outFolder.size() + 14) +
               Padded(LanguageName(file.tag), 26) + Counted(file.keys, "key");
        if (file.tag != "en" && !englishKeys.empty()) {
            out += ", " + std::to_string(covered * 100 / englishKeys.size()) + "% of en.json";
        }
        out += "\n";
    }
    if (result.nsisTexts > 0) {
        out += "\n" + Counted(result.nsisTexts, "text") + " of NSIS's own language files (Modern UI's and the like) "
               "left to NSIS, which gives them in every language it has\n";
    }
    if (!result.overrides.empty()) {
        out += "\n" + Counted(result.overrides.size(), "override") + " of NSIS's own texts that no language file "
               "gives (the script's name and branding): " + (written ? "written to " : "for ") + InFolder(outFolder, kOverridesInclude) +
               "; !include it after the languages are loaded:\n";
        // One line per name, where the scripts first set it.
        std::vector<std::pair<const NsisTextOverride*, std::size_t>> names;
        for (const NsisTextOverride& text : result.overrides) {
            auto same = std::find_if(names.begin(), names.end(), [&](const auto& n) { return n.first->name == text.name; });
            if (same == names.end()) names.push_back({&text, 1});
            else ++same->second;
        }
        for (const auto& name : names) {
            out += "  " + ScriptPlace(name.first->script, name.first->line) + ": " + name.first->name + " for " +
                   (name.second == 1 ? name.first->language : Counted(name.second, "language")) + "\n";
        }
    }
    // One fill per placeholder name serves every text that holds it.
    std::vector<std::vector<const PlaceholderToFill*>> names;
    for (const PlaceholderToFill& fill : result.placeholders) {
        auto same = std::find_if(names.begin(), names.end(),
                                 [&](const auto& n) { return n.front()->placeholder.name == fill.placeholder.name; });
        if (same == names.end()) names.push_back({&fill});
        else same->push_back(&fill);
    }
    if (!names.empty()) {
        out += "\nPlaceholders to fill, one line each before the first ${ParluneInitLanguage} (top level or .onInit):\n";
        for (const auto& name : names) {
            const PlaceholderToFill& first = *name.front();
            out += "  ${ParluneFill} " + first.placeholder.name + " \"" + first.placeholder.reference + "\"  ; ";
            for (std::size_t i = 0; i < name.size(); ++i) {
                out += (i > 0 ? ", " : "") + name[i]->key + " (" + ScriptPlace(name[i]->script, name[i]->line) + ")";
            }
            out += "\n";
        }
    }
    out += "\n" + Counted(result.files.size(), "language") + ", " + Counted(result.keys, "key") + ", " +
           std::to_string(result.imported) + " of " + Counted(result.langStrings, "LangString") + (written ? " imported, " : " importable, ") +
           Counted(names.size(), "placeholder") + " to fill\n";
    return out;
}
