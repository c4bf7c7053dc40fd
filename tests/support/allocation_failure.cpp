#include "support/allocation_failure.h"

#include <cstdlib>
#include <unordered_set>

namespace {

long failAt = AllocationFailure::kNoRequest;
long requestCount = 0;
std::unordered_set<void*>* handedOut = nullptr;  // blocks from this heap, not from before it

bool Refuses() {
    const long number = requestCount++;
    return failAt == AllocationFailure::kEveryRequest || number == failAt;
}

void* Allocate(std::size_t bytes) {
    if (Refuses()) return nullptr;
    void* block = std::malloc(bytes);
    if (block != nullptr) handedOut->insert(block);
    return block;
}

void* Resize(void* block, std::size_t bytes) {
    if (Refuses()) return nullptr;
    void* resized = std::realloc(block, bytes);
    if (resized != nullptr) {
        handedOut->erase(block);
        handedOut->insert(resized);
    }
    return resized;
}

void Release(void* block) {
    handedOut->erase(block);
    std::free(block);
}

}  // namespace

AllocationFailure::AllocationFailure(long failing) {
    failAt = failing;
    requestCount = 0;
    handedOut = new std::unordered_set<void*>();
    previous_ = ReplaceHeap({Allocate, Resize, Release});
}

AllocationFailure::~AllocationFailure() {
    ReplaceHeap(previous_);
    delete handedOut;
    handedOut = nullptr;
}

long AllocationFailure::requests() const { return requestCount; }

long AllocationFailure::live() const { return static_cast<long>(handedOut->size()); }
