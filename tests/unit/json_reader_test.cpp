// What the parser accepts, what it rejects and where, and the tree it builds.
#include <gtest/gtest.h>

#include <string>

#include "json/json_parse_routines.h"
#include "json/json_parser.h"

namespace {

struct Rejected {
    const char* text;
    long errorOffset;  // where the failure is reported, from the start of the text
};

class ParsedTree {
public:
    explicit ParsedTree(const char* text) : text_(text), root_(ParseJsonText(text, &error_)) {}
    ~ParsedTree() { FreeJsonTree(root_); }
    const JsonNode* root() const { return root_; }
    long ErrorOffset() const { return error_ == nullptr ? -1 : static_cast<long>(error_ - text_); }

private:
    const char* text_;
    const char* error_ = nullptr;
    JsonNode* root_;
};

TEST(JsonReader, RejectsSyntaxErrorsAtTheByteThatShowsThem) {
    const Rejected cases[] = {
        {"", 0},           {" \t\r\n", 4},     {"[1,]", 3},       {"[1 2]", 3},        {"{\"a\":1,}", 7},
        {"{\"a\" 1}", 5},  {"{a:1}", 1},       {"[nullx]", 5},    {"NULL", 0},         {".5", 0},
        {"[1.]", 2},       {"[1.e5]", 2},      {"{\"a\":}", 5},   {"{\"a\":1", 6},     {"{\"a\":\"x", 7},
        {"\xEF\xBB\xBF{}", 0}, {"[", 1},        {"{\"a\":1 \"b\":2}", 7}, {"\x7F", 0},
    };
    for (const Rejected& c : cases) {
        ParsedTree tree(c.text);
        EXPECT_EQ(tree.root(), nullptr) << c.text;
        EXPECT_EQ(tree.ErrorOffset(), c.errorOffset) << c.text;
    }
}

TEST(JsonReader, IgnoresWhateverFollowsTheRootValue) {
    const std::pair<const char*, int> cases[] = {
        {" {} xyz", JsonKind::Object}, {"true false", JsonKind::True}, {"nullx", JsonKind::Null},
        {"1.", JsonKind::Integer},     {"\"abc", JsonKind::String},
    };
    for (const auto& c : cases) {
        ParsedTree tree(c.first);
        ASSERT_NE(tree.root(), nullptr) << c.first;
        EXPECT_EQ(tree.root()->kind, c.second) << c.first;
        EXPECT_EQ(tree.ErrorOffset(), -1);
    }
}

TEST(JsonReader, KeywordsSetOnlyTheirOwnFields) {
    ParsedTree yes("true"), no("false"), nothing("null");
    EXPECT_EQ(yes.root()->integerValue, 1);
    EXPECT_EQ(yes.root()->doubleValue, 0.0);
    for (const JsonNode* node : {no.root(), nothing.root()}) {
        EXPECT_EQ(node->integerValue, 0);
        EXPECT_EQ(node->doubleValue, 0.0);
        EXPECT_EQ(node->stringValue, nullptr);
        EXPECT_EQ(node->numberSign, 0);
    }
}

TEST(JsonReader, BuildsSiblingChainsInTextOrderWithNamesOnlyOnMembers) {
    ParsedTree tree("{ \"a\" : [1, \"x\", {}], \"A\": null, \"\": true, \"a\": 2 }");
    const JsonNode* root = tree.root();
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
    ParsedTree deepest(Nested(kMaxJsonDepth).c_str());
    EXPECT_NE(deepest.root(), nullptr);

    const std::string tooDeep = Nested(kMaxJsonDepth + 1);
    ParsedTree rejected(tooDeep.c_str());
    EXPECT_EQ(rejected.root(), nullptr);
    EXPECT_EQ(rejected.ErrorOffset(), kMaxJsonDepth);

    // Objects count as well as arrays: the 513th container fails at its opening brace.
    std::string mixed;
    std::size_t excessOffset = 0;
    for (int i = 0; i <= kMaxJsonDepth; ++i) {
        excessOffset = mixed.size();
        mixed += i % 2 == 0 ? "{\"k\":" : "[";
    }
    ParsedTree mixedTree(mixed.c_str());
    EXPECT_EQ(mixedTree.root(), nullptr);
    EXPECT_EQ(mixedTree.ErrorOffset(), static_cast<long>(excessOffset));
}

TEST(JsonReader, SurvivesTwoMillionOpeningBrackets) {
    const std::string text(2000000, '[');
    ParsedTree tree(text.c_str());
    EXPECT_EQ(tree.root(), nullptr);
    EXPECT_EQ(tree.ErrorOffset(), kMaxJsonDepth);
}

TEST(JsonReader, NullTextFailsWithoutPosition) {
    const char* error = "unset";
    EXPECT_EQ(ParseJsonText(nullptr, &error), nullptr);
    EXPECT_EQ(error, nullptr);
}

TEST(JsonTree, ReleasesAReferenceNodeWithoutItsBorrowedContents) {
    ParsedTree owner("[\"kept\", 2]");
    JsonNode* reference = static_cast<JsonNode*>(std::calloc(1, sizeof(JsonNode)));
    reference->kind = JsonKind::Array | ReferenceFlag;
    reference->firstChild = owner.root()->firstChild;
    reference->memberName = static_cast<char*>(std::calloc(1, 2));
    FreeJsonTree(reference);
    // The borrowed chain is intact and released by its owner.
    EXPECT_STREQ(owner.root()->firstChild->stringValue, "kept");
}

// No parse makes a tree this deep, but releasing one must still not exhaust
// the stack (the sanitizers and memcheck see that nothing leaks).
TEST(JsonTree, ReleasesATreeFarDeeperThanTheParserBuilds) {
    JsonNode* root = NewJsonNode();
    ASSERT_NE(root, nullptr);
    JsonNode* container = root;
    for (int level = 0; level < 500000; ++level) {
        container->kind = level % 2 == 0 ? JsonKind::Array : JsonKind::Object;
        JsonNode* first = NewJsonNode();
        JsonNode* second = NewJsonNode();
        ASSERT_TRUE(first != nullptr && second != nullptr);
        first->nextSibling = second;
        second->previousSibling = first;
        container->firstChild = first;
        container = level % 3 == 0 ? first : second;
    }
    FreeJsonTree(root);
}

TEST(CaseInsensitiveCompare, FoldsAsciiLettersOnly) {
    EXPECT_EQ(CaseInsensitiveCompare("Title", "tITLE"), 0);
    EXPECT_NE(CaseInsensitiveCompare("title", "title2"), 0);
    EXPECT_LT(CaseInsensitiveCompare("title", "title2"), 0);
    EXPECT_EQ(CaseInsensitiveCompare(nullptr, nullptr), 0);
    EXPECT_EQ(CaseInsensitiveCompare(nullptr, "a"), 1);
    EXPECT_EQ(CaseInsensitiveCompare("a", nullptr), 1);
    EXPECT_NE(CaseInsensitiveCompare("\xC3\xA9", "\xC3\x89"), 0);  // é and É differ beyond ASCII
    EXPECT_EQ(CaseInsensitiveCompare("[", "{"), '[' - '{');        // no folding outside the letters
    EXPECT_GT(CaseInsensitiveCompare("\xE9", "a"), 0);             // bytes compare unsigned
}

}  // namespace
