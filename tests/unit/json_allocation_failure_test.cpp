// A parse that runs out of memory at any allocation fails without a position
// and leaves nothing allocated behind.
#include <gtest/gtest.h>

#include <string>

#include "json/json_document.h"
#include "json/json_parser.h"
#include "support/parsed_json.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

// Small members, then an array long enough that its nodes fill several of
// the arena's blocks.
const std::string kText = [] {
    std::string text = "{\"title\": \"Setup\", \"list\": [1, \"two\", {\"x\": null}], \"deep\": {\"a\": {\"b\": []}}, \"many\": [";
    for (int i = 0; i < 2000; ++i) text += i == 0 ? "0" : ",0";
    return text + "]}";
}();

TEST(JsonAllocationFailure, EveryFailedAllocationFailsTheParseAndLeavesNothingBehind) {
    long needed = 0;
    {
        AllocationFailure counting(AllocationFailure::kNoRequest);
        {
            const ParsedJson complete(kText.c_str());
            ASSERT_NE(complete.root, nullptr);
            needed = counting.requests();
        }
        ASSERT_EQ(counting.live(), 0);
    }
    // A block per doubling, not an allocation per node and string.
    ASSERT_GE(needed, 3);
    ASSERT_LE(needed, 8);

    for (long index = 0; index < needed; ++index) {
        AllocationFailure failing(index);
        {
            const ParsedJson parsed(kText.c_str());
            EXPECT_EQ(parsed.root, nullptr) << "allocation " << index;
            EXPECT_EQ(parsed.stop.code, JsonStop::OutOfMemory) << "allocation " << index;
            EXPECT_EQ(parsed.ErrorOffset(), -1) << "allocation " << index;
        }
        EXPECT_EQ(failing.live(), 0) << "allocation " << index;
    }
}

TEST(JsonAllocationFailure, DocumentReportsThePrefixAloneWhenTheParserRunsOut) {
    AllocationFailure failing(1);
    const CJSonObject document(kText.c_str());
    EXPECT_EQ(document.Root(), nullptr);
    EXPECT_EQ(StdString(document.ErrorMessage()), "prase json string error at ");
    EXPECT_EQ(document.FindStringValue("title"), nullptr);
}

}  // namespace
