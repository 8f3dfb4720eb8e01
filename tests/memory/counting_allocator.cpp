#include "counting_allocator.h"

#include <atomic>
#include <cstdlib>
#include <new>

namespace slots::testing {
namespace {

// Each block starts with its size, padded to keep the caller's alignment.
constexpr std::size_t kHeader = alignof(std::max_align_t);

std::atomic<std::size_t> liveBytes{0};
std::atomic<std::size_t> peakBytes{0};

void *AllocateCounted(std::size_t size) {
  void *block = std::malloc(size + kHeader);
  if (block == nullptr)
    return nullptr;
  *static_cast<std::size_t *>(block) = size;
  const std::size_t live = liveBytes += size;
  std::size_t peak = peakBytes.load();
  while (live > peak && !peakBytes.compare_exchange_weak(peak, live)) {
  }
  return static_cast<char *>(block) + kHeader;
}

void FreeCounted(void *pointer) {
  if (pointer == nullptr)
    return;
  void *block = static_cast<char *>(pointer) - kHeader;
  liveBytes -= *static_cast<std::size_t *>(block);
  std::free(block);
}

void *AllocateOrThrow(std::size_t size) {
  if (void *pointer = AllocateCounted(size))
    return pointer;
  throw std::bad_alloc();
}

} // namespace

std::size_t LiveHeapBytes() { return liveBytes.load(); }
std::size_t PeakHeapBytes() { return peakBytes.load(); }
void StartPeakCount() { peakBytes = liveBytes.load(); }

} // namespace slots::testing

using slots::testing::AllocateCounted;
using slots::testing::AllocateOrThrow;
using slots::testing::FreeCounted;

void *operator new(std::size_t size) { return AllocateOrThrow(size); }
void *operator new[](std::size_t size) { return AllocateOrThrow(size); }
void *operator new(std::size_t size, const std::nothrow_t &) noexcept {
  return AllocateCounted(size);
}
void *operator new[](std::size_t size, const std::nothrow_t &) noexcept {
  return AllocateCounted(size);
}
void operator delete(void *pointer) noexcept { FreeCounted(pointer); }
void operator delete[](void *pointer) noexcept { FreeCounted(pointer); }
void operator delete(void *pointer, std::size_t) noexcept {
  FreeCounted(pointer);
}
void operator delete[](void *pointer, std::size_t) noexcept {
  FreeCounted(pointer);
}
void operator delete(void *pointer, const std::nothrow_t &) noexcept {
  FreeCounted(pointer);
}
void operator delete[](void *pointer, const std::nothrow_t &) noexcept {
  FreeCounted(pointer);
}
