// Escape decoding, and what strings that end badly decode to.
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "json/json_parser.h"
#include "support/parsed_json.h"

namespace {

// The decoded value of a root string whose body is given.
std::string Decode(const std::string& body) {
    const std::string text = "\"" + body + "\"";
    ParsedJson parsedNode(text.c_str());
    JsonNode* node = parsedNode.root;
    if (node == nullptr || node->kind != JsonKind::String) return "<rejected>";
    std::string value = node->stringValue;
    return value;
}

TEST(JsonStrings, DecodeEscapes) {
    const std::pair<const char*, const char*> cases[] = {
        {"a\\u00e9b", "a\xC3\xA9" "b"},
        {"\\uD83D\\uDE00", "\xF0\x9F\x98\x80"},
        {"\\uD840\\uDC00", "\xF0\xA0\x80\x80"},
        {"\\u0041\\u07FF\\uFFFF", "A\xDF\xBF\xEF\xBF\xBF"},
        {"\\u0000x", "x"},
        {"\\uDE00x", "x"},
        {"\\uD83Dx", "x"},
        {"\\uD83D\\u0041", ""},
        {"\\u41xyz", "Az"},
        {"\\q\\/", "q/"},
        {"\\\"\\\\\\b\\f\\n\\r\\t", "\"\\\b\f\n\r\t"},
        {"\xE9\t", "\xE9\t"},
        {"\\u", ""},
        {"\\uzzzzA", "A"},
        {"\\u  41", "A"},  // the hex conversion skips leading white space
    };
    for (const auto& c : cases) EXPECT_EQ(Decode(c.first), c.second) << c.first;
}

TEST(JsonStrings, UnterminatedRootStringKeepsWhatWasDecoded) {
    ParsedJson parsedNode("\"abc");
    JsonNode* node = parsedNode.root;
    ASSERT_NE(node, nullptr);
    EXPECT_STREQ(node->stringValue, "abc");
}

// An escape that reaches the closing quote ends with the string: the next
// members are read as members, and nothing is written past the buffer.
TEST(JsonStrings, EscapeStraddlingTheClosingQuoteStopsAtIt) {
    ParsedJson parsedRoot("{\"a\":\"\\u41\",\"b\":\"x\",\"c\":\"\\uD83D\\uDE\"}");
    JsonNode* root = parsedRoot.root;
    ASSERT_NE(root, nullptr);
    const JsonNode* a = root->firstChild;
    EXPECT_STREQ(a->stringValue, "A");
    ASSERT_NE(a->nextSibling, nullptr);
    EXPECT_STREQ(a->nextSibling->memberName, "b");
    EXPECT_STREQ(a->nextSibling->stringValue, "x");
    EXPECT_STREQ(a->nextSibling->nextSibling->stringValue, "");  // a pair cut short writes nothing
}

TEST(JsonStrings, EscapesAtTheVeryEndOfTheText) {
    const char* endings[] = {"\"\\", "\"\\u", "\"\\u4", "\"\\uD83D", "\"\\uD83D\\", "\"\\uD83D\\u", "\"ab\\uDE0"};
    const char* expected[] = {"", "", "\x04", "", "", "", "ab\xE0\xB7\xA0"};  // U+0DE0 is no surrogate
    for (int i = 0; i < 7; ++i) {
        ParsedJson parsedNode(endings[i]);
        JsonNode* node = parsedNode.root;
        ASSERT_NE(node, nullptr) << endings[i];
        EXPECT_STREQ(node->stringValue, expected[i]) << endings[i];
    }
}

TEST(JsonStrings, MemberNamesAreDecodedLikeValues) {
    ParsedJson parsedRoot("{\"Caf\\u00e9\":\"x\"}");
    JsonNode* root = parsedRoot.root;
    ASSERT_NE(root, nullptr);
    EXPECT_STREQ(root->firstChild->memberName, "Caf\xC3\xA9");
    EXPECT_EQ(root->firstChild->kind, JsonKind::String);
}

}  // namespace

namespace {

// Parses a copy of text in a heap block of exactly its size, so that a
// sanitizer sees any read past the terminating NUL.
std::string ParsedRootString(const std::string& text, bool viaLength) {
    std::unique_ptr<char[]> exact(new char[text.size() + 1]);
    std::memcpy(exact.get(), text.c_str(), text.size() + 1);
    const ParsedJson parsed = viaLength ? ParsedJson(exact.get(), text.size()) : ParsedJson(exact.get());
    const JsonNode* node = parsed.root;
    if (node == nullptr) return "<rejected>";
    const std::string value = node->kind == JsonKind::String ? node->stringValue : "<not a string>";
    return value;
}

// Strings are scanned eight bytes at a time: put every kind of stop in every
// lane, and let the text end at every offset around a word.
TEST(JsonStrings, EveryStopIsFoundInEveryLaneOfAWord) {
    for (std::size_t length = 0; length <= 20; ++length) {
        const std::string plain(length, 'a');
        for (bool viaLength : {false, true}) {
            EXPECT_EQ(ParsedRootString("\"" + plain + "\"tail", viaLength), plain) << length;
            EXPECT_EQ(ParsedRootString("\"" + plain + "\\n\"", viaLength), plain + "\n") << length;
            EXPECT_EQ(ParsedRootString("\"" + plain, viaLength), plain) << length;          // text ends
            EXPECT_EQ(ParsedRootString("\"" + plain + "\\", viaLength), plain) << length;   // ends after a backslash
            // High bytes and bytes one off the stops must not stop the scan.
            const std::string near = plain + "!#[]\x7F\x80\xFF\x01";
            EXPECT_EQ(ParsedRootString("\"" + near + "\"", viaLength), near) << length;
        }
    }
}

TEST(JsonStrings, AKnownLengthDoesNotCarryTheTextPastItsFirstZeroByte) {
    const std::string text("\"abcdefghij\0klmnop\"", 19);
    ParsedJson parsedNode(text.c_str(), text.size());
    JsonNode* node = parsedNode.root;
    ASSERT_NE(node, nullptr);
    EXPECT_STREQ(node->stringValue, "abcdefghij");
}

}  // namespace
