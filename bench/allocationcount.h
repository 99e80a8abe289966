#pragma once

#include <cstdint>

namespace vantry::bench {

// How many times operator new has run in this process; the benchmark program replaces the
// global allocation functions so that loops can report what they allocated.
std::uint64_t AllocationCount();

}  // namespace vantry::bench
