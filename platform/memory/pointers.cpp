#include "platform/memory/pointers.h"

#include <cstdlib>
#include <cstring>

#include "platform/core/result_codes.h"
#include "platform/memory/memory_state.hpp"

using vigil::platform::memory::MemoryState;
using vigil::platform::memory::SetMemError;

namespace {

Ptr NewPointer(Size byteCount, bool clear) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (byteCount < 0) {
    SetMemError(memSCErr);
    return nullptr;
  }
  Zone &zone = *state.current;
  if (!state.Reserve(zone, byteCount)) {
    SetMemError(memFullErr);
    return nullptr;
  }
  Size capacity = byteCount > 0 ? byteCount : 1;
  void *block = clear ? std::calloc(1, capacity) : std::malloc(capacity);
  if (block == nullptr) {
    state.Release(zone, byteCount);
    SetMemError(memFullErr);
    return nullptr;
  }
  state.pointers.emplace(static_cast<Ptr>(block), vigil::platform::memory::PointerRecord{byteCount, &zone});
  SetMemError(noErr);
  return static_cast<Ptr>(block);
}

}  // namespace

extern "C" {

Ptr NewPtr(Size byteCount) { return NewPointer(byteCount, false); }

Ptr NewPtrClear(Size byteCount) { return NewPointer(byteCount, true); }

void DisposePtr(Ptr p) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (p == nullptr) {
    SetMemError(noErr);
    return;
  }
  auto found = state.pointers.find(p);
  if (found == state.pointers.end()) {
    SetMemError(memWZErr);
    return;
  }
  state.Release(*found->second.zone, found->second.size);
  state.pointers.erase(found);
  std::free(p);
  SetMemError(noErr);
}

Size GetPtrSize(Ptr p) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  auto found = state.pointers.find(p);
  if (found == state.pointers.end()) {
    SetMemError(memWZErr);
    return 0;
  }
  SetMemError(noErr);
  return found->second.size;
}

void BlockMoveData(const void *srcPtr, void *destPtr, Size byteCount) {
  if (byteCount > 0) std::memmove(destPtr, srcPtr, byteCount);
}

}  // extern "C"
