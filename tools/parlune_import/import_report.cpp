#include "import_report.h"

#include <set>

#include "ascii_case.h"
#include "language_names.h"
#include "report_text.h"

namespace {

std::string Where(const std::string& script, std::size_t line) { return script + ":" + std::to_string(line); }

}  // namespace

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
