// The walk of Unpack over a big-endian record, for any source of arguments.
#pragma once

#include <cstring>

#include "lib/memory/packing.h"
#include "platform/core/result_codes.h"

namespace vigil::memory {

inline UInt32 ReadBigEndian(const UInt8 *bytes, UInt32 size) {
  UInt32 value = 0;
  for (UInt32 i = 0; i < size; ++i) value = value << 8 | bytes[i];
  return value;
}

template <typename Arguments>
OSStatus UnpackItems(const UInt8 *data, UInt32 dataLength, const char *format, Arguments &arguments) {
  if (format == nullptr || (data == nullptr && dataLength > 0)) return kLibMissingArgErr;
  UInt32 remaining = dataLength;
  const UInt8 *at = data;
  auto take = [&](UInt32 size) {
    at += size;
    remaining -= size;
  };
  for (const char *letter = format; *letter != 0; ++letter) {
    switch (*letter) {
      case ' ':
        break;
      case 'b': {
        auto *destination = arguments.template Pointer<UInt8>();
        if (remaining < 1) return kLibSizeErr;
        if (destination != nullptr) *destination = at[0];
        take(1);
        break;
      }
      case 'h': {
        auto *destination = arguments.template Pointer<UInt16>();
        if (remaining < 2) return kLibSizeErr;
        if (destination != nullptr) *destination = UInt16(ReadBigEndian(at, 2));
        take(2);
        break;
      }
      case 'w': {
        auto *destination = arguments.template Pointer<UInt32>();
        if (remaining < 4) return kLibSizeErr;
        if (destination != nullptr) *destination = ReadBigEndian(at, 4);
        take(4);
        break;
      }
      case 'i': {
        UInt32 size = UInt32(arguments.Int());
        auto *destination = arguments.template Pointer<UInt32>();
        if (remaining < size) return kLibSizeErr;
        if (destination != nullptr) *destination = size >= 1 && size <= 4 ? ReadBigEndian(at, size) : 0;
        take(size);
        break;
      }
      case 'n': {
        UInt32 count = arguments.Unsigned();
        auto *destination = arguments.template Pointer<const UInt8 *>();
        if (remaining < count) return kLibSizeErr;
        if (destination != nullptr) *destination = at;
        take(count);
        break;
      }
      case 's': {
        auto *destination = arguments.template Pointer<const char *>();
        auto *lengthDestination = arguments.template Pointer<UInt32>();
        const void *zero = remaining > 0 ? std::memchr(at, 0, remaining) : nullptr;
        if (zero == nullptr) return kLibSizeErr;
        UInt32 length = UInt32(static_cast<const UInt8 *>(zero) - at);
        if (destination != nullptr) *destination = reinterpret_cast<const char *>(at);
        if (lengthDestination != nullptr) *lengthDestination = length;
        take(length + 1);
        break;
      }
      default:
        return kLibUnsupportedLetterErr;
    }
  }
  return noErr;
}

}  // namespace vigil::memory
