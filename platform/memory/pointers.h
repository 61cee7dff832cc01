/* Non-relocatable blocks of the stand-in platform, and block copying. */
#ifndef VIGIL_PLATFORM_MEMORY_POINTERS_H
#define VIGIL_PLATFORM_MEMORY_POINTERS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* A block in the current zone (NewPtrClear zero-fills), or null; see MemError. */
Ptr NewPtr(Size byteCount);
Ptr NewPtrClear(Size byteCount);
void DisposePtr(Ptr p);
/* Size of a block made by NewPtr; 0 (memWZErr) for anything else. */
Size GetPtrSize(Ptr p);

/* Copies byteCount bytes; the ranges may overlap. */
void BlockMoveData(const void *srcPtr, void *destPtr, Size byteCount);

#ifdef __cplusplus
}
#endif

#endif
