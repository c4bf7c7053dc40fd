#include "resolve.h"

#include <algorithm>
#include <filesystem>

#include "capacities.h"
#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "language/language_files.h"
#include "language/read_file_text.h"
#include "ascii_case.h"
#include "language_names.h"
#include "platform/platform.h"
#include "std_interop.h"

std::string ResolveReport(const std::u16string& givenTag, const std::string& utf8Folder) {
    std::u16string tag = givenTag.substr(0, kTagCapacity - 1);
    std::string out;
    if (tag.empty()) {
        tag = FirstPreferredUILanguage(kLanguageNameCapacity);
        out += "Language tag: " + (tag.empty() ? std::string("(none)") : ToUtf8(tag)) +
               " (the user's preferred UI language)\n";
    } else {
        out += "Language tag: " + ToUtf8(tag) + "\n";
    }

    const std::string prefix = DirectoryPrefix(FromUtf8(utf8Folder));
    std::string loaded;
    // One line per file a candidate names: the table's file for the code, and
    // where the folder lacks it, the file named by the code itself.
    const auto fileLine = [&](const std::string& code, const std::string& baseName, const char* how) {
        const std::string fileName = baseName + ".json";
        const bool hasText = !ReadFileText(prefix + fileName).empty();
        const bool exists = std::filesystem::exists(std::filesystem::u8path(prefix + fileName));
        std::string line = "  " + code;
        line.resize(std::max<std::size_t>(line.size(), 18), ' ');
        line += fileName;
        line.resize(std::max<std::size_t>(line.size(), 34), ' ');
        out += line + (hasText ? "present" : exists ? "empty: skipped" : "missing") + how + "\n";
        if (hasText && loaded.empty()) loaded = fileName + " (" + LanguageOfTag(baseName).englishName + ")";
        return hasText;
    };
    out += "Candidates, most specific first; the first file present wins:\n";
    for (const std::u16string& wide : CandidateCodes(tag)) {
        const std::string code = ToUtf8(wide);
        const std::string baseName = MapLanguageCode(code);
        if (!baseName.empty() && fileLine(code, baseName, "")) continue;
        const std::string own = AsciiLower(code);
        if (IsTagBeyondTable(own)) {
            fileLine(code, own, " (named by the tag itself)");
        } else if (baseName.empty()) {
            std::string line = "  " + code;
            line.resize(std::max<std::size_t>(line.size(), 18), ' ');
            out += line + "no language file for this code\n";
        }
    }
    const bool hasBase = !ReadBaseText(prefix).empty();
    out += "The installer loads: " + (loaded.empty() ? std::string("no language file (the handle is 0)") : loaded);
    out += hasBase ? ", and en.json for the keys it lacks\n" : "; en.json is missing or empty\n";
    return out;
}
