/* Allocators chosen by reference: library code takes memory from whichever
 * allocator its caller names. A reference is a pointer-sized value, either one of
 * the six built-in kinds below or the address of a MemAllocator record (such as a
 * fixed-size block allocator). Also: memory zones (bump allocation over large
 * blocks freed together), pointer arrays, and temporary-memory pointer blocks. */
#ifndef VIGIL_LIB_MEMORY_ALLOCATORS_H
#define VIGIL_LIB_MEMORY_ALLOCATORS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

typedef struct MemAllocator *MemAllocatorRef;

/* Built-in allocators. The system, pageable-system, resident and physically
 * contiguous kinds do not exist here and answer -2053 (kLibAllocatorUnavailableErr);
 * system and pageable-system blocks are still freed as pointer blocks. */
#define kDefaultMemAllocatorRef ((MemAllocatorRef)(intptr_t)0)           /* NewPtr; -108 */
#define kTempMemAllocatorRef ((MemAllocatorRef)(intptr_t)-1)             /* temporary memory; -108 */
#define kSystemMemAllocatorRef ((MemAllocatorRef)(intptr_t)-2)
#define kPageableSystemMemAllocatorRef ((MemAllocatorRef)(intptr_t)-3)
#define kResidentMemAllocatorRef ((MemAllocatorRef)(intptr_t)-4)
#define kPhysicallyContiguousMemAllocatorRef ((MemAllocatorRef)(intptr_t)-5)

/* Flag bit 0: the block is to be zero-filled. */
enum { kMemAllocatorClear = 1 };

typedef OSStatus (*MemAllocateProc)(MemAllocatorRef allocator, void *context, UInt32 flags, Size size,
                                    void **outBlock);
typedef OSStatus (*MemFreeProc)(MemAllocatorRef allocator, void *context, UInt32 flags, void *block);

typedef struct MemAllocator {
  MemAllocateProc allocate;
  MemFreeProc free;
  void *context; /* passed to both as their second argument */
} MemAllocator;

/* Stores null in *outBlock, then the new block on success. */
OSStatus MemAllocate(MemAllocatorRef allocator, UInt32 flags, Size size, void **outBlock);
OSStatus MemFree(MemAllocatorRef allocator, UInt32 flags, void *block);

/* Blocks of one size carved from chunks of temporary memory and kept on a free
 * list; blocks go back to the platform only when the allocator is disposed of.
 * Asking for any other size answers -23002 (kLibBlockSizeErr). */
typedef struct FixedSizeBlockMemAllocator {
  MemAllocator allocator;
  UInt32 blockSize;      /* at least the size of a pointer */
  UInt32 blocksPerChunk; /* 1024 when created with 0 */
  void *chunks;          /* each chunk's first word links to the previous chunk */
  void *freeList;        /* each free block's first word links to the next */
} FixedSizeBlockMemAllocator;

OSStatus FixedSizeBlockMemAllocatorNew(UInt32 blockSize, UInt32 blocksPerChunk, void *reserved,
                                       MemAllocatorRef *outAllocator);
OSStatus FixedSizeBlockMemAllocatorDispose(MemAllocatorRef allocator);
OSStatus FixedSizeBlockMemAllocate(MemAllocatorRef allocator, void *context, UInt32 flags, Size size,
                                   void **outBlock);
OSStatus FixedSizeBlockMemFree(MemAllocatorRef allocator, void *context, UInt32 flags, void *block);

/* A locked block of temporary memory, or null; released with DisposePtrTemp
 * (which ignores anything else). */
Ptr NewPtrTemp(Size size);
void DisposePtrTemp(void *block);

/* Memory zone: allocations are carved byte by byte (not rounded) from zero-filled
 * heap blocks of blockSize bytes (4096 when initialised with 0) and all freed at
 * once by MemZoneFree. MemZoneAlloc answers -6728 when the heap has no room. */
typedef struct MemZoneBlock MemZoneBlock;
typedef struct MemZone {
  MemZoneBlock *current; /* the block that served the last new-block allocation */
  MemZoneBlock *blocks;  /* the first block */
  Size blockSize;
} MemZone;

void MemZoneInit(MemZone *zone, Size blockSize);
OSStatus MemZoneAlloc(MemZone *zone, Size size, void **outBlock);
void MemZoneFree(MemZone *zone);

/* A growable array of pointers on the process heap: 4096 slots at first, then
 * doubling. PtrArrayAppend answers -6728 when the heap has no room. */
typedef struct PtrArray {
  void **items;
  UInt32 count;
  UInt32 capacity;
} PtrArray;

void PtrArrayInit(PtrArray *array);
OSStatus PtrArrayAppend(PtrArray *array, void *pointer);
void PtrArrayFree(PtrArray *array);

#ifdef __cplusplus
}
#endif

#endif
