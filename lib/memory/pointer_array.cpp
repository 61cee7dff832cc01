#include <cstdlib>

#include "lib/memory/allocators.h"
#include "platform/core/result_codes.h"
#include "platform/memory/process_heap.hpp"

extern "C" {

void PtrArrayInit(PtrArray *array) {
  if (array == nullptr) return;
  array->items = nullptr;
  array->count = 0;
  array->capacity = 0;
}

OSStatus PtrArrayAppend(PtrArray *array, void *pointer) {
  if (array == nullptr) return kLibMissingArgErr;
  if (array->count >= array->capacity) {
    constexpr UInt32 kFirstCapacity = 4096;
    if (array->capacity > 0x7FFFFFFFu) return kLibNoMemoryErr;
    UInt32 capacity = array->capacity < kFirstCapacity ? kFirstCapacity : array->capacity * 2;
    void *items = vigil::platform::HeapReallocate(array->items, std::size_t(capacity) * sizeof(void *));
    if (items == nullptr) return kLibNoMemoryErr;
    array->items = static_cast<void **>(items);
    array->capacity = capacity;
  }
  array->items[array->count++] = pointer;
  return noErr;
}

void PtrArrayFree(PtrArray *array) {
  if (array == nullptr) return;
  std::free(array->items);
  PtrArrayInit(array);
}

}  // extern "C"
