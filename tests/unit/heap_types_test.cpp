// The plug-in's own strings and arrays: an operation that gets no memory, or
// asks for more than a size_t can count, says so and changes nothing.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>

#include "base/heap_array.h"
#include "base/heap_string.h"
#include "std_interop.h"
#include "support/allocation_failure.h"

namespace {

TEST(HeapTypes, RefusedOperationsChangeNothing) {
    ByteString text = HeapCopy("kept");
    HeapArray<std::uint64_t> numbers;
    ASSERT_TRUE(numbers.Append(5));
    const std::string tail(100, 'x');
    // volatile: sizes the compiler cannot see, as real ones would be
    const volatile std::size_t huge = static_cast<std::size_t>(-1);
    const std::pair<const char*, std::function<bool()>> operations[] = {
        {"Append", [&] { return text.Append(tail.data(), tail.size()); }},
        {"Assign", [&] { return text.Assign(tail.data(), tail.size()); }},
        {"Reserve", [&] { return text.Reserve(1000); }},
        {"Resize", [&] { return numbers.Resize(1000); }},
        {"Append items", [&] { return numbers.Append(6) && numbers.Append(7); }},
    };
    const std::pair<const char*, std::function<bool()>> oversized[] = {
        {"Reserve all", [&] { return text.Reserve(huge); }},
        {"Append all", [&] { return text.Append("x", huge - 2); }},
        {"Resize beyond", [&] { return numbers.Resize(huge / 4); }},
    };
    const auto expectUnchanged = [&](const char* name) {
        EXPECT_EQ(StdString(text), "kept") << name;
        EXPECT_EQ(numbers.size(), 1u) << name;
        EXPECT_EQ(numbers[0], 5u) << name;
    };
    for (const auto& operation : oversized) {
        EXPECT_FALSE(operation.second()) << operation.first;
        expectUnchanged(operation.first);
    }
    AllocationFailure noMemory;
    for (const auto& operation : operations) {
        EXPECT_FALSE(operation.second()) << operation.first;
        expectUnchanged(operation.first);
    }
    EXPECT_EQ(noMemory.live(), 0);
}

}  // namespace
