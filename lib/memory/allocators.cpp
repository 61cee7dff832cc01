#include "lib/memory/allocators.h"

#include <cstdint>
#include <cstring>

#include "platform/core/result_codes.h"
#include "platform/memory/handles.h"
#include "platform/memory/pointers.h"

namespace {

OSStatus DefaultMemAllocate(MemAllocatorRef, void *, UInt32 flags, Size size, void **outBlock) {
  Ptr block = (flags & kMemAllocatorClear) ? NewPtrClear(size) : NewPtr(size);
  if (block == nullptr) return memFullErr;
  *outBlock = block;
  return noErr;
}

OSStatus DefaultMemFree(MemAllocatorRef, void *, UInt32, void *block) {
  DisposePtr(static_cast<Ptr>(block));
  return noErr;
}

OSStatus TempMemAllocate(MemAllocatorRef, void *, UInt32 flags, Size size, void **outBlock) {
  Ptr block = NewPtrTemp(size);
  if (block == nullptr) return memFullErr;
  if (flags & kMemAllocatorClear) std::memset(block, 0, std::size_t(size));
  *outBlock = block;
  return noErr;
}

OSStatus TempMemFree(MemAllocatorRef, void *, UInt32, void *block) {
  DisposePtrTemp(block);
  return noErr;
}

// The kinds of memory this platform does not have.
OSStatus UnavailableMemAllocate(MemAllocatorRef, void *, UInt32, Size, void **) { return kLibAllocatorUnavailableErr; }
OSStatus UnavailableMemFree(MemAllocatorRef, void *, UInt32, void *) { return kLibAllocatorUnavailableErr; }

MemAllocator gDefaultMemAllocator{DefaultMemAllocate, DefaultMemFree, nullptr};
MemAllocator gTempMemAllocator{TempMemAllocate, TempMemFree, nullptr};
MemAllocator gSystemMemAllocator{UnavailableMemAllocate, DefaultMemFree, nullptr};
MemAllocator gPageableSystemMemAllocator{UnavailableMemAllocate, DefaultMemFree, nullptr};
MemAllocator gResidentMemAllocator{UnavailableMemAllocate, UnavailableMemFree, nullptr};
MemAllocator gPhysicallyContiguousMemAllocator{UnavailableMemAllocate, UnavailableMemFree, nullptr};

MemAllocator *RecordOf(MemAllocatorRef reference) {
  switch (reinterpret_cast<std::intptr_t>(reference)) {
    case 0: return &gDefaultMemAllocator;
    case -1: return &gTempMemAllocator;
    case -2: return &gSystemMemAllocator;
    case -3: return &gPageableSystemMemAllocator;
    case -4: return &gResidentMemAllocator;
    case -5: return &gPhysicallyContiguousMemAllocator;
    default: return reference;
  }
}

}  // namespace

extern "C" {

OSStatus MemAllocate(MemAllocatorRef allocator, UInt32 flags, Size size, void **outBlock) {
  if (outBlock == nullptr) return paramErr;
  *outBlock = nullptr;
  MemAllocator *record = RecordOf(allocator);
  void *block = nullptr;
  if (OSStatus error = record->allocate(allocator, record->context, flags, size, &block)) return error;
  *outBlock = block;
  return noErr;
}

OSStatus MemFree(MemAllocatorRef allocator, UInt32 flags, void *block) {
  MemAllocator *record = RecordOf(allocator);
  return record->free(allocator, record->context, flags, block);
}

Ptr NewPtrTemp(Size size) {
  OSErr error = noErr;
  Handle h = TempNewHandle(size, &error);
  if (h == nullptr) return nullptr;
  HLock(h);
  return *h;
}

void DisposePtrTemp(void *block) {
  if (Handle h = RecoverHandle(static_cast<Ptr>(block))) DisposeHandle(h);
}

}  // extern "C"
