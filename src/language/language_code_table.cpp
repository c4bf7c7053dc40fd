#include "language/language_code_table.h"

namespace {

// Generated from languages.txt, tested in its order; codes of one file stand
// together, the code that names the file first. No code occurs twice, so the
// order never changes a result.
constexpr LanguageCodeRow kLanguageCodes[] = {
#include "language_code_rows.inc"
};

static_assert(sizeof(kLanguageCodes) / sizeof(kLanguageCodes[0]) == 200, "the table holds 200 codes");

}  // namespace

LanguageCodeTable LanguageCodeRows() { return {kLanguageCodes, sizeof kLanguageCodes / sizeof kLanguageCodes[0]}; }

// The input is upper-cased on the fly, ASCII letters only, so nothing is copied.
const char* MapLanguageCode(const char* tag, std::size_t length) {
    for (const LanguageCodeRow& row : kLanguageCodes) {
        std::size_t matched = 0;
        for (; matched < length && row.code[matched] != '\0'; ++matched) {
            char byte = tag[matched];
            if (byte >= 'a' && byte <= 'z') byte = static_cast<char>(byte - ('a' - 'A'));
            if (byte != row.code[matched]) break;
        }
        if (matched == length && row.code[matched] == '\0') return row.baseName;
    }
    return "";
}
