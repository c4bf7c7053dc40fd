#include "json/json_allocator.h"

#include <cstdlib>

namespace {

JsonAllocator currentAllocator = {std::malloc, std::free};

}  // namespace

const JsonAllocator& CurrentJsonAllocator() { return currentAllocator; }

JsonAllocator ReplaceJsonAllocator(const JsonAllocator& allocator) {
    const JsonAllocator previous = currentAllocator;
    currentAllocator = allocator;
    return previous;
}

void* JsonAllocate(std::size_t bytes) { return currentAllocator.allocate(bytes); }

void JsonRelease(void* block) { currentAllocator.release(block); }
