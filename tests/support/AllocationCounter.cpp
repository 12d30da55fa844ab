#include "tests/support/AllocationCounter.h"

#include <cstdlib>
#include <new>

namespace {

thread_local bool counting = false;
thread_local long allocations = 0;

}  // namespace

TAllocationCounter::TAllocationCounter()
{
    allocations = 0;
    counting = true;
}

TAllocationCounter::~TAllocationCounter()
{
    counting = false;
}

long TAllocationCounter::Count() const
{
    return allocations;
}

// The array and nothrow forms of the standard library call these two.
void* operator new(std::size_t size)
{
    if (counting)
        ++allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}

void operator delete(void* p) noexcept
{
    std::free(p);
}

void operator delete(void* p, std::size_t) noexcept
{
    std::free(p);
}
