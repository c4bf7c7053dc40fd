#include "base/heap.h"

#include <cstdlib>

namespace {

// Plain functions of our own rather than the C runtime's addresses, so the
// table needs no run-time initialization.
void* SystemAllocate(std::size_t bytes) { return std::malloc(bytes); }
void* SystemResize(void* block, std::size_t bytes) { return std::realloc(block, bytes); }
void SystemRelease(void* block) { std::free(block); }

HeapFunctions heap = {SystemAllocate, SystemResize, SystemRelease};

}  // namespace

HeapFunctions ReplaceHeap(const HeapFunctions& functions) {
    const HeapFunctions previous = heap;
    heap = functions;
    return previous;
}

void* HeapAllocate(std::size_t bytes) { return heap.allocate(bytes); }

void* HeapResize(void* block, std::size_t bytes) { return heap.resize(block, bytes); }

void HeapRelease(void* block) {
    if (block != nullptr) heap.release(block);
}

bool GrowHeapBlock(void** block, std::size_t* capacity, std::size_t needed, std::size_t unitSize) {
    if (needed <= *capacity) return true;
    const std::size_t limit = static_cast<std::size_t>(-1) / unitSize;
    if (needed > limit) return false;
    // Doubling keeps appends cheap; a first request gets exactly what it asks for.
    std::size_t grown = *capacity != 0 && *capacity <= limit / 2 ? *capacity * 2 : needed;
    if (grown < needed) grown = needed;
    void* resized = HeapResize(*block, grown * unitSize);
    if (resized == nullptr) return false;
    *block = resized;
    *capacity = grown;
    return true;
}
