/* Growable data buffers on the process heap, and temporary work buffers that fall
 * back to the caller's own buffer. Sources: a null pointer leaves the bytes
 * concerned as they are, kDataBufferZeroFill sets them to zero, any other pointer
 * is copied from. Lengths stay within 4,294,934,528 bytes. */
#ifndef VIGIL_LIB_MEMORY_DATA_BUFFER_H
#define VIGIL_LIB_MEMORY_DATA_BUFFER_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The all-ones pointer: as a source, it asks for zero bytes. As a TempBuffer
 * block to release, it means that nothing was allocated. */
#define kDataBufferZeroFill ((const void *)~(uintptr_t)0)
#define kTempBufferNothingAllocated ((void *)~(uintptr_t)0)

typedef struct DataBuffer {
  UInt8 *data;     /* the heap block, owned by the buffer */
  UInt32 length;   /* bytes in use */
  UInt32 capacity; /* bytes in the block */
} DataBuffer;

/* Results: 0; -6728 the heap has no room (the buffer is then unchanged); -6710 a
 * range or change outside the data; -6705 a missing buffer or out-parameter. */
OSStatus DataBufferCreate(const void *source, UInt32 count, DataBuffer **outBuffer);
OSStatus DataBufferResize(DataBuffer *buffer, const void *source, UInt32 count);
OSStatus DataBufferAdjustSize(DataBuffer *buffer, const void *source, SInt32 change);
OSStatus DataBufferAppendData(DataBuffer *buffer, const void *source, UInt32 count);
/* Only a null or a real source; the zero-fill marker is not honoured here. */
OSStatus DataBufferReplaceData(DataBuffer *buffer, UInt32 offset, UInt32 oldLength, const void *source,
                               UInt32 newLength);
OSStatus DataBufferRelease(DataBuffer *buffer);
/* Frees the record only; the block (to be freed with free) and the length go to
 * the out-parameters that are non-null. */
OSStatus DataBufferReleaseContainer(DataBuffer *buffer, void **outData, UInt32 *outLength);

/* A scratch area of about wantedSize bytes (at most 16 MiB): the caller's buffer
 * when it is big enough or the heap has no room, else a heap block. Pass
 * *outToRelease to TempBufferRelease in every case. */
OSStatus TempBufferCreate(UInt32 wantedSize, void *callerBuffer, UInt32 callerBufferSize, void **outToRelease,
                          void **outBuffer, UInt32 *outSize);
OSStatus TempBufferRelease(void *toRelease);

#ifdef __cplusplus
}
#endif

#endif
