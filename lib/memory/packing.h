/* Records packed as big-endian bytes by a format of letters, and byte-order
 * helpers. Letters (arguments in order; Pack / Unpack):
 *   ' '  nothing
 *   'b'  int / UInt8 *                 1 byte
 *   'h'  int / UInt16 *                2 bytes, big-endian
 *   'w'  UInt32 / UInt32 *             4 bytes, big-endian
 *   'i'  int size (1..4), UInt32 / UInt32 *    the low size bytes, big-endian
 *   'n'  unsigned count, const void * / const UInt8 **   count bytes; Unpack stores
 *        their address inside the data
 *   's'  const char * / const char **, UInt32 *   a C string and its zero; Unpack
 *        stores its address inside the data and its length
 * Unpack destinations may be null: the item is then checked and skipped.
 * Results: 0; -6735 a letter outside the list; -6743 data too short to unpack. */
#ifndef VIGIL_LIB_MEMORY_PACKING_H
#define VIGIL_LIB_MEMORY_PACKING_H

#include <stdarg.h>

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

OSStatus PackedSize(UInt32 *outSize, const char *format, ...);
OSStatus PackedSizeVAList(UInt32 *outSize, const char *format, va_list argumentList);
/* The buffer must hold PackedSize bytes; reserved is not read. */
OSStatus Pack(void *buffer, const void *reserved, UInt32 *outSize, const char *format, ...);
OSStatus PackVAList(void *buffer, const void *reserved, UInt32 *outSize, const char *format, va_list argumentList);
/* Reads from the start of data, never past dataLength bytes. */
OSStatus Unpack(const void *data, UInt32 dataLength, const char *format, ...);
OSStatus UnpackVAList(const void *data, UInt32 dataLength, const char *format, va_list argumentList);

/* One big-endian integer of 1 to 4 bytes; other sizes write nothing / read 0.
 * PackN returns its size argument. */
UInt32 PackN(void *buffer, UInt32 size, UInt32 value);
UInt32 UnpackN(const void *buffer, UInt32 size);

/* Swap the bytes of each 16-bit unit (an odd last byte is left alone). */
void EndianSwapData16Bit(void *data, UInt32 byteCount);
void EndianSwapData16BitCopy(const void *source, UInt32 byteCount, void *destination);
/* Reverse the order of count bytes, in place or into a separate region. */
void MemReverse(void *data, UInt32 count);
void MemReverseCopy(const void *source, UInt32 count, void *destination);

#ifdef __cplusplus
}
#endif

#endif
