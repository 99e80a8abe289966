#include "allocationcount.h"

#include <cstdlib>
#include <new>

// Kept in a file of its own so the replaced functions are never inlined into their callers.
namespace {
std::uint64_t g_allocations = 0;
}

void* operator new(std::size_t size) {
    ++g_allocations;
    if (void* p = std::malloc(size == 0 ? 1 : size)) return p;
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) { return operator new(size); }
void operator delete(void* p) noexcept { std::free(p); }
void operator delete[](void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
void operator delete[](void* p, std::size_t) noexcept { std::free(p); }

namespace vantry::bench {

std::uint64_t AllocationCount() { return g_allocations; }

}  // namespace vantry::bench
