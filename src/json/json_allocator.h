// Where parser nodes and their strings come from. The default is malloc and
// free; tests put a failing allocator here to prove that a parse which runs
// out of memory leaves nothing behind.
#pragma once

#include <cstddef>

struct JsonAllocator {
    void* (*allocate)(std::size_t bytes);
    void (*release)(void* block);
};

const JsonAllocator& CurrentJsonAllocator();

// Returns the allocator that was in place, so that a caller can restore it.
JsonAllocator ReplaceJsonAllocator(const JsonAllocator& allocator);

void* JsonAllocate(std::size_t bytes);
void JsonRelease(void* block);
