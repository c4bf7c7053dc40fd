// Number rules: the kind chosen, the three number fields, and where a number ends.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "json/json_parser.h"
#include "support/parsed_json.h"

namespace {

struct NumberCase {
    const char* text;
    int kind;
    std::int64_t integerValue;
    double doubleValue;
    int numberSign;
};

TEST(JsonNumbers, FollowTheDigitByDigitRules) {
    const NumberCase cases[] = {
        {"0", JsonKind::Integer, 0, 0.0, 1},
        {"012", JsonKind::Integer, 12, 12.0, 1},
        {"-7", JsonKind::Integer, -7, -7.0, -1},
        {"1.", JsonKind::Integer, 1, 1.0, 1},
        {"1.e5", JsonKind::Integer, 1, 1.0, 1},
        {"1e0", JsonKind::Integer, 1, 1.0, 1},
        {"1E+0", JsonKind::Integer, 1, 1.0, 1},
        {"1e", JsonKind::Integer, 1, 1.0, 1},
        {"1.0", JsonKind::Double, 1, 1.0, 1},
        {"1.5e0", JsonKind::Double, 1, 1.5, 1},
        {"-.5", JsonKind::Double, 0, -0.5, -1},
        {"12e3", JsonKind::Double, 12, 12000.0, 1},
        {"-2.5", JsonKind::Double, 2, -2.5, -1},
        {"15e-1", JsonKind::Double, 15, 1.5, 1},
        {"18446744073709551617", JsonKind::Integer, 1, 1.0, 1},
        {"9223372036854775808", JsonKind::Integer, INT64_MIN, -9223372036854775808.0, 1},
    };
    for (const NumberCase& c : cases) {
        ParsedJson parsedNode(c.text);
        JsonNode* node = parsedNode.root;
        ASSERT_NE(node, nullptr) << c.text;
        EXPECT_EQ(node->kind, c.kind) << c.text;
        EXPECT_EQ(node->integerValue, c.integerValue) << c.text;
        EXPECT_DOUBLE_EQ(node->doubleValue, c.doubleValue) << c.text;
        EXPECT_EQ(node->numberSign, c.numberSign) << c.text;
    }
}

TEST(JsonNumbers, LoneMinusIsNegativeZero) {
    ParsedJson parsedNode("-");
    JsonNode* node = parsedNode.root;
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->kind, JsonKind::Integer);
    EXPECT_EQ(node->integerValue, 0);
    EXPECT_EQ(node->numberSign, -1);
    EXPECT_TRUE(std::signbit(node->doubleValue));
}

TEST(JsonNumbers, FractionIsAWeightedSumNotARoundedParse) {
    // 0.1 + 0.02 + 0.003 summed digit by digit differs from strtod("0.123")
    // in the last bits; the rule fixes the former.
    ParsedJson parsedNode("0.123");
    JsonNode* node = parsedNode.root;
    ASSERT_NE(node, nullptr);
    double weight = 0.1, sum = 0.0;
    for (int digit : {1, 2, 3}) {
        sum = sum + digit * weight;
        weight = weight * 0.1;
    }
    EXPECT_EQ(node->doubleValue, sum);
}

TEST(JsonNumbers, HugeExponentsOverflowWithoutTrapping) {
    ParsedJson parsedBig("[1e99999999999, -1e-99999999999]");
    JsonNode* big = parsedBig.root;
    ASSERT_NE(big, nullptr);
    EXPECT_EQ(big->firstChild->kind, JsonKind::Double);
    EXPECT_EQ(big->firstChild->nextSibling->kind, JsonKind::Double);
}

}  // namespace
