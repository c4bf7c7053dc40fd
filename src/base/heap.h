// Where every block of the plug-in's own comes from: the C runtime's malloc,
// realloc and free, unless a test puts a failing heap in their place to show
// that running out of memory anywhere is answered and leaves nothing behind.
#pragma once

#include <cstddef>
#include <cstdlib>

struct HeapFunctions {
    void* (*allocate)(std::size_t bytes);
    void* (*resize)(void* block, std::size_t bytes);  // as realloc: on null the block stays as it was
    void (*release)(void* block);
};

// Puts functions in place and returns the ones they replace; all null stands
// for the C runtime's own.
HeapFunctions ReplaceHeap(const HeapFunctions& functions);

// Null members: the C runtime's. A parse allocates per value and per string,
// so the usual case is one test and a direct call, inlined at every caller.
extern HeapFunctions replacedHeap;

inline void* HeapAllocate(std::size_t bytes) {
    return replacedHeap.allocate != nullptr ? replacedHeap.allocate(bytes) : std::malloc(bytes);
}
inline void* HeapResize(void* block, std::size_t bytes) {
    return replacedHeap.resize != nullptr ? replacedHeap.resize(block, bytes) : std::realloc(block, bytes);
}
// A null block is fine, and costs no call.
inline void HeapRelease(void* block) {
    if (block == nullptr) return;
    if (replacedHeap.release != nullptr) {
        replacedHeap.release(block);
    } else {
        std::free(block);
    }
}

// Makes *block hold at least needed units of unitSize bytes, growing it
// geometrically; false (block and capacity unchanged) when memory runs out or
// the size would not fit in a size_t.
bool GrowHeapBlock(void** block, std::size_t* capacity, std::size_t needed, std::size_t unitSize);

// The plug-in's own nothrow allocation form: a class that takes its objects
// from this heap declares operator new with this tag, and a new-expression
// that gets no memory yields null without running the constructor.
struct HeapTag {};
