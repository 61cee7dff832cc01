#include "platform/memory/process_heap.hpp"

#include <unistd.h>

#include <atomic>
#include <cstdlib>

namespace vigil::platform {
namespace {

std::atomic<Size> gHeapBlockLimit{-1};

bool Allowed(std::size_t bytes) {
  static const std::size_t machine = [] {
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? std::size_t(pages) * std::size_t(pageSize) : std::size_t{1} << 32;
  }();
  Size limit = gHeapBlockLimit.load(std::memory_order_relaxed);
  return bytes <= machine && (limit < 0 || bytes <= std::size_t(limit));
}

}  // namespace

void *HeapAllocate(std::size_t bytes) { return Allowed(bytes) ? std::malloc(bytes) : nullptr; }

void *HeapAllocateZeroed(std::size_t bytes) { return Allowed(bytes) ? std::calloc(1, bytes) : nullptr; }

void *HeapReallocate(void *block, std::size_t bytes) { return Allowed(bytes) ? std::realloc(block, bytes) : nullptr; }

void SetHeapBlockLimit(Size largest) { gHeapBlockLimit.store(largest < 0 ? -1 : largest); }

Size GetHeapBlockLimit() { return gHeapBlockLimit.load(); }

}  // namespace vigil::platform
