#include "base/heap.h"

// Constant-initialized: the module runs no constructors of globals.
HeapFunctions replacedHeap = {nullptr, nullptr, nullptr};

HeapFunctions ReplaceHeap(const HeapFunctions& functions) {
    const HeapFunctions previous = replacedHeap;
    replacedHeap = functions;
    return previous;
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
