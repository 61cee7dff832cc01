#include "platform/memory/memory_state.hpp"

#include <unistd.h>

#include <cstdlib>
#include <cstring>

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"

namespace vigil::platform::memory {
namespace {

OSErr gMemError = noErr;

Size MachineFreeBytes() {
  long pages = sysconf(_SC_AVPHYS_PAGES);
  long pageSize = sysconf(_SC_PAGESIZE);
  return pages > 0 && pageSize > 0 ? Size{pages} * pageSize : 0;
}

// No single block may exceed the machine's memory: the C heap would refuse it
// (or, under a sanitizer, stop the process) rather than answer null.
Size MachineTotalBytes() {
  static const Size total = [] {
    long pages = sysconf(_SC_PHYS_PAGES);
    long pageSize = sysconf(_SC_PAGESIZE);
    return pages > 0 && pageSize > 0 ? Size{pages} * pageSize : Size{1} << 32;
  }();
  return total;
}

}  // namespace

OSErr SetMemError(OSErr error) {
  gMemError = error;
  return error;
}

OSErr LastMemError() { return gMemError; }

MemoryState &MemoryState::Get() {
  static MemoryState state;
  return state;
}

Size MemoryState::Available(const Zone &zone) const {
  if (zone.limit >= 0) return zone.limit > zone.used ? zone.limit - zone.used : 0;
  return MachineFreeBytes();
}

bool MemoryState::Reserve(Zone &zone, Size bytes) {
  if (bytes < 0) return false;
  if (zone.limit >= 0 ? bytes > zone.limit - zone.used : bytes > MachineTotalBytes()) return false;
  zone.used += bytes;
  return true;
}

HandleRecord *MemoryState::FindHandle(Handle h) {
  if (h == nullptr) {
    SetMemError(nilHandleErr);
    return nullptr;
  }
  auto found = handles_.find(h);
  if (found == handles_.end()) {
    SetMemError(memWZErr);
    return nullptr;
  }
  SetMemError(noErr);
  return found->second.get();
}

HandleRecord *MemoryState::FindBlock(Ptr block) {
  auto found = handleBlocks_.find(block);
  return found == handleBlocks_.end() ? nullptr : found->second;
}

Handle MemoryState::NewHandleIn(Zone &zone, Size byteCount, bool clear) {
  if (byteCount < 0) {
    SetMemError(memSCErr);
    return nullptr;
  }
  if (!Reserve(zone, byteCount)) {
    SetMemError(memFullErr);
    return nullptr;
  }
  // Even an empty handle gets a block, so that its master pointer is not null.
  Size capacity = byteCount > 0 ? byteCount : 1;
  void *block = clear ? std::calloc(1, capacity) : std::malloc(capacity);
  if (block == nullptr) {
    Release(zone, byteCount);
    SetMemError(memFullErr);
    return nullptr;
  }
  auto record = std::make_unique<HandleRecord>();
  record->master = static_cast<Ptr>(block);
  record->size = byteCount;
  record->capacity = capacity;
  record->zone = &zone;
  Handle h = &record->master;
  handleBlocks_.emplace(record->master, record.get());
  handles_.emplace(h, std::move(record));
  SetMemError(noErr);
  return h;
}

OSErr MemoryState::Resize(HandleRecord &record, Size newSize) {
  if (newSize < 0) return SetMemError(memSCErr);
  if (record.master == nullptr) return SetMemError(nilHandleErr);
  Size growth = newSize - record.size;
  if (growth > 0 && !Reserve(*record.zone, growth)) return SetMemError(memFullErr);
  if (newSize > record.capacity) {
    if (record.state & kHandleStateLocked) {
      Release(*record.zone, growth);
      return SetMemError(memFullErr);
    }
    // Growing moves the block, as a compacting heap would; half again as much room
    // keeps repeated appends from copying the block every time.
    Size capacity = newSize + newSize / 2;
    void *block = std::malloc(capacity);
    if (block == nullptr) block = std::malloc(capacity = newSize);
    if (block == nullptr) {
      Release(*record.zone, growth);
      return SetMemError(memFullErr);
    }
    std::memcpy(block, record.master, record.size);
    handleBlocks_.erase(record.master);
    std::free(record.master);
    record.master = static_cast<Ptr>(block);
    record.capacity = capacity;
    handleBlocks_.emplace(record.master, &record);
  }
  if (growth < 0) Release(*record.zone, -growth);
  record.size = newSize;
  return SetMemError(noErr);
}

void MemoryState::Purge(HandleRecord &record) {
  if (record.master == nullptr) return;
  handleBlocks_.erase(record.master);
  std::free(record.master);
  Release(*record.zone, record.size);
  record.master = nullptr;
  record.size = 0;
  record.capacity = 0;
}

Size MemoryState::PurgeableBytes(const Zone &zone) const {
  Size total = 0;
  for (const auto &[handle, record] : handles_) {
    if (record->zone == &zone && record->master != nullptr &&
        (record->state & (kHandleStatePurgeable | kHandleStateLocked)) == kHandleStatePurgeable)
      total += record->size;
  }
  return total;
}

void MemoryState::PurgeZone(Zone &zone) {
  for (auto &[handle, record] : handles_) {
    if (record->zone == &zone &&
        (record->state & (kHandleStatePurgeable | kHandleStateLocked)) == kHandleStatePurgeable)
      Purge(*record);
  }
}

void MemoryState::Dispose(HandleRecord &record) {
  Purge(record);
  handles_.erase(&record.master);
}

}  // namespace vigil::platform::memory
