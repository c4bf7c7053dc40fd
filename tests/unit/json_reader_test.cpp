// What the parser accepts, what it rejects and where, and the tree it builds.
#include <gtest/gtest.h>

#include <string>

#include "json/json_parser.h"
#include "support/parsed_json.h"

namespace {

struct Rejected {
    const char* text;
    JsonStop code;
    long errorOffset;  // where the failure is reported, from the start of the text
};

TEST(JsonReader, RejectsSyntaxErrorsAtTheByteThatShowsThem) {
    using S = JsonStop;
    const Rejected cases[] = {
        {"", S::ExpectedValue, 0},
        {" \t\r\n", S::ExpectedValue, 4},
        {"[1,]", S::ExpectedValue, 3},
        {"[1 2]", S::ExpectedCommaOrBracket, 3},
        {"{\"a\":1,}", S::ExpectedKey, 7},
        {"{\"a\" 1}", S::ExpectedColon, 5},
        {"{a:1}", S::ExpectedKey, 1},
        {"[nullx]", S::ExpectedCommaOrBracket, 5},
        {"NULL", S::ExpectedValue, 0},
        {".5", S::ExpectedValue, 0},
        {"[1.]", S::ExpectedCommaOrBracket, 2},
        {"[1.e5]", S::ExpectedCommaOrBracket, 2},
        {"{\"a\":}", S::ExpectedValue, 5},
        {"{\"a\":1", S::ExpectedCommaOrBrace, 6},
        {"\xEF\xBB\xBF{}", S::ExpectedValue, 0},
        {"[", S::ExpectedValue, 1},
        {"{\"a\":1 \"b\":2}", S::ExpectedCommaOrBrace, 7},
        {"\x7F", S::ExpectedValue, 0},
        // A string left open is reported at its opening quote, key or value.
        {"{\"a\":\"x", S::UnterminatedString, 5},
        {"[\"a\", \"b\\\"]", S::UnterminatedString, 6},
        {"{\"ab", S::UnterminatedString, 1},
    };
    for (const Rejected& c : cases) {
        ParsedJson tree(c.text);
        EXPECT_EQ(tree.root, nullptr) << c.text;
        EXPECT_EQ(tree.stop.code, c.code) << c.text;
        EXPECT_EQ(tree.ErrorOffset(), c.errorOffset) << c.text;
    }
}

TEST(JsonReader, IgnoresWhateverFollowsTheRootValue) {
    const std::pair<const char*, int> cases[] = {
        {" {} xyz", JsonKind::Object}, {"true false", JsonKind::True}, {"nullx", JsonKind::Null},
        {"1.", JsonKind::Integer},     {"\"abc", JsonKind::String},
    };
    // The stop of a parsed text is just after the root value.
    EXPECT_EQ(ParsedJson(" {} xyz").stop.offset, 3u);
    EXPECT_EQ(ParsedJson("\"abc").stop.offset, 4u);
    for (const auto& c : cases) {
        ParsedJson tree(c.first);
        ASSERT_NE(tree.root, nullptr) << c.first;
        EXPECT_EQ(tree.root->kind, c.second) << c.first;
        EXPECT_EQ(tree.stop.code, JsonStop::Parsed);
        EXPECT_EQ(tree.ErrorOffset(), -1);
    }
}

TEST(JsonReader, KeywordsSetOnlyTheirOwnFields) {
    ParsedJson yes("true"), no("false"), nothing("null");
    EXPECT_EQ(yes.root->integerValue, 1);
    EXPECT_EQ(yes.root->doubleValue, 0.0);
    for (const JsonNode* node : {no.root, nothing.root}) {
        EXPECT_EQ(node->integerValue, 0);
        EXPECT_EQ(node->doubleValue, 0.0);
        EXPECT_EQ(node->stringValue, nullptr);
        EXPECT_EQ(node->numberSign, 0);
    }
}

TEST(JsonReader, BuildsSiblingChainsInTextOrderWithNamesOnlyOnMembers) {
    ParsedJson tree("{ \"a\" : [1, \"x\", {}], \"A\": null, \"\": true, \"a\": 2 }");
    const JsonNode* root = tree.root;
    ASSERT_NE(root, nullptr);
    EXPECT_EQ(root->memberName, nullptr);
    EXPECT_EQ(root->nextSibling, nullptr);

    const char* names[] = {"a", "A", "", "a"};
    const int kinds[] = {JsonKind::Array, JsonKind::Null, JsonKind::True, JsonKind::Integer};
    const JsonNode* member = root->firstChild;
    const JsonNode* previous = nullptr;
    for (int i = 0; i < 4; ++i, previous = member, member = member->nextSibling) {
        ASSERT_NE(member, nullptr);
        EXPECT_STREQ(member->memberName, names[i]);
        EXPECT_EQ(member->kind, kinds[i]);
        EXPECT_EQ(member->previousSibling, previous);
    }
    EXPECT_EQ(member, nullptr);

    const JsonNode* element = root->firstChild->firstChild;
    EXPECT_EQ(element->memberName, nullptr);
    EXPECT_EQ(element->nextSibling->kind, JsonKind::String);
    EXPECT_STREQ(element->nextSibling->stringValue, "x");
    EXPECT_EQ(element->nextSibling->nextSibling->kind, JsonKind::Object);
    EXPECT_EQ(element->nextSibling->nextSibling->firstChild, nullptr);
}

std::string Nested(int depth) { return std::string(depth, '[') + std::string(depth, ']'); }

TEST(JsonReader, NestingStopsAtTheLimitWithTheExcessBracketReported) {
    ParsedJson deepest(Nested(kMaxJsonDepth).c_str());
    EXPECT_NE(deepest.root, nullptr);

    const std::string tooDeep = Nested(kMaxJsonDepth + 1);
    ParsedJson rejected(tooDeep.c_str());
    EXPECT_EQ(rejected.root, nullptr);
    EXPECT_EQ(rejected.stop.code, JsonStop::TooDeep);
    EXPECT_EQ(rejected.ErrorOffset(), kMaxJsonDepth);

    // Objects count as well as arrays: the 513th container fails at its opening brace.
    std::string mixed;
    std::size_t excessOffset = 0;
    for (int i = 0; i <= kMaxJsonDepth; ++i) {
        excessOffset = mixed.size();
        mixed += i % 2 == 0 ? "{\"k\":" : "[";
    }
    ParsedJson mixedTree(mixed.c_str());
    EXPECT_EQ(mixedTree.root, nullptr);
    EXPECT_EQ(mixedTree.ErrorOffset(), static_cast<long>(excessOffset));
}

TEST(JsonReader, SurvivesTwoMillionOpeningBrackets) {
    const std::string text(2000000, '[');
    ParsedJson tree(text.c_str());
    EXPECT_EQ(tree.root, nullptr);
    EXPECT_EQ(tree.ErrorOffset(), kMaxJsonDepth);
}

TEST(JsonReader, NullTextFailsWithoutPosition) {
    ParsedJson tree(nullptr);
    EXPECT_EQ(tree.root, nullptr);
    EXPECT_EQ(tree.stop.code, JsonStop::NoText);
    EXPECT_EQ(tree.ErrorOffset(), -1);
}

// The observer hears the root's members, and only those, with where their
// names and values start.
TEST(JsonReader, TellsTheObserverOfEachRootMember) {
    const std::string text = "{\"a\": {\"inner\": 1},\n \"b\" :  \"x\"}";
    std::string heard;
    const JsonMemberObserver observer = {
        [](void* context, const JsonNode& member, std::size_t nameOffset, std::size_t valueOffset) {
            *static_cast<std::string*>(context) += std::string(member.memberName) + "@" + std::to_string(nameOffset) +
                                                   ":" + std::to_string(valueOffset) + " ";
        },
        &heard};
    JsonArena arena;
    JsonParseStop stop;
    ASSERT_NE(ParseJsonText(text.c_str(), text.size(), arena, stop, &observer), nullptr);
    EXPECT_EQ(heard, "a@1:6 b@21:28 ");
}

}  // namespace
