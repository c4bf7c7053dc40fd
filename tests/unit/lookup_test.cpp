// GetStr and Exit: where a text comes from, how it is cut, and what the script
// gets back when something fails.
#include "capacities.h"
#include "plugin/document_slots.h"
#include "support/allocation_failure.h"
#include "support/plugin_session.h"

namespace {

class Lookup : public PluginSession {
protected:
    void SetUp() override {
        PluginSession::SetUp();
        folder.Write("en.json", R"({"Both": "base", "BaseOnly": "base only", "Number": "base number",
                                    "Empty": "base empty", "Nested": "base nested"})");
        folder.Write("de.json", R"({"Both": "Sprache", "Number": 3, "Empty": "", "Nested": {"Both": "x"},
                                    "Flag": true, "Umlaut": "Gr\u00fc\u00dfe", "Emoji": "\ud83d\ude00!"})");
    }
    // The texts the host receives for a key, from a session without the usual Init.
    std::u16string GetWide(const std::u16string& key) { return host.CallGetStr(GetStr, key); }
};

TEST_F(Lookup, LanguageDocumentFirstThenBaseThenEmpty) {
    InitWith("de-DE");
    EXPECT_EQ(Get("Both"), "Sprache");
    EXPECT_EQ(Get("bOTH"), "Sprache");
    EXPECT_EQ(Get("BaseOnly"), "base only");
    EXPECT_EQ(Get("Number"), "base number");
    EXPECT_EQ(Get("Nested"), "base nested");
    EXPECT_EQ(Get("Flag"), "");
    EXPECT_EQ(Get("Empty"), "");  // found empty in the language document: the base is not asked
    EXPECT_EQ(Get("Missing"), "");
    EXPECT_EQ(Get(""), "");
    EXPECT_EQ(Get("Umlaut"), "Gr\xC3\xBC\xC3\x9F" "e");
    EXPECT_EQ(GetWide(u"Emoji"), u"\U0001F600!");
}

TEST_F(Lookup, EveryCallPushesExactlyOneString) {
    EXPECT_EQ(Get("Both"), "");  // before Init
    host.Push(u"below");
    host.Push(u"Both");
    host.Call(GetStr);
    EXPECT_EQ(host.Depth(), 2u);

    InitWith("de");
    host.Call(Exit);
    host.Call(Exit);  // twice is harmless
    EXPECT_EQ(LanguageDocument, nullptr);
    EXPECT_EQ(BaseDocument, nullptr);
    EXPECT_EQ(Get("Both"), "");

    host.CallWithoutStack(GetStr);  // no stack: nothing popped, nothing pushed
    EXPECT_EQ(host.Depth(), 2u);
}

TEST_F(Lookup, KeysAreCutTo127UnitsAndCompareInUtf8) {
    const std::string key127(kKeyCapacity - 1, 'k');
    const std::string cjk127 = [] {
        std::string key;
        for (std::size_t i = 0; i + 1 < kKeyCapacity; ++i) key += "\xE9\x8D\xB5";  // 鍵, 3 bytes in UTF-8
        return key;
    }();
    folder.Write("en.json", "{\"" + key127 + "\": \"long\", \"" + key127 + "x\": \"longer\", \"" + cjk127 +
                                "\": \"wide\", \"Gr\xC3\xB6\xC3\x9F" "e\": \"size\"}");
    InitWith("xx");
    EXPECT_EQ(Get(key127), "long");
    EXPECT_EQ(Get(key127 + "x"), "long");  // the 128th unit never reaches the lookup
    EXPECT_EQ(Get(cjk127), "wide");
    EXPECT_EQ(Get("gr\xC3\xB6\xC3\x9F" "E"), "size");
}

TEST_F(Lookup, ValuesAreCutOnlyByTheHostsStringSize) {
    const std::string units1023(1023, 'a');
    const std::string units1500 = std::string(1499, 'b') + "\xC3\xA9";
    folder.Write("en.json", "{\"A\": \"" + units1023 + "\", \"B\": \"" + units1500 +
                                "\", \"Pair\": \"" + std::string(1022, 'c') + "\\ud83d\\ude00\"}");
    InitWith("xx");
    EXPECT_EQ(Get("A"), units1023);
    EXPECT_EQ(Get("B"), std::string(1023, 'b'));
    EXPECT_EQ(Get("Pair"), std::string(1022, 'c'));  // the pair would be split: cut before it

    HostSimulator large(8192);
    EXPECT_EQ(ToUtf8(large.CallGetStr(GetStr, u"B")), units1500);
    EXPECT_EQ(large.CallGetStr(GetStr, u"Pair").size(), 1024u);

    HostSimulator tiny(1);
    EXPECT_EQ(tiny.CallGetStr(GetStr, u"A"), u"");
}

TEST_F(Lookup, OutOfMemoryStillAnswersTheScript) {
    InitWith("de");
    const std::u16string key = u"BaseOnly";  // long enough that its text needs the heap
    host.Push(key);
    {
        AllocationFailure noMemory;
        host.Call(GetStr);
    }
    EXPECT_EQ(host.Pop(), u"");
    EXPECT_EQ(host.Depth(), 0u);

    const CJSonObject* kept = LanguageDocument;
    const std::u16string directory = folder.Wide(), tag = u"de";
    host.Push(tag);
    host.Push(directory);
    {
        AllocationFailure noMemory;
        host.Call(Init);
    }
    ASSERT_EQ(host.Depth(), 1u);
    EXPECT_NE(host.Pop(), u"0");
    EXPECT_EQ(LanguageDocument, kept);
}

// Whichever request of a whole script cycle finds no memory, every call still
// pushes what the script expects, each answer is the language text, the base
// text (when the language document could not be built) or "", and once Exit
// has run nothing the module took is left.
TEST_F(Lookup, EveryFailedRequestOfACycleIsAnsweredAndLeavesNothingBehind) {
    struct Answer {
        std::u16string key, language, base;
    };
    const Answer answers[] = {{u"Both", u"Sprache", u"base"},
                              {u"BaseOnly", u"base only", u"base only"},
                              {u"Umlaut", u"Gr\u00fc\u00dfe", u""},
                              {u"Missing", u"", u""}};
    const std::u16string directory = folder.Wide();  // the test's own conversions stay outside
    const auto cycle = [&] {
        const std::u16string handle = host.CallInit(Init, directory, u"de-DE");
        EXPECT_EQ(host.Depth(), 0u);
        EXPECT_FALSE(handle.empty());
        for (const Answer& answer : answers) {
            const std::u16string text = host.CallGetStr(GetStr, answer.key);
            EXPECT_TRUE(text == answer.language || text == answer.base || text.empty()) << ToUtf8(answer.key);
        }
        host.Call(Exit);
    };
    long needed = 0;
    {
        AllocationFailure counting(AllocationFailure::kNoRequest);
        cycle();
        needed = counting.requests();
        EXPECT_EQ(counting.live(), 0);
    }
    ASSERT_GT(needed, 20);
    for (long index = 0; index < needed; ++index) {
        AllocationFailure failing(index);
        cycle();
        EXPECT_EQ(failing.live(), 0) << "request " << index;
    }
}

}  // namespace
