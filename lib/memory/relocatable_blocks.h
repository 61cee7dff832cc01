/* Conveniences over the platform's relocatable blocks (handles): choosing between
 * the application heap and temporary memory, sizing blocks to the memory
 * available, copying between pointers and handles, inserting and removing runs of
 * fixed-size items, and reaching the zone functions of the older system library.
 * Results: 0, paramErr (-50) for a null handle or out-parameter, memFullErr (-108)
 * when no block was obtained, or the platform's own error. */
#ifndef VIGIL_LIB_MEMORY_RELOCATABLE_BLOCKS_H
#define VIGIL_LIB_MEMORY_RELOCATABLE_BLOCKS_H

#include "platform/core/base_types.h"
#include "platform/memory/zones.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The largest size up to wanted that leaves reserve bytes free (never below 0). */
Size GetMaximumHandleSize(Size wanted, Size reserve, Boolean tryHard, Boolean useTemp);
OSStatus NewMaximumHandle(Handle *outHandle, Size *ioSize, Size reserve, Boolean tryHard, Boolean useTemp);
OSStatus NewMaximumQuantizedHandle(Handle *outHandle, Size quantum, Size *ioCount, Size reserve, Boolean tryHard,
                                   Boolean useTemp);

OSStatus NewHandleTemp(Size size, Handle *outHandle);
/* Tries each of the count sizes that follow (each an int) with NewHandleTemp. */
OSStatus NewHandleTempOrLess(Handle *outHandle, Size *outSize, UInt32 count, ...);
OSStatus NewTempOrRegularHandle(Size size, Boolean preferTemp, Handle *outHandle);
Handle NewAnyHandle(Size size);
Handle NewHandleMax(Size wanted, Size reserve, Size *outSize);
OSStatus MemAllocHandle(Size size, Handle *outHandle);

OSStatus PtrToTempHand(const void *source, Handle *outHandle, Size size);
OSStatus PtrToAnyHand(const void *source, Handle *outHandle, Size size);
OSStatus HandToTempHand(Handle *ioHandle);
OSStatus HandToHandAndAllowTempMem(Handle *ioHandle, Boolean preferTemp);
OSStatus HandToXHand(Handle source, Handle dest);
OSStatus PtrAndHandCString(Handle handle, const char *string);

OSStatus AdjustHandleSize(Handle handle, Size change, Boolean clear, Size *outOldSize);
OSStatus AddItemsToHandle(Handle handle, Size itemSize, UInt32 index, UInt32 count, const void *items);
OSStatus RemoveItemsFromHandle(Handle handle, Size itemSize, UInt32 index, UInt32 count);
SInt8 HGetStateAndLock(Handle handle);

Boolean IsMemoryAvailable(Size size);
Boolean IsMemoryAvailableAfterTryingHard(Size size, Boolean appHeapOnly, Boolean tempOnly, Boolean tempFirst);
Size CompactAndPurgeHeap(void);

THz GetPageableSystemZone(void);
THz GetZoneCompat(void);
void SetZoneCompat(THz zone);
THz SystemZoneCompat(void);

/* The data cache line size in bytes, measured in a 16 KiB probe block. */
OSStatus CalculateCacheLineSize(UInt32 *outSize);

#ifdef __cplusplus
}
#endif

#endif
