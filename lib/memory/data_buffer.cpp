#include "lib/memory/data_buffer.h"

#include <cstdlib>
#include <cstring>

#include "platform/core/result_codes.h"
#include "platform/memory/process_heap.hpp"

using vigil::platform::HeapAllocate;
using vigil::platform::HeapAllocateZeroed;
using vigil::platform::HeapReallocate;

namespace {

constexpr UInt64 kLargestLength = 0xFFFF8000u;  // the largest multiple of 32768 below 2^32

// Small buffers start at 256 or 4096 bytes; large ones grow in 32 KiB steps.
UInt32 CapacityFor(UInt32 length) {
  if (length <= 255) return 256;
  if (length <= 4095) return 4096;
  return (length + 32767u) & ~32767u;
}

bool IsZeroFill(const void *source) { return source == kDataBufferZeroFill; }

// Fills count bytes at destination from a source as the buffers understand it.
void Fill(UInt8 *destination, const void *source, UInt32 count) {
  if (count == 0 || source == nullptr) return;
  if (IsZeroFill(source))
    std::memset(destination, 0, count);
  else
    std::memmove(destination, source, count);
}

// Gives the block the capacity the rule sets for length, growing or shrinking it.
OSStatus Reserve(DataBuffer &buffer, UInt64 length) {
  if (length > kLargestLength) return kLibNoMemoryErr;
  UInt32 capacity = CapacityFor(UInt32(length));
  if (capacity == buffer.capacity) return noErr;
  void *block = HeapReallocate(buffer.data, capacity);
  if (block == nullptr) return kLibNoMemoryErr;
  buffer.data = static_cast<UInt8 *>(block);
  buffer.capacity = capacity;
  return noErr;
}

}  // namespace

extern "C" {

OSStatus DataBufferCreate(const void *source, UInt32 count, DataBuffer **outBuffer) {
  if (outBuffer == nullptr) return kLibMissingArgErr;
  if (count > kLargestLength) return kLibNoMemoryErr;
  auto *buffer = static_cast<DataBuffer *>(HeapAllocateZeroed(sizeof(DataBuffer)));
  if (buffer == nullptr) return kLibNoMemoryErr;
  UInt32 capacity = CapacityFor(count);
  void *block = IsZeroFill(source) ? HeapAllocateZeroed(capacity) : HeapAllocate(capacity);
  if (block == nullptr) {
    std::free(buffer);
    return kLibNoMemoryErr;
  }
  buffer->data = static_cast<UInt8 *>(block);
  buffer->capacity = capacity;
  buffer->length = count;
  if (!IsZeroFill(source)) Fill(buffer->data, source, count);
  *outBuffer = buffer;
  return noErr;
}

OSStatus DataBufferResize(DataBuffer *buffer, const void *source, UInt32 count) {
  if (buffer == nullptr) return kLibMissingArgErr;
  if (OSStatus error = Reserve(*buffer, count)) return error;
  Fill(buffer->data, source, count);
  buffer->length = count;
  return noErr;
}

OSStatus DataBufferAdjustSize(DataBuffer *buffer, const void *source, SInt32 change) {
  if (buffer == nullptr) return kLibMissingArgErr;
  // A shrink past the start would wrap around to a huge length.
  if (change < 0 && UInt32(-SInt64(change)) > buffer->length) return kLibRangeErr;
  UInt64 length = UInt64(SInt64(buffer->length) + change);
  if (OSStatus error = Reserve(*buffer, length)) return error;
  if (change > 0) Fill(buffer->data + buffer->length, source, UInt32(change));
  buffer->length = UInt32(length);
  return noErr;
}

OSStatus DataBufferAppendData(DataBuffer *buffer, const void *source, UInt32 count) {
  if (buffer == nullptr) return kLibMissingArgErr;
  UInt64 length = UInt64(buffer->length) + count;
  if (length > buffer->capacity) {
    if (OSStatus error = Reserve(*buffer, length)) return error;
  }
  Fill(buffer->data + buffer->length, source, count);
  buffer->length = UInt32(length);
  return noErr;
}

OSStatus DataBufferReplaceData(DataBuffer *buffer, UInt32 offset, UInt32 oldLength, const void *source,
                               UInt32 newLength) {
  if (buffer == nullptr) return kLibMissingArgErr;
  if (UInt64(offset) + oldLength > buffer->length) return kLibRangeErr;
  UInt32 oldTotal = buffer->length;
  UInt64 newTotal = UInt64(oldTotal) - oldLength + newLength;
  if (newLength > oldLength) {
    if (OSStatus error = Reserve(*buffer, newTotal)) return error;
  }
  std::memmove(buffer->data + offset + newLength, buffer->data + offset + oldLength, oldTotal - offset - oldLength);
  // The tail has moved already: if the block cannot be made smaller it is kept as
  // it is, rather than leaving a length that no longer matches the bytes.
  if (newLength < oldLength) Reserve(*buffer, newTotal);
  if (source != nullptr && newLength > 0) std::memmove(buffer->data + offset, source, newLength);
  buffer->length = UInt32(newTotal);
  return noErr;
}

OSStatus DataBufferRelease(DataBuffer *buffer) {
  if (buffer != nullptr) std::free(buffer->data);
  std::free(buffer);
  return noErr;
}

OSStatus DataBufferReleaseContainer(DataBuffer *buffer, void **outData, UInt32 *outLength) {
  if (buffer == nullptr) return noErr;
  if (outData != nullptr) *outData = buffer->data;
  if (outLength != nullptr) *outLength = buffer->length;
  std::free(buffer);
  return noErr;
}

OSStatus TempBufferCreate(UInt32 wantedSize, void *callerBuffer, UInt32 callerBufferSize, void **outToRelease,
                          void **outBuffer, UInt32 *outSize) {
  if (outToRelease == nullptr || outBuffer == nullptr || outSize == nullptr) return kLibMissingArgErr;
  auto useCallerBuffer = [&] {
    *outToRelease = kTempBufferNothingAllocated;
    *outBuffer = callerBuffer;
    *outSize = callerBufferSize;
    return OSStatus(noErr);
  };
  if (wantedSize <= callerBufferSize) return useCallerBuffer();
  constexpr UInt32 kLargest = 16 * 1024 * 1024;
  UInt32 size = wantedSize > kLargest ? kLargest : wantedSize <= 511 ? 512 : (wantedSize + 511u) & ~511u;
  void *block = HeapAllocate(size);
  if (block == nullptr) return callerBufferSize == 0 ? OSStatus(kLibNoMemoryErr) : useCallerBuffer();
  *outToRelease = block;
  *outBuffer = block;
  *outSize = size;
  return noErr;
}

OSStatus TempBufferRelease(void *toRelease) {
  if (toRelease != kTempBufferNothingAllocated) std::free(toRelease);
  return noErr;
}

}  // extern "C"
