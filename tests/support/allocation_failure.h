// Makes every operator new in the test program throw std::bad_alloc while
// armed, to show what the exports do when memory runs out.
#pragma once

class AllocationFailure {
public:
    AllocationFailure();
    ~AllocationFailure();
    AllocationFailure(const AllocationFailure&) = delete;
    AllocationFailure& operator=(const AllocationFailure&) = delete;
};
