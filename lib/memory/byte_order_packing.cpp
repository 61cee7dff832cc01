#include "lib/memory/byte_order_packing.h"

#include <cstring>

#include "lib/memory/byte_order_items.hpp"
#include "lib/memory/memory_blocks.h"
#include "lib/memory/packing_arguments.hpp"
#include "lib/memory/unpack_data.hpp"

using vigil::memory::VaListArguments;

extern "C" {

SInt32 PackDataList(void *buffer, const char *format, va_list argumentList) {
  if (buffer == nullptr || format == nullptr) return -1;
  VaListArguments arguments(argumentList);
  UInt8 *const start = static_cast<UInt8 *>(buffer);
  UInt8 *at = start;
  for (const char *letter = format; *letter != 0; ++letter) {
    if (auto integer = vigil::memory::IntegerItem(*letter); integer.size != 0) {
      UInt32 value = integer.size == 4 ? arguments.Unsigned() : UInt32(arguments.Int());
      for (UInt32 i = 0; i < integer.size; ++i) {
        UInt32 shift = 8 * (integer.littleEndian ? i : integer.size - 1 - i);
        at[i] = UInt8(value >> shift);
      }
      at += integer.size;
      continue;
    }
    if (auto run = vigil::memory::RunItem(*letter); run.size != 0) {
      const auto *source = arguments.Pointer<const UInt8>();
      if (source == nullptr) return -1;
      vigil::memory::CopyRun(at, source, run.size, run.reversed);
      at += run.size;
      continue;
    }
    switch (*letter) {
      case 'n':
      case 'N':
      case 'l': {
        UInt32 count = arguments.Unsigned();
        const auto *source = arguments.Pointer<const UInt8>();
        if (source == nullptr && count > 0) return -1;
        vigil::memory::CopyRun(at, source, count, *letter == 'N');
        if (*letter == 'l') MacToLatin1Text(at, count);
        at += count;
        break;
      }
      case 's': {
        const char *string = arguments.Pointer<const char>();
        if (string == nullptr) return -1;
        std::size_t length = std::strlen(string) + 1;
        std::memcpy(at, string, length);
        at += length;
        break;
      }
      case 'p': {
        const auto *pascal = arguments.Pointer<const UInt8>();
        if (pascal == nullptr) return -1;
        std::memcpy(at, pascal, 1 + std::size_t(pascal[0]));
        at += 1 + pascal[0];
        break;
      }
      default:  // 'S' too: a fixed-width field is only read
        return -1;
    }
  }
  return SInt32(at - start);
}

SInt32 PackData(void *buffer, const char *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  SInt32 result = PackDataList(buffer, format, arguments);
  va_end(arguments);
  return result;
}

SInt32 UnpackDataList(UInt32 dataLength, const void *data, const char *format, va_list argumentList) {
  VaListArguments arguments(argumentList);
  return vigil::memory::UnpackDataItems(dataLength, static_cast<const UInt8 *>(data), format, arguments);
}

SInt32 UnpackData(UInt32 dataLength, const void *data, const char *format, ...) {
  va_list arguments;
  va_start(arguments, format);
  SInt32 result = UnpackDataList(dataLength, data, format, arguments);
  va_end(arguments);
  return result;
}

}  // extern "C"
