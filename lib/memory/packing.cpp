#include "lib/memory/packing.h"

#include <cstring>

#include "lib/memory/memory_blocks.h"
#include "lib/memory/packing_arguments.hpp"
#include "lib/memory/unpack.hpp"
#include "platform/core/result_codes.h"

using vigil::memory::VaListArguments;

namespace {

void WriteBigEndian(UInt8 *out, UInt32 value, UInt32 size) {
  for (UInt32 i = 0; i < size; ++i) out[i] = UInt8(value >> (8 * (size - 1 - i)));
}

}  // namespace

extern "C" {

OSStatus PackedSizeVAList(UInt32 *outSize, const char *format, va_list argumentList) {
  if (format == nullptr) return kLibMissingArgErr;
  VaListArguments arguments(argumentList);
  UInt64 size = 0;
  for (const char *letter = format; *letter != 0; ++letter) {
    switch (*letter) {
      case ' ':
        break;
      case 'b':
        arguments.Int();
        size += 1;
        break;
      case 'h':
        arguments.Int();
        size += 2;
        break;
      case 'w':
        arguments.Unsigned();
        size += 4;
        break;
      case 'i':
        size += UInt32(arguments.Int());
        arguments.Unsigned();
        break;
      case 'n':
        size += arguments.Unsigned();
        arguments.Pointer<const void>();
        break;
      case 's': {
        const char *string = arguments.Pointer<const char>();
        if (string == nullptr) return kLibMissingArgErr;
        size += std::strlen(string) + 1;
        break;
      }
      default:
        return kLibUnsupportedLetterErr;
    }
    // A size past 32 bits would have the caller allocate too small a buffer.
    if (size > 0xFFFFFFFFu) return kLibSizeErr;
  }
  if (outSize != nullptr) *outSize = UInt32(size);
  return noErr;
}

OSStatus PackedSize(UInt32 *outSize, const char *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  OSStatus result = PackedSizeVAList(outSize, format, arguments);
  va_end(arguments);
  return result;
}

OSStatus PackVAList(void *buffer, const void *, UInt32 *outSize, const char *format, va_list argumentList) {
  if (format == nullptr) return kLibMissingArgErr;
  VaListArguments arguments(argumentList);
  UInt8 *at = static_cast<UInt8 *>(buffer);
  for (const char *letter = format; *letter != 0; ++letter) {
    switch (*letter) {
      case ' ':
        break;
      case 'b':
        *at++ = UInt8(arguments.Int());
        break;
      case 'h':
        WriteBigEndian(at, UInt32(arguments.Int()), 2);
        at += 2;
        break;
      case 'w':
        WriteBigEndian(at, arguments.Unsigned(), 4);
        at += 4;
        break;
      case 'i': {
        UInt32 size = UInt32(arguments.Int());
        UInt32 value = arguments.Unsigned();
        if (size >= 1 && size <= 4) {
          WriteBigEndian(at, value, size);
          at += size;
        }
        break;
      }
      case 'n': {
        UInt32 count = arguments.Unsigned();
        const void *bytes = arguments.Pointer<const void>();
        if (count > 0 && bytes == nullptr) return kLibMissingArgErr;
        if (count > 0) std::memcpy(at, bytes, count);
        at += count;
        break;
      }
      case 's': {
        const char *string = arguments.Pointer<const char>();
        if (string == nullptr) return kLibMissingArgErr;
        std::size_t length = std::strlen(string) + 1;
        std::memcpy(at, string, length);
        at += length;
        break;
      }
      default:
        return kLibUnsupportedLetterErr;
    }
  }
  if (outSize != nullptr) *outSize = UInt32(at - static_cast<UInt8 *>(buffer));
  return noErr;
}

OSStatus Pack(void *buffer, const void *reserved, UInt32 *outSize, const char *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  OSStatus result = PackVAList(buffer, reserved, outSize, format, arguments);
  va_end(arguments);
  return result;
}

OSStatus UnpackVAList(const void *data, UInt32 dataLength, const char *format, va_list argumentList) {
  VaListArguments arguments(argumentList);
  return vigil::memory::UnpackItems(static_cast<const UInt8 *>(data), dataLength, format, arguments);
}

OSStatus Unpack(const void *data, UInt32 dataLength, const char *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  OSStatus result = UnpackVAList(data, dataLength, format, arguments);
  va_end(arguments);
  return result;
}

UInt32 PackN(void *buffer, UInt32 size, UInt32 value) {
  if (size >= 1 && size <= 4) WriteBigEndian(static_cast<UInt8 *>(buffer), value, size);
  return size;
}

UInt32 UnpackN(const void *buffer, UInt32 size) {
  return size >= 1 && size <= 4 ? vigil::memory::ReadBigEndian(static_cast<const UInt8 *>(buffer), size) : 0;
}

void EndianSwapData16Bit(void *data, UInt32 byteCount) {
  UInt8 *bytes = static_cast<UInt8 *>(data);
  for (UInt32 i = 0; i + 1 < byteCount; i += 2) {
    UInt8 first = bytes[i];
    bytes[i] = bytes[i + 1];
    bytes[i + 1] = first;
  }
}

void EndianSwapData16BitCopy(const void *source, UInt32 byteCount, void *destination) {
  const UInt8 *in = static_cast<const UInt8 *>(source);
  UInt8 *out = static_cast<UInt8 *>(destination);
  for (UInt32 i = 0; i + 1 < byteCount; i += 2) {
    out[i] = in[i + 1];
    out[i + 1] = in[i];
  }
}

void MemReverse(void *data, UInt32 count) { BlockReverse(data, count); }

void MemReverseCopy(const void *source, UInt32 count, void *destination) {
  const UInt8 *in = static_cast<const UInt8 *>(source);
  UInt8 *out = static_cast<UInt8 *>(destination);
  for (UInt32 i = 0; i < count; ++i) out[i] = in[count - 1 - i];
}

}  // extern "C"
