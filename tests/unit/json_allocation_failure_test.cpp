// A parse that runs out of memory at any allocation fails without a position
// and leaves nothing allocated behind.
#include <gtest/gtest.h>

#include <string>

#include "json/json_document.h"
#include "json/json_parser.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

const char kText[] = "{\"title\": \"Setup\", \"list\": [1, \"two\", {\"x\": null}], \"deep\": {\"a\": {\"b\": []}}}";

TEST(JsonAllocationFailure, EveryFailedAllocationFailsTheParseAndLeavesNothingBehind) {
    long needed = 0;
    {
        AllocationFailure counting(AllocationFailure::kNoRequest);
        const char* error = nullptr;
        JsonNode* complete = ParseJsonText(kText, &error);
        ASSERT_NE(complete, nullptr);
        needed = counting.requests();
        FreeJsonTree(complete);
        ASSERT_EQ(counting.live(), 0);
    }
    ASSERT_GT(needed, 10);

    for (long index = 0; index < needed; ++index) {
        AllocationFailure failing(index);
        const char* error = "unset";
        EXPECT_EQ(ParseJsonText(kText, &error), nullptr) << "allocation " << index;
        EXPECT_EQ(error, nullptr) << "allocation " << index;
        EXPECT_EQ(failing.live(), 0) << "allocation " << index;
    }
}

TEST(JsonAllocationFailure, DocumentReportsThePrefixAloneWhenTheParserRunsOut) {
    AllocationFailure failing(3);
    const CJSonObject document(kText);
    EXPECT_EQ(document.Root(), nullptr);
    EXPECT_EQ(StdString(document.ErrorMessage()), "prase json string error at ");
    EXPECT_EQ(document.FindStringValue("title"), nullptr);
}

}  // namespace
