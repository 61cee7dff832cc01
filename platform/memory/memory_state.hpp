// What the stand-in Memory Manager knows about every block it handed out, kept
// in one place under one lock, so that a handle or pointer that was never ours
// (or was already disposed of) is refused instead of being dereferenced.
#pragma once

#include <memory>
#include <mutex>
#include <unordered_map>

#include "platform/core/base_types.h"
#include "platform/memory/zones.h"

// A zone is a name and its accounting; blocks themselves come from the C heap.
struct Zone {
  Size used = 0;
  Size limit = -1;  // below 0: no limit of its own
};

namespace vigil::platform::memory {

struct HandleRecord {
  Ptr master = nullptr;  // first field: a handle is this field's address
  Size size = 0;         // bytes the caller sees
  Size capacity = 0;     // bytes the block holds; growth up to it stays in place
  UInt8 state = 0;       // kHandleState... bits
  Zone *zone = nullptr;
};

struct PointerRecord {
  Size size = 0;
  Zone *zone = nullptr;
};

class MemoryState {
 public:
  // The one instance; callers hold Lock() while they use it.
  static MemoryState &Get();
  std::unique_lock<std::mutex> Lock() { return std::unique_lock(mutex_); }

  Zone application;
  Zone temporary;
  Zone *current = &application;

  bool IsZone(const Zone *zone) const { return zone == &application || zone == &temporary; }
  // Bytes the zone can still give: up to its limit, or what the machine has free.
  Size Available(const Zone &zone) const;
  // Accounts for bytes about to be allocated; false when the zone cannot give them.
  bool Reserve(Zone &zone, Size bytes);
  void Release(Zone &zone, Size bytes) { zone.used -= bytes; }

  // Null for a handle that this Memory Manager does not know; sets MemError.
  HandleRecord *FindHandle(Handle h);
  Handle NewHandleIn(Zone &zone, Size byteCount, bool clear);
  // Resizes a live handle's block (moving it if unlocked); sets MemError.
  OSErr Resize(HandleRecord &record, Size newSize);
  void Dispose(HandleRecord &record);
  // Frees a handle's block; the handle stays valid, empty, with a null master.
  void Purge(HandleRecord &record);
  // Purges (or counts the bytes of) every unlocked purgeable handle of a zone.
  void PurgeZone(Zone &zone);
  Size PurgeableBytes(const Zone &zone) const;
  HandleRecord *FindBlock(Ptr block);

  std::unordered_map<Ptr, PointerRecord> pointers;

 private:
  std::mutex mutex_;
  std::unordered_map<Handle, std::unique_ptr<HandleRecord>> handles_;
  std::unordered_map<Ptr, HandleRecord *> handleBlocks_;
};

// MemError's module-level value, as the platform kept it: the last call's result.
OSErr SetMemError(OSErr error);
OSErr LastMemError();

}  // namespace vigil::platform::memory
