// Lookups by key, and the message a rejected text leaves.
#include <gtest/gtest.h>

#include <string>

#include "json/json_document.h"

namespace {

// The answer for a key: the value, or "<none>" when the lookup says false.
std::string Look(const CJSonObject& document, const std::string& key) {
    std::string value = "<none>";
    const bool found = document.GetStringValue(key, value);
    EXPECT_EQ(found, value != "<none>") << key;
    return value;
}

TEST(JsonDocument, FindsTopLevelStringMembersIgnoringAsciiCase) {
    const CJSonObject document("{\"Hello\": \"Bonjour\", \"Empty\": \"\", \"Caf\xC3\xA9\": \"x\"}");
    EXPECT_EQ(Look(document, "hello"), "Bonjour");
    EXPECT_EQ(Look(document, "HELLO"), "Bonjour");
    EXPECT_EQ(Look(document, "Hello2"), "<none>");
    EXPECT_EQ(Look(document, ""), "<none>");
    EXPECT_EQ(Look(document, "empty"), "");
    EXPECT_EQ(Look(document, "caf\xC3\xA9"), "x");
    EXPECT_EQ(Look(document, "CAF\xC3\x89"), "<none>");  // no folding beyond ASCII
}

TEST(JsonDocument, TheFirstMatchingMemberDecidesEvenWhenItIsNoString) {
    const CJSonObject numberFirst("{\"k\": 1, \"K\": \"later\"}");
    EXPECT_EQ(Look(numberFirst, "k"), "<none>");
    EXPECT_EQ(Look(numberFirst, "K"), "<none>");

    const CJSonObject stringFirst("{\"k\": \"first\", \"K\": \"later\"}");
    EXPECT_EQ(Look(stringFirst, "K"), "first");

    for (const char* value : {"true", "false", "null", "[\"x\"]", "{\"b\": \"x\"}", "2.5"}) {
        const CJSonObject document(std::string("{\"a\": ") + value + ", \"a\": \"hidden\"}");
        EXPECT_EQ(Look(document, "a"), "<none>") << value;
    }
}

TEST(JsonDocument, NeverDescendsIntoNestedValues) {
    const CJSonObject nested("{\"a\": {\"b\": \"x\"}}");
    EXPECT_EQ(Look(nested, "a"), "<none>");
    EXPECT_EQ(Look(nested, "b"), "<none>");
    const CJSonObject array("[\"a\", \"b\"]");
    EXPECT_EQ(Look(array, "a"), "<none>");
    EXPECT_EQ(Look(array, "0"), "<none>");
}

TEST(JsonDocument, LoadsDespiteTextAfterTheRoot) {
    const CJSonObject document("{\"a\": \"x\"} trailing, {\"b\": \"y\"}");
    EXPECT_NE(document.Root(), nullptr);
    EXPECT_EQ(document.ErrorMessage(), "");
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
        const CJSonObject document(c.first);
        EXPECT_EQ(document.Root(), nullptr) << c.first;
        EXPECT_EQ(document.ErrorMessage(), "prase json string error at " + c.second) << c.first;
        EXPECT_EQ(Look(document, "a"), "<none>");
    }
}

TEST(JsonDocument, SeesTheTextOnlyUpToItsFirstZeroByte) {
    const CJSonObject document(std::string("{\"a\": \"x\"}\0{", 12));
    EXPECT_EQ(Look(document, "a"), "x");
    const CJSonObject cut(std::string("{\"a\": \"x\0\"}", 11));
    EXPECT_EQ(cut.Root(), nullptr);
}

}  // namespace
