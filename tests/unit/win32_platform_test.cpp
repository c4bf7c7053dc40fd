// The Win32 side of the platform layer, run under Wine: paths outside every
// ANSI code page, and the user's language as the system names it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "capacities.h"
#include "language/read_file_text.h"
#include "platform/platform.h"
#include "std_interop.h"
#include "support/host_simulator.h"
#include "support/language_folder.h"
#include "support/plugin_session.h"

namespace {

// The test run names the language it gave Wine through LANG.
const char* ExpectedUILanguage() {
    const char* expected = std::getenv("PARLUNE_EXPECTED_UI_LANGUAGE");
    return expected != nullptr ? expected : "(PARLUNE_EXPECTED_UI_LANGUAGE names the language LANG gives Wine)";
}

TEST(Win32Platform, PreferredLanguageIsTheSystemsFirst) {
    const std::string expected = ExpectedUILanguage();
    EXPECT_EQ(ToUtf8(FirstPreferredUILanguage(kLanguageNameCapacity)), expected);
    // A list that does not fit leaves no language at all.
    EXPECT_EQ(FirstPreferredUILanguage(2), u"");
    EXPECT_EQ(FirstPreferredUILanguage(0), u"");
}

TEST(Win32Platform, FilesOpenByTheirUtf16Path) {
    LanguageFolder folder;
    // Greek, CJK and a character beyond the BMP: no ANSI code page holds them all.
    const std::string name = "\xCE\x95\xCE\xBB \xE8\xA1\xA8 \xF0\x9F\x98\x80.json";
    const auto file = folder.Write(name, "{\"a\": \"b\"}");
    ASSERT_TRUE(std::filesystem::exists(file));
    EXPECT_EQ(ReadFileText(file.u8string()), "{\"a\": \"b\"}");
    EXPECT_EQ(ReadFileText(folder.path().u8string()), "");  // a directory
    EXPECT_EQ(ReadFileText((folder.path() / "missing.json").u8string()), "");
}

class Win32Init : public PluginSession {};

TEST_F(Win32Init, ReadsFoldersOutsideTheAnsiCodePageWithBackslashes) {
    const std::string directory = folder.path().u8string() + "\\\xE8\xB3\x87\xE6\x96\x99 \xF0\x9F\x98\x80";
    std::filesystem::create_directory(std::filesystem::u8path(directory));
    LanguageFolder::WriteFile(directory + "\\en.json", "{\"Which\": \"en\"}");
    LanguageFolder::WriteFile(directory + "\\de.json", "{\"Which\": \"de\"}");
    EXPECT_NE(host.CallInit(Init, FromUtf8(directory), u"de-AT"), u"0");
    EXPECT_EQ(Get("Which"), "de");
    host.Call(Exit);
    EXPECT_NE(host.CallInit(Init, FromUtf8(directory + "\\"), u"de"), u"0");
    EXPECT_EQ(Get("Which"), "de");
}

TEST_F(Win32Init, WithoutATagTheSystemsLanguageCounts) {
    const std::string expected = ExpectedUILanguage();
    WriteMarked("en");
    WriteMarked("de");
    InitWith("");
    EXPECT_EQ(Get("Which"), expected.substr(0, 3) == "de-" ? "de" : "en") << expected;
}

}  // namespace
