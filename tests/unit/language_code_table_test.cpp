// The table from language codes to file base names.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "std_interop.h"
#include "language/language_code_table.h"

namespace {

TEST(LanguageCodeTable, MapsTagsIgnoringAsciiCase) {
    const std::pair<const char*, const char*> cases[] = {
        {"en-US", "en"},       {"en-us", "en"},       {"En-Us", "en"},         {"EN-US", "en"},
        {"en", "en"},          {"en-GB", "en-gb"},    {"en-IN", "en-gb"},      {"en-xm", "en-xm"},
        {"zh-Hans-CN", "zh-cn"}, {"zh-SG", "zh-cn"},  {"zh-Hant-TW", "zh-tw"}, {"zh-TW", "zh-tw"},
        {"zh-HK", "zh-tw"},    {"sr-Latn", "sr-latn"}, {"sr-Latn-RS", "sr-latn"}, {"sr", "sr"},
        {"es-419", "es-419"},  {"es-MX", "es-419"},   {"es-BR", "es-419"},     {"es", "es"},
        {"pt-PT", "pt"},       {"pt-CH", "pt"},       {"pt-BR", "pt-br"},      {"fr-CA", "fr-ca"},
        {"fr", "fr"},          {"de", "de"},          {"ja", "ja"},            {"nb", "nb"},
        {"chr", "chr"},        {"fil", "fil"},        {"kgp", "kgp"},          {"yrl", "yrl"},
        {"en-ZW", "en-gb"},    {"en-VI", "en"},       {"ar", "ar"},            {"zh-Hant-MO", "zh-tw"},
    };
    for (const auto& c : cases) EXPECT_EQ(MapLanguageCode(c.first), c.second) << c.first;
}

TEST(LanguageCodeTable, AnythingElseMapsToNoFile) {
    const char* unmapped[] = {
        "zh", "zh-Hans", "zh-Hant", "sr-Cyrl", "sr-Cyrl-RS", "es-ES", "fr-FR", "de-DE", "ja-JP", "nb-NO",
        "chr-US", "fil-PH", "kgp-BR", "yrl-BR", "en-US-x", "en ", "en_US", "e", "iw", "in", "no", "tl",
        "zh-CHS", "zh-CHT", "", "-", "d\xC3\xA9", "\xE9N", "EN-US\xA0",
    };
    for (const char* tag : unmapped) EXPECT_EQ(MapLanguageCode(tag), "") << tag;
}

TEST(LanguageCodeTable, LeavesTheCallersTagAlone) {
    const std::string tag = "de";
    EXPECT_EQ(MapLanguageCode(tag), "de");
    EXPECT_EQ(tag, "de");
}

}  // namespace
