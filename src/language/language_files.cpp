#include "language/language_files.h"

#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "language/read_file_text.h"
#include "platform/platform.h"

namespace {

constexpr char kBaseFileName[] = "en.json";
constexpr char kLanguageFileSuffix[] = ".json";

// The text of one candidate code's file; empty when the table has no file
// for the code.
std::string ReadCandidateText(const std::string& prefix, const std::u16string& code) {
    const std::string baseName = MapLanguageCode(platform::WideToUtf8(code.data(), code.size()));
    if (baseName.empty()) return std::string();
    return ReadFileText(prefix + baseName + kLanguageFileSuffix);
}

}  // namespace

// The separator test looks at the last UTF-16 unit, not at the last byte of a
// converted form: a trailing byte 0x5C inside a multi-byte character is no
// separator.
std::string DirectoryPrefix(const std::u16string& directory) {
    std::string prefix = platform::WideToUtf8(directory.data(), directory.size());
    if (directory.empty() || directory.back() != platform::kPathSeparator) {
        prefix += static_cast<char>(platform::kPathSeparator);
    }
    return prefix;
}

std::string ReadBaseText(const std::string& directoryPrefix) {
    return ReadFileText(directoryPrefix + kBaseFileName);
}

// The first candidate with text wins, so the less specific ones need not be
// read once one has text.
std::string ReadLanguageText(const std::string& directoryPrefix, const std::u16string& languageTag) {
    for (const std::u16string& code : CandidateCodes(languageTag)) {
        std::string text = ReadCandidateText(directoryPrefix, code);
        if (!text.empty()) return text;
    }
    return std::string();
}
