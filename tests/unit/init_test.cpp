// Which language file Init loads, how it fills the two documents, and what it pushes.
#include <filesystem>

#include <algorithm>
#include <cstdint>
#include <iterator>

#include "capacities.h"
#include "json/json_document.h"
#include "platform/platform.h"
#include "plugin/document_handle.h"
#include "plugin/document_slots.h"
#include "support/plugin_session.h"

namespace {

class InitTest : public PluginSession {
protected:
    void SetUp() override {
        PluginSession::SetUp();
        WriteMarked("en");
    }
    // The base name of the file that answers, or "" when none does.
    std::string LoadedFor(const char* tag) {
        InitWith(tag);
        return Get("Which");
    }
    static std::u16string CurrentHandle() {
        char16_t area[kHandleCapacity] = {};
        FormatHandle(LanguageDocument, area, kHandleCapacity);
        return area;
    }
};

TEST_F(InitTest, TheMostSpecificCandidateWithAFileWins) {
    for (const char* name : {"de", "sr", "sr-latn", "zh-cn", "fil", "en-gb", "pt"}) WriteMarked(name);
    const std::pair<const char*, const char*> cases[] = {
        {"de-DE", "de"},   {"sr-Latn-RS", "sr-latn"}, {"sr-Latn-XK", "sr-latn"}, {"zh-Hans-CN", "zh-cn"},
        {"fil", "fil"},    {"de-", "de"},             {"EN-au", "en-gb"},        {"pt-AO-x", "pt"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LoadedFor(c.first), c.second) << c.first;
        host.Call(Exit);
    }
    folder.Remove("sr-latn.json");
    EXPECT_EQ(LoadedFor("sr-Latn-XK"), "sr");
}

TEST_F(InitTest, EnglishTagsLoadEnJsonASecondTimeAsTheLanguageDocument) {
    const std::u16string handle = InitWith("en-US");
    EXPECT_NE(handle, u"0");
    ASSERT_NE(LanguageDocument, nullptr);
    EXPECT_NE(LanguageDocument, BaseDocument);
    EXPECT_EQ(handle, CurrentHandle());
    EXPECT_EQ(Get("Which"), "en");
}

// The x86 DLL's handles are 32-bit, the x64 DLL's 64-bit: both signed.
TEST(DocumentHandle, IsTheAddressInSignedDecimalCutToTheArea) {
    const bool wide = sizeof(void*) == 8;
    struct Case {
        std::uintptr_t address;
        std::size_t capacity;
        const char* expected;
    };
    const Case cases[] = {
        {0, kHandleCapacity, "0"},
        {0x7FFFFFFFu, kHandleCapacity, "2147483647"},
        {0x80000000u, kHandleCapacity, wide ? "2147483648" : "-2147483648"},
        {static_cast<std::uintptr_t>(-1), kHandleCapacity, "-1"},
        {static_cast<std::uintptr_t>(1) << (8 * sizeof(void*) - 1), kHandleCapacity,
         wide ? "-9223372036854775808" : "-2147483648"},
        {12345678u, 3, "12"},
        {12345678u, 1, ""},
    };
    for (const Case& c : cases) {
        char16_t area[kHandleCapacity];
        std::fill(std::begin(area), std::end(area), u'x');
        FormatHandle(reinterpret_cast<const void*>(c.address), area, c.capacity);
        EXPECT_EQ(ToUtf8(area), c.expected) << c.address << " in " << c.capacity;
    }
}

TEST_F(InitTest, TagsWithoutAFileLeaveOnlyTheBaseDocument) {
    WriteMarked("de");
    for (const char* tag : {"zh-Hans-TW", "-de", "xx", "de_DE"}) {
        EXPECT_EQ(InitWith(tag), u"0") << tag;
        EXPECT_EQ(Get("Which"), "en") << tag;
        EXPECT_EQ(Get("Onlyen"), "yes") << tag;
    }
}

// Windows names the user's language itself; the Win32 tests cover that side.
#if !defined(_WIN32)
TEST_F(InitTest, WithoutATagTheFirstPreferredLanguageCounts) {
    WriteMarked("en-gb");
    WriteMarked("fr");
    SetLocale("en_GB:fr_FR");
    EXPECT_EQ(LoadedFor(""), "en-gb");
    host.Call(Exit);
    SetLocale(nullptr);
    EXPECT_EQ(InitWith(""), u"0");  // no language known: the base document alone
    EXPECT_EQ(Get("Which"), "en");
}
#endif

TEST_F(InitTest, DirectoryWorksWithAndWithoutATrailingSeparator) {
    WriteMarked("de");
    const std::u16string withSeparator = folder.Wide() + platform::kPathSeparator;
    EXPECT_NE(host.CallInit(Init, withSeparator, u"de"), u"0");
    EXPECT_EQ(Get("Which"), "de");
}

TEST_F(InitTest, WithoutADirectoryNothingMoreIsPoppedOrPushed) {
    host.Push(u"de");
    host.Push(u"");
    host.Call(Init);
    EXPECT_EQ(host.Depth(), 1u);
    EXPECT_EQ(host.Pop(), u"de");

    host.Call(Init);  // empty stack
    EXPECT_EQ(host.Depth(), 0u);
    EXPECT_EQ(BaseDocument, nullptr);
}

#if !defined(_WIN32)
TEST_F(InitTest, ADirectoryAloneTakesNothingBelowItAsTag) {
    WriteMarked("de");
    SetLocale("de_AT");
    host.Push(folder.Wide());
    host.Call(Init);
    EXPECT_EQ(host.Depth(), 1u);
    EXPECT_EQ(Get("Which"), "de");
}
#endif

TEST_F(InitTest, BrokenLanguageFilesStillWinWhenTheyHaveText) {
    WriteMarked("sr");
    // UTF-16 with a byte-order mark: the text is FF FE 7B, the bytes before the first zero.
    folder.Write("sr-latn.json", std::string("\xFF\xFE{\0\"\0}\0", 8));
    EXPECT_NE(InitWith("sr-Latn-RS"), u"0");
    EXPECT_EQ(Get("Which"), "en");  // the broken document finds no key; the base answers
    EXPECT_EQ(Get("Onlysr"), "");

    folder.Write("sr-latn.json", "\xEF\xBB\xBF{\"Which\": \"sr-latn\"}");
    EXPECT_NE(InitWith("sr-Latn"), u"0");
    EXPECT_EQ(Get("Which"), "en");

    folder.Write("sr-latn.json", "{\"Which\": \"sr-latn\",}");
    EXPECT_EQ(LoadedFor("sr-Latn"), "en");
}

TEST_F(InitTest, EmptyFilesCountAsMissing) {
    WriteMarked("sr");
    folder.Write("sr-latn.json", "");
    EXPECT_EQ(LoadedFor("sr-Latn-RS"), "sr");
    folder.Write("sr-latn.json", std::string("\0{\"Which\": \"sr-latn\"}", 21));
    EXPECT_EQ(LoadedFor("sr-Latn-RS"), "sr");

    host.Call(Exit);
    folder.Write("en.json", "");
    EXPECT_NE(InitWith("sr"), u"0");
    EXPECT_EQ(BaseDocument, nullptr);
    EXPECT_EQ(Get("Which"), "sr");
    EXPECT_EQ(Get("Onlyen"), "");
}

TEST_F(InitTest, ASecondInitKeepsALanguageDocumentItCannotReplace) {
    WriteMarked("de");
    const std::u16string first = InitWith("de");
    folder.Write("en.json", "{\"Which\": \"en, second\", \"Onlyen\": \"again\"}");

    EXPECT_EQ(InitWith("zh-Hans-TW"), first);
    EXPECT_EQ(Get("Which"), "de");
    EXPECT_EQ(Get("Onlyen"), "again");  // the base document was rebuilt

    folder.Remove("en.json");
    EXPECT_EQ(InitWith("xx"), first);  // no file for either slot: both stay
    EXPECT_EQ(Get("Onlyen"), "again");
}

TEST_F(InitTest, AnotherFolderReplacesBothDocuments) {
    WriteMarked("de");
    InitWith("de");
    LanguageFolder other;
    other.Write("en.json", "{\"Which\": \"other en\"}");
    other.Write("fr.json", "{\"Which\": \"other fr\"}");
    EXPECT_NE(host.CallInit(Init, other.Wide(), u"fr-FR"), u"0");
    EXPECT_EQ(Get("Which"), "other fr");
    EXPECT_EQ(Get("Onlyde"), "");
}

TEST_F(InitTest, TagIsCutTo63Units) {
    WriteMarked("sr");
    WriteMarked("sr-latn");
    // 63 units keep the last dash at "sr-Latn-"; a 64th unit, another dash, is cut
    // off. Were it kept, the trimmed code would name no file and sr.json would win.
    const std::u16string tag63 = u"sr-Latn-" + std::u16string(kTagCapacity - 1 - 8, u'x');
    ASSERT_EQ(tag63.size(), kTagCapacity - 1);
    EXPECT_EQ(LoadedFor(ToUtf8(tag63 + u"-").c_str()), "sr-latn");
}

TEST_F(InitTest, DirectoryIsCutTo259Units) {
    std::u16string directory = folder.Wide() + u"/";
    directory += std::u16string(kDirectoryCapacity - 1 - directory.size(), u'd');
    ASSERT_EQ(directory.size(), kDirectoryCapacity - 1);
    std::filesystem::create_directory(std::filesystem::u8path(ToUtf8(directory)));
    LanguageFolder::WriteFile(ToUtf8(directory) + "/en.json", "{\"Which\": \"deep en\"}");

    EXPECT_EQ(host.CallInit(Init, directory + u"dz", u"xx"), u"0");  // "dz" is cut off
    EXPECT_EQ(Get("Which"), "deep en");
}

TEST_F(InitTest, NonAsciiDirectoriesNameTheirFiles) {
    for (const char* name : {"\xCE\x95\xCE\xBB\xCE\xBB\xCE\xB7\xCE\xBD\xCE\xB9\xCE\xBA\xCE\xAC", "\xE8\xA1\xA8"}) {
        const std::string directory = folder.path().u8string() + "/" + name;  // Ελληνικά, 表
        std::filesystem::create_directory(std::filesystem::u8path(directory));
        LanguageFolder::WriteFile(directory + "/en.json", std::string("{\"Which\": \"") + name + "\"}");
        host.CallInit(Init, FromUtf8(directory), u"");
        EXPECT_EQ(Get("Which"), name);
    }
}

}  // namespace
