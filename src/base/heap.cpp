#include "base/heap.h"

#include <cstdlib>

namespace {

// The C runtime's functions: link-time constants, also in the module (their
// declarations are no DLL imports), so the table needs no constructor.
HeapFunctions heap = {std::malloc, std::realloc, std::free};

}  // namespace

HeapFunctions ReplaceHeap(const HeapFunctions& functions) {
    const HeapFunctions previous = heap;
    heap = functions;
    return previous;
}

// Out of line on purpose: inlined into the parser's loops, the calls made
// parsing measurably slower.
void* HeapAllocate(std::size_t bytes) { return heap.allocate(bytes); }

void* HeapResize(void* block, std::size_t bytes) { return heap.resize(block, bytes); }

void HeapRelease(void* block) { heap.release(block); }

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
