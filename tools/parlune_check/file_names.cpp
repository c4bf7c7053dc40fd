#include "file_names.h"

#include <algorithm>

#include "ascii_case.h"
#include "language_names.h"
#include "language/candidate_codes.h"
#include "language/language_code_table.h"
#include "std_interop.h"

namespace {

constexpr char kSuffix[] = ".json";
constexpr std::size_t kSuffixLength = sizeof kSuffix - 1;

// The name without ".json", lower case.
std::string Stem(const std::string& fileName) {
    std::string lower = AsciiLower(fileName);
    if (lower.size() > kSuffixLength && lower.compare(lower.size() - kSuffixLength, kSuffixLength, kSuffix) == 0) {
        lower.resize(lower.size() - kSuffixLength);
    }
    return lower;
}

std::u16string Widen(const std::string& ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string Narrow(const std::u16string& text) {
    std::string narrow;
    for (char16_t unit : text) narrow += static_cast<char>(unit < 0x80 ? unit : '?');
    return narrow;
}

// A code as tags are written: "en-GB", "zh-Hans-CN", "sr-Latn", "es-419".
std::string ShownTag(const std::string& code) {
    std::string shown = AsciiLower(code);
    std::size_t start = shown.find('-');
    while (start != std::string::npos) {
        const std::size_t end = std::min(shown.find('-', start + 1), shown.size());
        if (end - start - 1 == 2) {
            shown.replace(start + 1, 2, AsciiUpper(shown.substr(start + 1, 2)));
        } else if (end - start - 1 == 4) {
            shown[start + 1] = static_cast<char>(shown[start + 1] - 'a' + 'A');
        }
        start = end < shown.size() ? end : std::string::npos;
    }
    return shown;
}

}  // namespace

std::string TagOfFileName(const std::string& fileName) { return Stem(fileName); }

std::string SelectingTags(const std::string& baseName) {
    constexpr std::size_t kShown = 4;
    std::vector<std::string> tags;
    for (const LanguageCodeRow& row : LanguageCodeRows()) {
        if (baseName == row.baseName) tags.push_back(ShownTag(row.code));
    }
    if (tags.empty()) tags.push_back(baseName);  // a file beyond the table: its own tag alone
    std::string shown;
    for (std::size_t i = 0; i < tags.size() && i < kShown; ++i) {
        shown += (i > 0 ? ", " : "") + tags[i];
        if (tags.size() <= kShown && tags[i].find('-') == std::string::npos) shown += ", " + tags[i] + "-*";
    }
    if (tags.size() > kShown) shown += " and " + std::to_string(tags.size() - kShown) + " more";
    return shown;
}

std::string LoadableBaseName(const std::string& fileName) {
    const std::string lower = AsciiLower(fileName);
    for (const LanguageCodeRow& row : LanguageCodeRows()) {
        if (lower == std::string(row.baseName) + kSuffix) return row.baseName;
    }
    return std::string();
}

std::vector<std::string> SuggestFileNames(const std::string& fileName) {
    std::string tag = Stem(fileName);
    std::replace(tag.begin(), tag.end(), '_', '-');

    // The whole name as a tag, then tags that continue it ("zh-hans" is the
    // start of zh-Hans-CN), then its less specific forms ("de" for "de-de").
    const std::string whole = MapLanguageCode(tag);
    if (!whole.empty()) return {whole + kSuffix};
    if (IsTagBeyondTable(tag)) return {tag + kSuffix};

    std::vector<std::string> continued;
    const std::string prefix = AsciiUpper(tag) + "-";
    for (const LanguageCodeRow& row : LanguageCodeRows()) {
        const std::string name = std::string(row.baseName) + kSuffix;
        if (std::string(row.code).compare(0, prefix.size(), prefix) == 0 &&
            std::find(continued.begin(), continued.end(), name) == continued.end()) {
            continued.push_back(name);
        }
    }
    if (!continued.empty()) return continued;

    for (const std::u16string& code : CandidateCodes(Widen(tag))) {
        const std::string baseName = MapLanguageCode(Narrow(code));
        if (!baseName.empty()) return {baseName + kSuffix};
    }
    return {};
}
