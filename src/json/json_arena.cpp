#include "json/json_arena.h"

#include <cstring>

#include "base/heap.h"

namespace {

// Every allocation is a multiple of this, so the next one is aligned too; the
// block's link to the one before takes one such unit.
constexpr std::size_t kArenaAlignment = 8;

std::size_t RoundUp(std::size_t bytes) { return (bytes + kArenaAlignment - 1) & ~(kArenaAlignment - 1); }

}  // namespace

void JsonArena::ExpectText(std::size_t length) {
    if (newestBlock_ != nullptr || length > kLargestArenaRequest / kArenaBytesPerTextByte) return;
    const std::size_t bytes = RoundUp(length * kArenaBytesPerTextByte);
    nextBlockBytes_ = bytes > kFirstArenaBlock ? bytes : kFirstArenaBlock;
}

void* JsonArena::Allocate(std::size_t bytes) {
    // free_ and end_ stay aligned, so a request that fits also fits rounded up.
    if (bytes > static_cast<std::size_t>(end_ - free_)) return AllocateFromNewBlock(bytes);
    void* taken = free_;
    free_ += RoundUp(bytes);
    return taken;
}

void* JsonArena::AllocateFromNewBlock(std::size_t bytes) {
    if (bytes > kLargestArenaRequest) return nullptr;
    std::size_t blockBytes = nextBlockBytes_;
    while (blockBytes < bytes + kArenaAlignment) blockBytes *= 2;
    char* block = static_cast<char*>(HeapAllocate(blockBytes));
    if (block == nullptr) return nullptr;
    std::memcpy(block, &newestBlock_, sizeof newestBlock_);
    newestBlock_ = block;
    free_ = block + kArenaAlignment;
    end_ = block + blockBytes;
    if (blockBytes <= kLargestArenaRequest) nextBlockBytes_ = blockBytes * 2;
    return Allocate(bytes);
}

void JsonArena::Release() {
    while (newestBlock_ != nullptr) {
        void* before = nullptr;
        std::memcpy(&before, newestBlock_, sizeof before);
        HeapRelease(newestBlock_);
        newestBlock_ = before;
    }
    free_ = end_ = nullptr;
    nextBlockBytes_ = kFirstArenaBlock;
}
