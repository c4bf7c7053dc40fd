// A parse that runs out of memory at any allocation fails without a position
// and leaves nothing allocated behind.
#include <gtest/gtest.h>

#include <cstdlib>
#include <new>
#include <string>

#include "json/json_allocator.h"
#include "json/json_document.h"
#include "json/json_parser.h"

namespace {

// Counts live blocks and fails the allocation numbered failAt (from 0).
struct FailingAllocator {
    static long allocations;
    static long live;
    static long failAt;

    static void* Allocate(std::size_t bytes) {
        if (allocations++ == failAt) return nullptr;
        ++live;
        return std::malloc(bytes);
    }
    static void Release(void* block) {
        if (block != nullptr) --live;
        std::free(block);
    }
};
long FailingAllocator::allocations = 0;
long FailingAllocator::live = 0;
long FailingAllocator::failAt = -1;

class JsonAllocationFailure : public ::testing::Test {
protected:
    void SetUp() override { previous_ = ReplaceJsonAllocator({FailingAllocator::Allocate, FailingAllocator::Release}); }
    void TearDown() override { ReplaceJsonAllocator(previous_); }

    static void FailAt(long index) {
        FailingAllocator::allocations = 0;
        FailingAllocator::live = 0;
        FailingAllocator::failAt = index;
    }

private:
    JsonAllocator previous_{};
};

const char kText[] = "{\"title\": \"Setup\", \"list\": [1, \"two\", {\"x\": null}], \"deep\": {\"a\": {\"b\": []}}}";

TEST_F(JsonAllocationFailure, EveryFailedAllocationFailsTheParseAndLeavesNothingBehind) {
    FailAt(-1);
    const char* error = nullptr;
    JsonNode* complete = ParseJsonText(kText, &error);
    ASSERT_NE(complete, nullptr);
    const long needed = FailingAllocator::allocations;
    FreeJsonTree(complete);
    ASSERT_EQ(FailingAllocator::live, 0);
    ASSERT_GT(needed, 10);

    for (long index = 0; index < needed; ++index) {
        FailAt(index);
        error = "unset";
        EXPECT_EQ(ParseJsonText(kText, &error), nullptr) << "allocation " << index;
        EXPECT_EQ(error, nullptr) << "allocation " << index;
        EXPECT_EQ(FailingAllocator::live, 0) << "allocation " << index;
    }
}

TEST_F(JsonAllocationFailure, DocumentReportsThePrefixAloneWhenTheParserRunsOut) {
    FailAt(3);
    CJSonObject document(kText);
    EXPECT_EQ(document.Root(), nullptr);
    EXPECT_EQ(document.ErrorMessage(), "prase json string error at ");
    std::string value = "before";
    EXPECT_FALSE(document.GetStringValue("title", value));
    EXPECT_EQ(value, "before");
}

}  // namespace
