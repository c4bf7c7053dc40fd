#include "resolve.h"

#include <algorithm>
#include <filesystem>

#include "capacities.h"
#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "language/language_files.h"
#include "language/read_file_text.h"
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
    out += "Candidates, most specific first:\n";
    for (const std::u16string& code : CandidateCodes(tag)) {
        const std::string baseName = MapLanguageCode(ToUtf8(code));
        std::string line = "  " + ToUtf8(code);
        line.resize(std::max<std::size_t>(line.size(), 18), ' ');
        if (baseName.empty()) {
            out += line + "no language file for this code\n";
            continue;
        }
        const std::string fileName = baseName + ".json";
        const bool hasText = !ReadFileText(prefix + fileName).empty();
        const bool exists = std::filesystem::exists(std::filesystem::u8path(prefix + fileName));
        line += fileName;
        line.resize(std::max<std::size_t>(line.size(), 34), ' ');
        out += line + (hasText ? "present" : exists ? "empty: skipped" : "missing") + "\n";
        if (hasText && loaded.empty()) loaded = fileName + " (" + LanguageName(baseName) + ")";
    }
    const bool hasBase = !ReadBaseText(prefix).empty();
    out += "The installer loads: " + (loaded.empty() ? std::string("no language file (the handle is 0)") : loaded);
    out += hasBase ? ", and en.json for the keys it lacks\n" : "; en.json is missing or empty\n";
    return out;
}
