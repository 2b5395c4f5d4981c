#pragma once

// Counts the calling thread's calls of the global operator new and delete
// while an instance lives. The executable that links allocationcount.cpp
// replaces every form of the global operator new and delete with ones that
// count and then use malloc and free.
class AllocationCount {
public:
    AllocationCount();
    ~AllocationCount();
    AllocationCount(const AllocationCount&) = delete;
    AllocationCount& operator=(const AllocationCount&) = delete;

    [[nodiscard]] long Allocations() const;
    [[nodiscard]] long Deallocations() const;
};
