#include "platform/memory/handles.h"

#include "platform/core/result_codes.h"
#include "platform/memory/memory_state.hpp"

using vigil::platform::memory::HandleRecord;
using vigil::platform::memory::MemoryState;
using vigil::platform::memory::SetMemError;

namespace {

// Applies change to the state byte of a known handle.
template <typename Change>
void ChangeState(Handle h, Change change) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (HandleRecord *record = state.FindHandle(h)) record->state = change(record->state);
}

}  // namespace

extern "C" {

OSErr MemError(void) { return vigil::platform::memory::LastMemError(); }

Handle NewHandle(Size byteCount) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  return state.NewHandleIn(*state.current, byteCount, false);
}

Handle NewHandleClear(Size byteCount) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  return state.NewHandleIn(*state.current, byteCount, true);
}

Handle TempNewHandle(Size byteCount, OSErr *resultCode) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  Handle h = state.NewHandleIn(state.temporary, byteCount, false);
  if (resultCode != nullptr) *resultCode = vigil::platform::memory::LastMemError();
  return h;
}

void DisposeHandle(Handle h) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (HandleRecord *record = state.FindHandle(h)) state.Dispose(*record);
}

Size GetHandleSize(Handle h) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  HandleRecord *record = state.FindHandle(h);
  if (record == nullptr) return 0;
  if (record->master == nullptr) SetMemError(nilHandleErr);
  return record->size;
}

void SetHandleSize(Handle h, Size newSize) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (HandleRecord *record = state.FindHandle(h)) state.Resize(*record, newSize);
}

void HLock(Handle h) {
  ChangeState(h, [](UInt8 bits) { return UInt8(bits | kHandleStateLocked); });
}

void HUnlock(Handle h) {
  ChangeState(h, [](UInt8 bits) { return UInt8(bits & ~kHandleStateLocked); });
}

void HPurge(Handle h) {
  ChangeState(h, [](UInt8 bits) { return UInt8(bits | kHandleStatePurgeable); });
}

void HNoPurge(Handle h) {
  ChangeState(h, [](UInt8 bits) { return UInt8(bits & ~kHandleStatePurgeable); });
}

SInt8 HGetState(Handle h) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  HandleRecord *record = state.FindHandle(h);
  return record != nullptr ? SInt8(record->state) : 0;
}

void HSetState(Handle h, SInt8 flags) {
  constexpr UInt8 kDefined = kHandleStateLocked | kHandleStatePurgeable | kHandleStateResource;
  ChangeState(h, [flags](UInt8) { return UInt8(UInt8(flags) & kDefined); });
}

Handle RecoverHandle(Ptr p) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  HandleRecord *record = p != nullptr ? state.FindBlock(p) : nullptr;
  SetMemError(record != nullptr ? noErr : memWZErr);
  return record != nullptr ? &record->master : nullptr;
}

}  // extern "C"
