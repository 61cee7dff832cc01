#include "platform/memory/zones.h"

#include "platform/core/result_codes.h"
#include "platform/memory/memory_state.hpp"

using vigil::platform::memory::MemoryState;
using vigil::platform::memory::SetMemError;

extern "C" {

THz ApplicationZone(void) { return &MemoryState::Get().application; }

THz TempZone(void) { return &MemoryState::Get().temporary; }

THz SystemZone(void) { return ApplicationZone(); }

THz GetZone(void) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  return state.current;
}

void SetZone(THz zone) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (!state.IsZone(zone)) {
    SetMemError(paramErr);
    return;
  }
  state.current = zone;
  SetMemError(noErr);
}

long MaxBlock(void) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  SetMemError(noErr);
  return state.Available(state.application);
}

Size MaxMem(Size *grow) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  state.PurgeZone(state.application);
  if (grow != nullptr) *grow = 0;
  SetMemError(noErr);
  return state.Available(state.application);
}

Size TempMaxMem(Size *grow) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (grow != nullptr) *grow = 0;
  SetMemError(noErr);
  return state.Available(state.temporary);
}

void PurgeSpace(long *total, long *contig) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  Size space = state.Available(state.application) + state.PurgeableBytes(state.application);
  if (total != nullptr) *total = space;
  if (contig != nullptr) *contig = space;
  SetMemError(noErr);
}

Size ZoneBytesInUse(THz zone) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  return state.IsZone(zone) ? zone->used : 0;
}

Size ZoneGetLimit(THz zone) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  return state.IsZone(zone) ? zone->limit : -1;
}

void ZoneSetLimit(THz zone, Size limit) {
  auto &state = MemoryState::Get();
  auto lock = state.Lock();
  if (state.IsZone(zone)) zone->limit = limit < 0 ? -1 : limit;
}

}  // extern "C"
