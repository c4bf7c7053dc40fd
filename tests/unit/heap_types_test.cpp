// The plug-in's own strings and arrays: they grow as appended to, and an
// operation that gets no memory says so and leaves them as they were.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/heap_array.h"
#include "base/heap_string.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

TEST(HeapTypes, GrowAndKeepTheirContents) {
    ByteString text;
    EXPECT_STREQ(text.c_str(), "");
    std::string expected;
    for (int i = 0; i < 1000; ++i) {
        const std::string piece = std::to_string(i) + ",";
        ASSERT_TRUE(text.Append(piece.data(), piece.size()));
        expected += piece;
    }
    EXPECT_EQ(StdString(text), expected);
    EXPECT_EQ(text.c_str()[text.size()], '\0');
    ASSERT_TRUE(text.Assign("ab", 2));
    EXPECT_EQ(StdString(text), "ab");
    ByteString moved(std::move(text));
    EXPECT_EQ(StdString(moved), "ab");
    EXPECT_EQ(StdString(text), "");

    HeapArray<std::uint32_t> numbers;
    for (std::uint32_t i = 0; i < 1000; ++i) ASSERT_TRUE(numbers.Append(i * 7));
    ASSERT_TRUE(numbers.Resize(1003));
    EXPECT_EQ(numbers[999], 999u * 7);
    EXPECT_EQ(numbers[1002], 0u);  // new items are zero
}

TEST(HeapTypes, WithoutMemoryEveryOperationFailsAndChangesNothing) {
    ByteString text = HeapCopy("kept");
    HeapArray<std::uint32_t> numbers;
    ASSERT_TRUE(numbers.Append(5));
    const std::string tail(100, 'x');
    const std::pair<const char*, std::function<bool()>> operations[] = {
        {"Append", [&] { return text.Append(tail.data(), tail.size()); }},
        {"Assign", [&] { return text.Assign(tail.data(), tail.size()); }},
        {"Reserve", [&] { return text.Reserve(1000); }},
        {"Resize", [&] { return numbers.Resize(1000); }},
        {"Append item", [&] { return numbers.Append(6) && numbers.Append(7); }},
    };
    AllocationFailure noMemory;
    for (const auto& operation : operations) {
        EXPECT_FALSE(operation.second()) << operation.first;
        EXPECT_EQ(StdString(text), "kept") << operation.first;
        EXPECT_EQ(numbers[0], 5u) << operation.first;
    }
    EXPECT_EQ(noMemory.live(), 0);
}

TEST(HeapTypes, SizesBeyondMemoryAreRefusedWithoutWrapping) {
    ByteString text = HeapCopy("kept");
    HeapArray<std::uint64_t> numbers;
    // volatile: a size the compiler cannot see, as a real one would be
    const volatile std::size_t huge = static_cast<std::size_t>(-1);
    EXPECT_FALSE(text.Reserve(huge));
    EXPECT_FALSE(text.Append("x", huge - 2));
    EXPECT_FALSE(numbers.Resize(huge / 4));
    EXPECT_EQ(StdString(text), "kept");
    EXPECT_TRUE(numbers.empty());
}

}  // namespace
