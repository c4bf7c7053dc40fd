// Lookups by key, and the message a rejected text leaves.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "json/json_document.h"
#include "json/json_parser.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

// The answer for a key: the value, or "<none>" when the lookup says false.
std::string Look(const CJSonObject& document, const std::string& key) {
    ByteString value = HeapCopy("<none>");
    const bool found = document.GetStringValue(HeapCopy(key), value);
    EXPECT_EQ(found, StdString(value) != "<none>") << key;
    return StdString(value);
}

TEST(JsonDocument, FindsTopLevelStringMembersIgnoringAsciiCase) {
    const CJSonObject document = Document("{\"Hello\": \"Bonjour\", \"Empty\": \"\", \"Caf\xC3\xA9\": \"x\"}");
    EXPECT_EQ(Look(document, "hello"), "Bonjour");
    EXPECT_EQ(Look(document, "HELLO"), "Bonjour");
    EXPECT_EQ(Look(document, "Hello2"), "<none>");
    EXPECT_EQ(Look(document, ""), "<none>");
    EXPECT_EQ(Look(document, "empty"), "");
    EXPECT_EQ(Look(document, "caf\xC3\xA9"), "x");
    EXPECT_EQ(Look(document, "CAF\xC3\x89"), "<none>");  // no folding beyond ASCII
}

TEST(JsonDocument, TheFirstMatchingMemberDecidesEvenWhenItIsNoString) {
    const CJSonObject numberFirst = Document("{\"k\": 1, \"K\": \"later\"}");
    EXPECT_EQ(Look(numberFirst, "k"), "<none>");
    EXPECT_EQ(Look(numberFirst, "K"), "<none>");

    const CJSonObject stringFirst = Document("{\"k\": \"first\", \"K\": \"later\"}");
    EXPECT_EQ(Look(stringFirst, "K"), "first");

    for (const char* value : {"true", "false", "null", "[\"x\"]", "{\"b\": \"x\"}", "2.5"}) {
        const CJSonObject document = Document(std::string("{\"a\": ") + value + ", \"a\": \"hidden\"}");
        EXPECT_EQ(Look(document, "a"), "<none>") << value;
    }
}

// The answer a walk of the members in text order gives, as Look reports it.
std::string WalkedAnswer(const CJSonObject& document, const std::string& key) {
    for (const JsonNode* member = document.Root()->firstChild; member != nullptr; member = member->nextSibling) {
        if (CaseInsensitiveCompare(member->memberName, key.c_str()) != 0) continue;
        return member->kind == JsonKind::String ? member->stringValue : "<none>";
    }
    return "<none>";
}

// Many members, names that differ only in case, repeated names whose first
// holds no string, and keys that collide in a small table.
std::string CrowdedObjectText() {
    std::string text = "{";
    for (int index = 0; index < 3000; ++index) {
        const std::string name = "Key" + std::to_string(index % 2000);
        if (index % 7 == 0) {
            text += "\"" + name + "\": " + std::to_string(index) + ", ";
        } else {
            text += "\"" + (index % 3 == 0 ? std::string("kEY") + name.substr(3) : name) + "\": \"v" +
                    std::to_string(index) + "\", ";
        }
    }
    return text + "\"\": \"empty name\"}";
}

TEST(JsonDocument, IndexedLookupsAnswerAsAWalkOfTheMembers) {
    const CJSonObject document = Document(CrowdedObjectText());
    ASSERT_NE(document.Root(), nullptr);
    int found = 0;
    for (int index = 0; index < 2100; ++index) {
        for (const std::string& key : {"Key" + std::to_string(index), "KEY" + std::to_string(index)}) {
            const std::string expected = WalkedAnswer(document, key);
            EXPECT_EQ(Look(document, key), expected) << key;
            found += expected != "<none>";
        }
    }
    EXPECT_GT(found, 2000);  // the walk finds most keys, so the comparison means something
    EXPECT_EQ(Look(document, ""), "empty name");
}

// Names that differ in one byte, at every lane of a word: only ASCII letters
// may meet their other case, never '@' and '`' or '[' and '{'.
TEST(JsonDocument, IndexedLookupsFoldOnlyAsciiLetters) {
    std::string text = "{";
    std::vector<std::string> names;
    for (int byte = 1; byte < 256; ++byte) {
        if (byte == '"' || byte == '\\') continue;
        for (std::size_t lane : {0u, 5u, 8u, 15u}) {
            std::string name(16, 'q');
            name[lane] = static_cast<char>(byte);
            names.push_back(name);
            text += "\"" + name + "\": \"" + std::to_string(byte) + "@" + std::to_string(lane) + "\", ";
        }
    }
    const CJSonObject document = Document(text + "\"last\": \"\"}");
    ASSERT_NE(document.Root(), nullptr);
    for (const std::string& name : names) {
        for (const char flip : {'\0', '\x20'}) {
            std::string key = name;
            for (char& byte : key) byte = byte == 'q' ? byte : static_cast<char>(byte ^ flip);
            EXPECT_EQ(Look(document, key), WalkedAnswer(document, key)) << key;
        }
    }
}

TEST(JsonDocument, WithoutMemoryForTheIndexLookupsStillAnswer) {
    const CJSonObject document = Document(CrowdedObjectText());
    std::vector<std::string> keys, expected, answers;
    for (int index = 0; index < 2100; index += 7) keys.push_back("key" + std::to_string(index));
    for (const std::string& key : keys) expected.push_back(WalkedAnswer(document, key));
    answers.resize(keys.size());
    {
        // The first lookup finds no room for the index; the answers are the
        // document's own bytes and need no memory.
        AllocationFailure noMemory;
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const char* found = document.FindStringValue(keys[i].c_str());
            answers[i] = found != nullptr ? found : "<none>";
        }
    }
    EXPECT_EQ(answers, expected);
    EXPECT_EQ(Look(document, "Key1"), WalkedAnswer(document, "Key1"));  // and once memory is back
}

TEST(JsonDocument, NeverDescendsIntoNestedValues) {
    const CJSonObject nested = Document("{\"a\": {\"b\": \"x\"}}");
    EXPECT_EQ(Look(nested, "a"), "<none>");
    EXPECT_EQ(Look(nested, "b"), "<none>");
    const CJSonObject array = Document("[\"a\", \"b\"]");
    EXPECT_EQ(Look(array, "a"), "<none>");
    EXPECT_EQ(Look(array, "0"), "<none>");
}

TEST(JsonDocument, LoadsDespiteTextAfterTheRoot) {
    const CJSonObject document = Document("{\"a\": \"x\"} trailing, {\"b\": \"y\"}");
    EXPECT_NE(document.Root(), nullptr);
    EXPECT_EQ(StdString(document.ErrorMessage()), "");
    EXPECT_EQ(Look(document, "a"), "x");
}

TEST(JsonDocument, RejectedTextQuotesTheRestFromTheErrorPosition) {
    const std::pair<std::string, std::string> cases[] = {
        {"{\"a\":}", "}"},
        {"{\"a\": \"x\"", ""},
        {"", ""},
        {"\xEF\xBB\xBF{\"a\": \"x\"}", "\xEF\xBB\xBF{\"a\": \"x\"}"},
        {"[1 2, 3]", "2, 3]"},
    };
    for (const auto& c : cases) {
        const CJSonObject document = Document(c.first);
        EXPECT_EQ(document.Root(), nullptr) << c.first;
        EXPECT_EQ(StdString(document.ErrorMessage()), "prase json string error at " + c.second) << c.first;
        EXPECT_EQ(Look(document, "a"), "<none>");
    }
}

TEST(JsonDocument, SeesTheTextOnlyUpToItsFirstZeroByte) {
    const CJSonObject document = Document(std::string("{\"a\": \"x\"}\0{", 12));
    EXPECT_EQ(Look(document, "a"), "x");
    const CJSonObject cut = Document(std::string("{\"a\": \"x\0\"}", 11));
    EXPECT_EQ(cut.Root(), nullptr);
}

}  // namespace
