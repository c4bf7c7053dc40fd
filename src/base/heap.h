// Where every block of the plug-in's own comes from: the C runtime's malloc,
// realloc and free, unless a test puts a failing heap in their place to show
// that running out of memory anywhere is answered and leaves nothing behind.
#pragma once

#include <cstddef>

struct HeapFunctions {
    void* (*allocate)(std::size_t bytes);
    void* (*resize)(void* block, std::size_t bytes);  // as realloc: on null the block stays as it was
    void (*release)(void* block);
};

// Puts functions in place and returns the ones they replace.
HeapFunctions ReplaceHeap(const HeapFunctions& functions);

void* HeapAllocate(std::size_t bytes);
void* HeapResize(void* block, std::size_t bytes);
void HeapRelease(void* block);  // a null block is fine

// Makes *block hold at least needed units of unitSize bytes, growing it
// geometrically; false (block and capacity unchanged) when memory runs out or
// the size would not fit in a size_t.
bool GrowHeapBlock(void** block, std::size_t* capacity, std::size_t needed, std::size_t unitSize);

// The plug-in's own nothrow allocation form: a class that takes its objects
// from this heap declares operator new with this tag, and a new-expression
// that gets no memory yields null without running the constructor.
struct HeapTag {};
