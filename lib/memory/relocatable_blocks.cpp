#include "lib/memory/relocatable_blocks.h"

#include <unistd.h>

#include <algorithm>
#include <cstdarg>
#include <cstdint>
#include <cstring>

#include "lib/memory/memory_blocks.h"
#include "platform/core/result_codes.h"
#include "platform/memory/code_fragments.h"
#include "platform/memory/handles.h"
#include "platform/memory/pointers.h"

namespace {

// The error of a failed allocation: the platform's, or memFullErr when it gave none.
OSStatus AllocationError(OSErr platformError) { return platformError != noErr ? OSStatus(platformError) : memFullErr; }

Handle NewTempHandle(Size size, OSErr &error) { return TempNewHandle(size, &error); }

Handle NewApplicationHandle(Size size, OSErr &error) {
  Handle h = NewHandle(size);
  error = MemError();
  return h;
}

// A handle holding a copy of size bytes, from temporary memory or the heap.
OSStatus CopyIntoNewHandle(const void *source, Size size, Handle *outHandle, bool allowApplicationHeap) {
  if (outHandle == nullptr || (source == nullptr && size > 0)) return paramErr;
  OSErr error = noErr;
  Handle h = NewTempHandle(size, error);
  if (h == nullptr && allowApplicationHeap) h = NewApplicationHandle(size, error);
  if (h == nullptr) return memFullErr;
  BlockMoveData(source, *h, size);
  *outHandle = h;
  return noErr;
}

// A zone function of the older system library, looked up on first use; a failed
// lookup is tried again on the next call.
template <typename Function>
Function LookUpInterfaceLib(Function &cache, const unsigned char *symbolName) {
  if (cache != nullptr) return cache;
  static const unsigned char kLibrary[] = "\x0cInterfaceLib";
  CFragConnectionID connection = nullptr;
  Ptr address = nullptr;
  if (GetSharedLibrary(kLibrary, kAnyCFragArch, kReferenceCFrag, &connection, nullptr, nullptr) == noErr &&
      FindSymbol(connection, symbolName, &address, nullptr) == noErr)
    cache = reinterpret_cast<Function>(address);
  return cache;
}

using ZoneGetter = THz (*)(void);
using ZoneSetter = void (*)(THz);
ZoneGetter gGetZone = nullptr;
ZoneSetter gSetZone = nullptr;
ZoneGetter gSystemZone = nullptr;

}  // namespace

extern "C" {

Size GetMaximumHandleSize(Size wanted, Size reserve, Boolean tryHard, Boolean useTemp) {
  Size needed = wanted + reserve;
  Size found;
  if (useTemp) {
    found = TempMaxMem(nullptr);
  } else {
    found = MaxBlock();
    if (found < needed) {
      long total = 0, contiguous = 0;
      PurgeSpace(&total, &contiguous);
      found = contiguous;
    }
    if (found < needed && tryHard) found = MaxMem(nullptr);
  }
  return std::max<Size>(std::min(found, needed) - reserve, 0);
}

OSStatus NewMaximumHandle(Handle *outHandle, Size *ioSize, Size reserve, Boolean tryHard, Boolean useTemp) {
  if (outHandle == nullptr || ioSize == nullptr) return paramErr;
  Size size = GetMaximumHandleSize(*ioSize, reserve, tryHard, useTemp);
  if (size == 0 && *ioSize > 0) return memFullErr;  // nothing fits beside the reserve
  OSErr error = noErr;
  Handle h = useTemp ? NewTempHandle(size, error) : nullptr;
  if (h == nullptr) h = NewApplicationHandle(size, error);
  if (h == nullptr) return AllocationError(error);
  *outHandle = h;
  *ioSize = size;
  return noErr;
}

OSStatus NewMaximumQuantizedHandle(Handle *outHandle, Size quantum, Size *ioCount, Size reserve, Boolean tryHard,
                                   Boolean useTemp) {
  if (outHandle == nullptr || ioCount == nullptr || quantum <= 0) return paramErr;
  Size wanted = 0;
  if (__builtin_mul_overflow(quantum, *ioCount, &wanted)) return paramErr;
  Size size = GetMaximumHandleSize(wanted, reserve, tryHard, useTemp);
  size -= size % quantum;
  if (size == 0 && wanted > 0) return memFullErr;
  OSErr error = noErr;
  Handle h = nullptr;
  if (useTemp) {
    h = NewTempHandle(size, error);
    if (h == nullptr) h = NewApplicationHandle(size, error);
  } else {
    h = NewHandleClear(size);
    error = MemError();
  }
  if (h == nullptr) return AllocationError(error);
  *outHandle = h;
  *ioCount = size / quantum;
  return noErr;
}

OSStatus NewHandleTemp(Size size, Handle *outHandle) {
  if (outHandle == nullptr) return paramErr;
  OSErr error = noErr;
  Handle h = NewTempHandle(size, error);
  if (h == nullptr) return AllocationError(error);
  *outHandle = h;
  return noErr;
}

OSStatus NewHandleTempOrLess(Handle *outHandle, Size *outSize, UInt32 count, ...) {
  if (outHandle == nullptr || count == 0) return paramErr;
  va_list sizes;
  va_start(sizes, count);
  OSStatus error = memFullErr;
  for (UInt32 i = 0; i < count; ++i) {
    Size size = va_arg(sizes, int);
    if (size == 0) {
      error = paramErr;
      break;
    }
    error = NewHandleTemp(size, outHandle);
    if (error == noErr) {
      if (outSize != nullptr) *outSize = size;
      break;
    }
  }
  va_end(sizes);
  return error;
}

OSStatus NewTempOrRegularHandle(Size size, Boolean preferTemp, Handle *outHandle) {
  if (outHandle == nullptr) return paramErr;
  OSErr error = noErr;
  Handle h = preferTemp ? NewTempHandle(size, error) : NewApplicationHandle(size, error);
  if (h == nullptr) h = preferTemp ? NewApplicationHandle(size, error) : NewTempHandle(size, error);
  *outHandle = h;
  return h != nullptr ? noErr : AllocationError(error);
}

Handle NewAnyHandle(Size size) {
  OSErr error = noErr;
  Handle h = NewTempHandle(size, error);
  return h != nullptr ? h : NewApplicationHandle(size, error);
}

Handle NewHandleMax(Size wanted, Size reserve, Size *outSize) {
  Size needed = wanted + reserve;
  Size temporary = TempMaxMem(nullptr);
  Size application = MaxBlock();
  OSErr error = noErr;
  Size size = wanted;
  Handle h = nullptr;
  if (temporary >= needed) {
    h = NewTempHandle(size, error);
  } else if (application >= needed) {
    h = NewApplicationHandle(size, error);
  } else {
    // Neither has room: take all that the roomier one allows beside the reserve.
    size = std::max(temporary, application) - reserve;
    if (size > 0) h = application >= temporary ? NewApplicationHandle(size, error) : NewTempHandle(size, error);
  }
  if (outSize != nullptr) *outSize = size > 0 ? size : 0;
  return h;
}

OSStatus MemAllocHandle(Size size, Handle *outHandle) {
  if (outHandle == nullptr) return paramErr;
  OSErr error = noErr;
  Handle h = NewTempHandle(size, error);
  if (h == nullptr) h = NewApplicationHandle(size, error);
  *outHandle = h;
  return h != nullptr ? noErr : AllocationError(error);
}

OSStatus PtrToTempHand(const void *source, Handle *outHandle, Size size) {
  return CopyIntoNewHandle(source, size, outHandle, false);
}

OSStatus PtrToAnyHand(const void *source, Handle *outHandle, Size size) {
  return CopyIntoNewHandle(source, size, outHandle, true);
}

OSStatus HandToTempHand(Handle *ioHandle) {
  if (ioHandle == nullptr || *ioHandle == nullptr) return paramErr;
  Size size = GetHandleSize(*ioHandle);
  if (OSErr error = MemError()) return error;
  OSErr error = noErr;
  Handle copy = NewTempHandle(size, error);
  if (copy == nullptr) return AllocationError(error);
  BlockMoveData(**ioHandle, *copy, size);
  *ioHandle = copy;
  return noErr;
}

OSStatus HandToHandAndAllowTempMem(Handle *ioHandle, Boolean preferTemp) {
  if (ioHandle == nullptr || *ioHandle == nullptr) return paramErr;
  if (preferTemp) {
    if (HandToTempHand(ioHandle) == noErr) return noErr;
    return HandToHand(ioHandle);
  }
  if (HandToHand(ioHandle) == noErr) return noErr;
  return HandToTempHand(ioHandle);
}

OSStatus HandToXHand(Handle source, Handle dest) {
  if (source == nullptr || dest == nullptr) return paramErr;
  Size size = GetHandleSize(source);
  if (OSErr error = MemError()) return error;
  if (GetHandleSize(dest) != size) {
    SetHandleSize(dest, size);
    if (OSErr error = MemError()) return error;
  }
  BlockMoveData(*source, *dest, size);
  return noErr;
}

OSStatus PtrAndHandCString(Handle handle, const char *string) {
  if (string == nullptr) return paramErr;
  return PtrAndHand(string, handle, long(std::strlen(string)));
}

OSStatus AdjustHandleSize(Handle handle, Size change, Boolean clear, Size *outOldSize) {
  Size oldSize = GetHandleSize(handle);
  if (OSErr error = MemError()) return error;
  SetHandleSize(handle, oldSize + change);
  if (OSErr error = MemError()) return error;
  if (clear && change > 0) BlockClear(*handle + oldSize, UInt32(change));
  if (outOldSize != nullptr) *outOldSize = oldSize;
  return noErr;
}

OSStatus AddItemsToHandle(Handle handle, Size itemSize, UInt32 index, UInt32 count, const void *items) {
  Size length = itemSize * count;
  // Without items nothing would be inserted, yet the call would report success.
  if (items == nullptr && length > 0) return paramErr;
  Size offset = std::min(itemSize * index, GetHandleSize(handle));
  if (OSErr error = MemError()) return error;
  Munger(handle, offset, nullptr, 0, items != nullptr ? items : "", length);
  return MemError();
}

OSStatus RemoveItemsFromHandle(Handle handle, Size itemSize, UInt32 index, UInt32 count) {
  // No target pointer: the target is the items' bytes at the offset; an empty
  // replacement (any non-null pointer with length 0) deletes them.
  Munger(handle, itemSize * index, nullptr, itemSize * count, "", 0);
  return MemError();
}

SInt8 HGetStateAndLock(Handle handle) {
  SInt8 state = HGetState(handle);
  HLock(handle);
  return state;
}

Boolean IsMemoryAvailable(Size size) { return MaxBlock() >= size; }

Boolean IsMemoryAvailableAfterTryingHard(Size size, Boolean appHeapOnly, Boolean tempOnly, Boolean tempFirst) {
  if (tempFirst && !appHeapOnly) {
    if (TempMaxMem(nullptr) >= size) return true;
    return !tempOnly && MaxMem(nullptr) >= size;
  }
  if (MaxMem(nullptr) >= size) return true;
  return !appHeapOnly && TempMaxMem(nullptr) >= size;
}

Size CompactAndPurgeHeap(void) {
  Size grow = 0;
  return MaxMem(&grow);
}

// There is no pageable system zone to find on this platform.
THz GetPageableSystemZone(void) { return nullptr; }

THz GetZoneCompat(void) {
  ZoneGetter getZone = LookUpInterfaceLib(gGetZone, reinterpret_cast<const unsigned char *>("\x07GetZone"));
  return getZone != nullptr ? getZone() : nullptr;
}

void SetZoneCompat(THz zone) {
  ZoneSetter setZone = LookUpInterfaceLib(gSetZone, reinterpret_cast<const unsigned char *>("\x07SetZone"));
  if (setZone != nullptr) setZone(zone);
}

THz SystemZoneCompat(void) {
  ZoneGetter systemZone = LookUpInterfaceLib(gSystemZone, reinterpret_cast<const unsigned char *>("\x0aSystemZone"));
  return systemZone != nullptr ? systemZone() : nullptr;
}

OSStatus CalculateCacheLineSize(UInt32 *outSize) {
  if (outSize == nullptr) return paramErr;
  constexpr Size kProbeSize = 16 * 1024;
  constexpr std::uintptr_t kPage = 4096;
  Ptr probe = NewPtr(kProbeSize);
  if (probe == nullptr) return memFullErr;
  BlockSet(probe, kProbeSize, 0xFF);
  auto start = reinterpret_cast<std::uintptr_t>(probe);
  unsigned char *boundary = reinterpret_cast<unsigned char *>(probe) + ((kPage - start % kPage) % kPage);
  // Zero one data cache line at the boundary, the line's size as the processor
  // reports it, then measure the run of zeros as the platform's probe did.
  long line = sysconf(_SC_LEVEL1_DCACHE_LINESIZE);
  if (line <= 0 || line > long(kPage)) line = 64;
  std::memset(boundary, 0, std::size_t(line));
  const unsigned char *end = reinterpret_cast<unsigned char *>(probe) + kProbeSize;
  UInt32 zeros = 0;
  for (const unsigned char *p = boundary; p < end && *p == 0; ++p) ++zeros;
  DisposePtr(probe);
  *outSize = zeros;
  return noErr;
}

}  // extern "C"
