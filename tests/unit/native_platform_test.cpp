// The stand-ins for Win32 in the native build: the user's language from the
// locale variables, and reading files.
#include <gtest/gtest.h>

#include <cstdlib>

#include "capacities.h"
#include "language/read_file_text.h"
#include "platform/platform.h"
#include "std_interop.h"
#include "support/language_folder.h"

namespace {

struct LocaleCase {
    const char* variable;
    const char* value;
    const char16_t* expected;
};

TEST(NativePlatform, PreferredLanguageComesFromTheLocaleVariables) {
    const LocaleCase cases[] = {
        {"LANG", "de_DE.UTF-8", u"de-DE"},     {"LANG", "sr_RS@latin", u"sr-Latn-RS"},
        {"LANG", "fr_CA.UTF-8", u"fr-CA"},     {"LANG", "C", u""},
        {"LANG", "POSIX", u""},                {"LANG", "C.UTF-8", u""},
        {"LC_ALL", "ja_JP.eucJP", u"ja-JP"},   {"LC_MESSAGES", "pt_BR", u"pt-BR"},
        {"LANGUAGE", "es_MX:en_US", u"es-MX"}, {"LANGUAGE", "fil", u"fil"},
        {"LANG", "de_DE.UTF-8@euro", u"de-DE"},
    };
    for (const LocaleCase& c : cases) {
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"}) unsetenv(name);
        setenv(c.variable, c.value, 1);
        EXPECT_EQ(FirstPreferredUILanguage(kLanguageNameCapacity), c.expected) << c.value;
    }
    // Precedence: LANGUAGE, then LC_ALL, LC_MESSAGES, LANG; empty ones do not count.
    setenv("LANGUAGE", "", 1);
    setenv("LC_ALL", "it_IT", 1);
    setenv("LC_MESSAGES", "nl_NL", 1);
    setenv("LANG", "pl_PL", 1);
    EXPECT_EQ(FirstPreferredUILanguage(kLanguageNameCapacity), u"it-IT");
    setenv("LANG", std::string(300, 'x').c_str(), 1);
    unsetenv("LC_ALL");
    unsetenv("LC_MESSAGES");
    EXPECT_EQ(FirstPreferredUILanguage(kLanguageNameCapacity).size(), kLanguageNameCapacity - 1);
    unsetenv("LANG");
    EXPECT_EQ(FirstPreferredUILanguage(kLanguageNameCapacity), u"");
}

// Where Windows's own converter counts replacements its own way (Wine gives
// one fewer for each of these), the native one replaces every byte.
TEST(NativePlatform, Utf8ToUtf16ReplacesEachByteOfSurrogatesAndTooLargeCodes) {
    EXPECT_EQ(FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");           // an encoded surrogate
    EXPECT_EQ(FromUtf8("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // beyond U+10FFFF
}

TEST(ReadFileText, ReadsUpToTheFirstZeroByteAndNothingFromNonFiles) {
    LanguageFolder folder;
    EXPECT_EQ(ReadFileText(folder.Write("text.json", std::string("ab\0cd", 5)).u8string()), "ab");
    EXPECT_EQ(ReadFileText(folder.Write("empty.json", "").u8string()), "");
    EXPECT_EQ(ReadFileText(folder.Write("whole.json", "{\"a\": \"b\"}").u8string()), "{\"a\": \"b\"}");
    EXPECT_EQ(ReadFileText((folder.path() / "missing.json").u8string()), "");
    EXPECT_EQ(ReadFileText(folder.path().u8string()), "");  // a directory
}

}  // namespace
