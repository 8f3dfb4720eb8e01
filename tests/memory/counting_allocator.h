#pragma once

#include <cstddef>

namespace slots::testing {

// Heap bytes the process holds through operator new, counted by the
// replacement operators in counting_allocator.cpp.
std::size_t LiveHeapBytes();
// The most held at once since the last call to StartPeakCount.
std::size_t PeakHeapBytes();
void StartPeakCount();

} // namespace slots::testing
