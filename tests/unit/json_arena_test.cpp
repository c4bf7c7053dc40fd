// The arena's blocks: when a new one is taken, how large it is, alignment,
// running out, and that Release gives back every block.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "json/json_arena.h"
#include "json/json_node.h"
#include "support/allocation_failure.h"

namespace {

// The first block's link to the one before takes one alignment unit.
constexpr std::size_t kLink = 8;

TEST(JsonArena, TakesABlockOnlyWhenTheRequestDoesNotFit) {
    const struct {
        std::size_t expectedText;
        std::vector<std::size_t> requests;
        long blocks;
    } cases[] = {
        {0, {kFirstArenaBlock - kLink}, 1},                     // fills the first block exactly
        {0, {kFirstArenaBlock - kLink, 1}, 2},                  // one byte more takes the next
        {0, {1, kFirstArenaBlock - 2 * kLink}, 1},              // a byte rounds up to one unit
        {0, {1, kFirstArenaBlock - 2 * kLink + 1}, 2},
        {0, {kFirstArenaBlock - kLink, 2 * kFirstArenaBlock - kLink}, 2},  // the second block doubles
        {0, {10 * kFirstArenaBlock}, 1},                        // a large request gets a block its size
        {10000, {2 * 10000 - kLink}, 1},                        // the first block sized from the text
        {10000, {2 * 10000 - kLink, 1}, 2},
    };
    for (const auto& c : cases) {
        AllocationFailure counting(AllocationFailure::kNoRequest);
        {
            JsonArena arena;
            arena.ExpectText(c.expectedText);
            for (std::size_t bytes : c.requests) {
                void* block = arena.Allocate(bytes);
                ASSERT_NE(block, nullptr);
                EXPECT_EQ(reinterpret_cast<std::uintptr_t>(block) % alignof(JsonNode), 0u);
            }
            EXPECT_EQ(counting.requests(), c.blocks) << c.requests.size() << " requests, first " << c.requests[0];
        }
        EXPECT_EQ(counting.live(), 0);
    }
}

TEST(JsonArena, RunningOutIsANullAnswerAndReleaseStartsAfresh) {
    AllocationFailure failing(1);
    JsonArena arena;
    ASSERT_NE(arena.Allocate(kFirstArenaBlock - kLink), nullptr);
    EXPECT_EQ(arena.Allocate(1), nullptr);
    const long asked = failing.requests();
    EXPECT_EQ(arena.Allocate(kLargestArenaRequest + 1), nullptr);
    EXPECT_EQ(failing.requests(), asked);  // refused before the heap is asked
    arena.Release();
    EXPECT_EQ(failing.live(), 0);
    EXPECT_NE(arena.Allocate(1), nullptr);  // the failing heap refuses only its second request
}

}  // namespace
