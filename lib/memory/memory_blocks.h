/* Operations on caller-owned byte ranges and arrays: filling, clearing, comparing,
 * swapping, reversing, binary search, Mac OS Roman / ISO Latin-1 translation in
 * place, and page-list contiguity tests. Lengths and counts are unsigned 32-bit. */
#ifndef VIGIL_LIB_MEMORY_MEMORY_BLOCKS_H
#define VIGIL_LIB_MEMORY_MEMORY_BLOCKS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* Translation tables between Mac OS Roman and ISO Latin-1; each is the other's
 * inverse permutation, and both keep the bytes below 0x80. */
extern const UInt8 kMacToLatin1Table[256];
extern const UInt8 kLatin1ToMacTable[256];

/* Fill destLength bytes with the pattern repeated; a pattern length of 0 writes
 * nothing. The two differ only in argument order. */
void MemFill(UInt32 patternLength, const void *pattern, UInt32 destLength, void *dest);
void BlockFill(const void *pattern, UInt32 patternLength, void *dest, UInt32 destLength);
/* Fill with the bytes 68 F1 repeated, to mark memory as garbage. */
void MemTrash(UInt32 destLength, void *dest);
void BlockSet(void *dest, UInt32 length, UInt8 value);
void BlockClear(void *dest, UInt32 length);

/* 1 when both ranges have the same length and bytes, else 0. */
Boolean MemEqual(const void *a, UInt32 aLength, const void *b, UInt32 bLength);
/* 1 when the first length bytes of a and b are equal, else 0. */
Boolean BlockCompare(UInt32 length, const void *a, const void *b);

/* Exchanges two ranges, which must not overlap unless they are the same. */
void BlockSwap(void *a, void *b, UInt32 length);
void BlockSwapIndexed(void *array, UInt32 elementSize, UInt32 i, UInt32 j);
void BlockReverse(void *data, UInt32 length);
/* Reverses the order of count elements of elementSize bytes each. */
void BlockReverseIndexed(void *array, UInt32 elementSize, UInt32 count);

/* compare (context, key, keyLength, element, elementSize) answers < 0 when the key
 * sorts before the element, 0 on a match, > 0 after it. */
typedef SInt32 (*BinarySearchCompareProc)(void *context, const void *key, UInt32 keyLength, const void *element,
                                           UInt32 elementSize);
/* A matching element of the sorted array, or null. */
void *BinarySearch(const void *array, UInt32 count, UInt32 elementSize, const void *key, UInt32 keyLength,
                   BinarySearchCompareProc compare, void *context);

void Latin1ToMacText(void *text, UInt32 length);
void MacToLatin1Text(void *text, UInt32 length);

/* pages holds the address of every page of a buffer in order; pageSize is a
 * power of two. The first: does the page after entry index start where the page of
 * entry index ends? The second: does the page of entry index start where the one
 * before it ends (0 for index 0)? Addresses are pointer-sized. */
Boolean IsNextPageContiguous(const uintptr_t *pages, UInt32 index, uintptr_t pageSize);
Boolean IsPreviousPageContiguous(const uintptr_t *pages, UInt32 index, uintptr_t pageSize);

#ifdef __cplusplus
}
#endif

#endif
