// glibc's allocator under its internal names, wrapped: every block is counted
// by its usable size while a count runs. Only for the measuring program.
#include "heap_counter.h"

#include <malloc.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>

extern "C" {
void* __libc_malloc(std::size_t bytes);
void* __libc_calloc(std::size_t count, std::size_t bytes);
void* __libc_realloc(void* block, std::size_t bytes);
void* __libc_memalign(std::size_t alignment, std::size_t bytes);
void __libc_free(void* block);
}

namespace {

bool counting = false;
long long heldBytes = 0;
long long peakBytes = 0;
long requests = 0;

void* Counted(void* block) {
    if (counting && block != nullptr) {
        ++requests;
        heldBytes += static_cast<long long>(malloc_usable_size(block));
        peakBytes = std::max(peakBytes, heldBytes);
    }
    return block;
}

void Uncount(void* block) {
    if (counting && block != nullptr) heldBytes -= static_cast<long long>(malloc_usable_size(block));
}

}  // namespace

void StartHeapCount() {
    heldBytes = 0;
    peakBytes = 0;
    requests = 0;
    counting = true;
}

std::size_t StopHeapCount() {
    counting = false;
    return static_cast<std::size_t>(peakBytes);
}

long CountedRequests() { return requests; }

extern "C" {

void* malloc(std::size_t bytes) { return Counted(__libc_malloc(bytes)); }

void* calloc(std::size_t count, std::size_t bytes) { return Counted(__libc_calloc(count, bytes)); }

void* realloc(void* block, std::size_t bytes) {
    Uncount(block);
    return Counted(__libc_realloc(block, bytes));
}

void free(void* block) {
    Uncount(block);
    __libc_free(block);
}

void* aligned_alloc(std::size_t alignment, std::size_t bytes) { return Counted(__libc_memalign(alignment, bytes)); }

void* memalign(std::size_t alignment, std::size_t bytes) { return Counted(__libc_memalign(alignment, bytes)); }

int posix_memalign(void** block, std::size_t alignment, std::size_t bytes) {
    void* made = Counted(__libc_memalign(alignment, bytes));
    if (made == nullptr) return ENOMEM;
    *block = made;
    return 0;
}

}  // extern "C"
