#include "allocationcount.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <new>

// Every replaced form goes to malloc and free, so that under AddressSanitizer
// each block is still taken and given back by one matching pair, which the
// sanitizer checks as usual.

namespace {

// Per thread, so that the toolkit's own threads never show in a count.
thread_local bool t_counting = false;
thread_local long t_allocations = 0;
thread_local long t_deallocations = 0;

void* Allocate(std::size_t size, std::size_t alignment)
{
    if (t_counting)
        ++t_allocations;
    void* block = nullptr;
    if (alignment <= alignof(std::max_align_t))
        block = std::malloc(std::max<std::size_t>(size, 1));
    else if (posix_memalign(&block, std::max(alignment, sizeof(void*)), std::max<std::size_t>(size, 1)) != 0)
        block = nullptr;
    if (!block)
        throw std::bad_alloc();
    return block;
}

void* AllocateOrNull(std::size_t size, std::size_t alignment) noexcept
{
    try {
        return Allocate(size, alignment);
    } catch (const std::bad_alloc&) {
        return nullptr;
    }
}

void Free(void* block) noexcept
{
    if (!block)
        return;
    if (t_counting)
        ++t_deallocations;
    std::free(block);
}

constexpr std::size_t Plain = alignof(std::max_align_t);

} // namespace

AllocationCount::AllocationCount()
{
    t_allocations = 0;
    t_deallocations = 0;
    t_counting = true;
}

AllocationCount::~AllocationCount()
{
    t_counting = false;
}

long AllocationCount::Allocations() const
{
    return t_allocations;
}

long AllocationCount::Deallocations() const
{
    return t_deallocations;
}

void* operator new(std::size_t size) { return Allocate(size, Plain); }
void* operator new[](std::size_t size) { return Allocate(size, Plain); }
void* operator new(std::size_t size, std::align_val_t a) { return Allocate(size, std::size_t(a)); }
void* operator new[](std::size_t size, std::align_val_t a) { return Allocate(size, std::size_t(a)); }
void* operator new(std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size, Plain); }
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept { return AllocateOrNull(size, Plain); }
void* operator new(std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return AllocateOrNull(size, std::size_t(a));
}
void* operator new[](std::size_t size, std::align_val_t a, const std::nothrow_t&) noexcept
{
    return AllocateOrNull(size, std::size_t(a));
}

void operator delete(void* block) noexcept { Free(block); }
void operator delete[](void* block) noexcept { Free(block); }
void operator delete(void* block, std::size_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t) noexcept { Free(block); }
void operator delete(void* block, std::align_val_t) noexcept { Free(block); }
void operator delete[](void* block, std::align_val_t) noexcept { Free(block); }
void operator delete(void* block, std::size_t, std::align_val_t) noexcept { Free(block); }
void operator delete[](void* block, std::size_t, std::align_val_t) noexcept { Free(block); }
void operator delete(void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, const std::nothrow_t&) noexcept { Free(block); }
void operator delete(void* block, std::align_val_t, const std::nothrow_t&) noexcept { Free(block); }
void operator delete[](void* block, std::align_val_t, const std::nothrow_t&) noexcept { Free(block); }
