/* Relocatable blocks of the stand-in platform. A handle points to a master
 * pointer, which points to the block; the block may move when it grows unless the
 * handle is locked. Every call records its result for MemError. */
#ifndef VIGIL_PLATFORM_MEMORY_HANDLES_H
#define VIGIL_PLATFORM_MEMORY_HANDLES_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Bits of a handle's state byte (HGetState, HSetState). */
enum {
  kHandleStateLocked = 0x80,
  kHandleStatePurgeable = 0x40,
  kHandleStateResource = 0x20
};

/* The result of the last Memory Manager call. */
OSErr MemError(void);

/* New handles in the current zone (NewHandleClear zero-fills) or in temporary
 * memory; null on failure. A negative size fails with memSCErr. */
Handle NewHandle(Size byteCount);
Handle NewHandleClear(Size byteCount);
Handle TempNewHandle(Size byteCount, OSErr *resultCode);
void DisposeHandle(Handle h);

/* Size of the block; 0 (and nilHandleErr) for a null or purged handle. */
Size GetHandleSize(Handle h);
/* Resizes the block, keeping its leading bytes. An unlocked block may move; a
 * locked block that cannot grow where it is fails with memFullErr, unchanged. */
void SetHandleSize(Handle h, Size newSize);

void HLock(Handle h);
void HUnlock(Handle h);
void HPurge(Handle h);
void HNoPurge(Handle h);
SInt8 HGetState(Handle h);
void HSetState(Handle h, SInt8 flags);

/* The handle whose block starts at p, or null (memWZErr) if there is none. */
Handle RecoverHandle(Ptr p);

/* Replaces *theHndl by a new handle (current zone) holding a copy of its bytes. */
OSErr HandToHand(Handle *theHndl);
/* Appends size bytes from ptr to the handle's block. */
OSErr PtrAndHand(const void *ptr, Handle h, long size);
/* Finds ptr1/len1 in h from offset (or takes len1 bytes at offset when ptr1 is
 * null; all the rest when len1 < 0) and replaces it by ptr2/len2. A null ptr2
 * only searches. Returns the offset just past the replacement (or of the found
 * target when ptr2 is null), or a negative value when nothing was found. */
long Munger(Handle h, long offset, const void *ptr1, long len1, const void *ptr2, long len2);

#ifdef __cplusplus
}
#endif

#endif
