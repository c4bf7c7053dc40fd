#include "language/language_files.h"

#include <cstring>

#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "language/read_file_text.h"
#include "platform/platform.h"

namespace {

constexpr char kBaseFileBaseName[] = "en";
constexpr char kLanguageFileSuffix[] = ".json";

// The path of the language file with this base name.
bool LanguageFilePath(const ByteString& directoryPrefix, const char* baseName, ByteString& path) {
    return path.Assign(directoryPrefix.c_str(), directoryPrefix.size()) && path.Append(baseName, std::strlen(baseName)) &&
           path.Append(kLanguageFileSuffix, sizeof kLanguageFileSuffix - 1);
}

// The text of one candidate code's file; empty when the table has no file
// for the code.
bool ReadCandidateText(const ByteString& prefix, const char16_t* code, std::size_t units, ByteString& text) {
    ByteString narrowCode;
    if (!platform::WideToUtf8(code, units, narrowCode)) return false;
    const char* baseName = MapLanguageCode(narrowCode.c_str(), narrowCode.size());
    text.Clear();
    if (baseName[0] == '\0') return true;
    ByteString path;
    if (!LanguageFilePath(prefix, baseName, path)) return false;
    ReadFileText(path.c_str(), text);
    return true;
}

}  // namespace

// The separator test looks at the last UTF-16 unit, not at the last byte of a
// converted form: a trailing byte 0x5C inside a multi-byte character is no
// separator.
bool DirectoryPrefix(const char16_t* directory, std::size_t units, ByteString& prefix) {
    prefix.Clear();
    if (!platform::WideToUtf8(directory, units, prefix)) return false;
    if (units != 0 && directory[units - 1] == platform::kPathSeparator) return true;
    return prefix.Append(static_cast<char>(platform::kPathSeparator));
}

bool ReadBaseText(const ByteString& directoryPrefix, ByteString& text) {
    ByteString path;
    if (!LanguageFilePath(directoryPrefix, kBaseFileBaseName, path)) return false;
    ReadFileText(path.c_str(), text);
    return true;
}

// The first candidate with text wins, so the less specific ones need not be
// read once one has text.
bool ReadLanguageText(const ByteString& directoryPrefix, const char16_t* languageTag, std::size_t units,
                      ByteString& text) {
    const CandidateLengths codes = CandidateCodesOf(languageTag, units);
    for (std::size_t i = 0; i < codes.count; ++i) {
        if (!ReadCandidateText(directoryPrefix, languageTag, codes.lengths[i], text)) return false;
        if (!text.empty()) return true;
    }
    text.Clear();
    return true;
}
