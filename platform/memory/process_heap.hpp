// The C heap as the library takes blocks from it for its callers (blocks that the
// caller later releases with free). Requests larger than the machine's memory, or
// than a ceiling a test has set, answer null instead of reaching malloc, so every
// "no memory" path can be exercised, also under the sanitizers.
#pragma once

#include <cstddef>

#include "platform/core/base_types.h"

namespace vigil::platform {

void *HeapAllocate(std::size_t bytes);
void *HeapAllocateZeroed(std::size_t bytes);
void *HeapReallocate(void *block, std::size_t bytes);  // null keeps the old block

// The largest single block the heap gives; below 0 means no ceiling of its own.
void SetHeapBlockLimit(Size largest);
Size GetHeapBlockLimit();

class ScopedHeapBlockLimit {
 public:
  explicit ScopedHeapBlockLimit(Size largest) : saved_(GetHeapBlockLimit()) { SetHeapBlockLimit(largest); }
  ~ScopedHeapBlockLimit() { SetHeapBlockLimit(saved_); }
  ScopedHeapBlockLimit(const ScopedHeapBlockLimit &) = delete;
  ScopedHeapBlockLimit &operator=(const ScopedHeapBlockLimit &) = delete;

 private:
  Size saved_;
};

}  // namespace vigil::platform
