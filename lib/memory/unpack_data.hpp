// The walk of UnpackData over a record in either byte order, for any source of
// arguments. It never reads past dataLength bytes nor stores past a capacity.
#pragma once

#include "lib/memory/byte_order_items.hpp"
#include "lib/memory/memory_blocks.h"

namespace vigil::memory {

template <typename Arguments>
SInt32 UnpackDataItems(UInt32 dataLength, const UInt8 *data, const char *format, Arguments &arguments) {
  if (format == nullptr || (data == nullptr && dataLength > 0)) return -1;
  const UInt8 *at = data;
  UInt32 remaining = dataLength;
  auto take = [&](UInt32 size) {
    at += size;
    remaining -= size;
  };
  for (const char *letter = format; *letter != 0; ++letter) {
    if (IntegerLetter integer = IntegerItem(*letter); integer.size != 0) {
      void *destination = arguments.template Pointer<void>();
      if (destination == nullptr || remaining < integer.size) return -1;
      UInt32 value = 0;
      for (UInt32 i = 0; i < integer.size; ++i) {
        UInt32 byte = at[integer.littleEndian ? integer.size - 1 - i : i];
        value = value << 8 | byte;
      }
      if (integer.size == 1)
        *static_cast<UInt8 *>(destination) = UInt8(value);
      else if (integer.size == 2)
        *static_cast<UInt16 *>(destination) = UInt16(value);
      else
        *static_cast<UInt32 *>(destination) = value;
      take(integer.size);
      continue;
    }
    if (RunLetter run = RunItem(*letter); run.size != 0) {
      auto *destination = arguments.template Pointer<UInt8>();
      if (destination == nullptr || remaining < run.size) return -1;
      CopyRun(destination, at, run.size, run.reversed);
      take(run.size);
      continue;
    }
    switch (*letter) {
      case 'n':
      case 'N':
      case 'l': {
        UInt32 count = arguments.Unsigned();
        auto *destination = arguments.template Pointer<UInt8>();
        if ((destination == nullptr && count > 0) || remaining < count) return -1;
        CopyRun(destination, at, count, *letter == 'N');
        if (*letter == 'l') Latin1ToMacText(destination, count);
        take(count);
        break;
      }
      case 's': {
        UInt32 capacity = arguments.Unsigned();
        auto *destination = arguments.template Pointer<UInt8>();
        if ((destination == nullptr && capacity > 0) || remaining == 0) return -1;
        UInt32 length = 0;  // bytes up to and including the zero
        while (length < remaining && at[length] != 0) ++length;
        if (length == remaining) return -1;  // no zero before the end of the data
        ++length;
        if (capacity > 0) std::memcpy(destination, at, length < capacity ? length : capacity);
        take(length);
        break;
      }
      case 'S': {
        UInt32 fieldLength = arguments.Unsigned();
        UInt32 capacity = arguments.Unsigned();
        auto *destination = arguments.template Pointer<UInt8>();
        // A field longer than the data left fails, as the counted items do.
        if ((destination == nullptr && capacity > 0) || remaining < fieldLength) return -1;
        if (capacity > 0) {
          UInt32 stored = 0;
          while (stored < fieldLength && stored < capacity - 1 && at[stored] != 0) {
            destination[stored] = at[stored];
            ++stored;
          }
          destination[stored] = 0;
        }
        take(fieldLength);
        break;
      }
      case 'p': {
        UInt32 capacity = arguments.Unsigned();
        auto *destination = arguments.template Pointer<UInt8>();
        if ((destination == nullptr && capacity > 0) || remaining == 0) return -1;
        UInt32 length = at[0];
        if (remaining - 1 < length) return -1;
        if (capacity > 0) {
          UInt32 kept = length < capacity - 1 ? length : capacity - 1;
          destination[0] = UInt8(kept);
          if (kept > 0) std::memcpy(destination + 1, at + 1, kept);
        }
        take(1 + length);
        break;
      }
      default:
        return -1;
    }
  }
  return SInt32(at - data);
}

}  // namespace vigil::memory
