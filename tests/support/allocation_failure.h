// Puts a heap in the place of the plug-in's that refuses requests: every one,
// or only the one numbered failAt (counted from 0). It counts the requests
// and the blocks it handed out that are still live, so a test can show what
// the exports and the parser do when memory runs out, and that nothing is
// left behind.
#pragma once

#include <cstddef>

#include "base/heap.h"

class AllocationFailure {
public:
    static constexpr long kEveryRequest = -2;
    static constexpr long kNoRequest = -1;  // counts only

    explicit AllocationFailure(long failAt = kEveryRequest);
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;

    long requests() const;
    long live() const;

private:
    HeapFunctions previous_;
};
