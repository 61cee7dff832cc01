// Helpers shared by the Pascal and C string routines.
#ifndef VIGIL_LIB_STRINGS_PASCAL_STRING_HPP
#define VIGIL_LIB_STRINGS_PASCAL_STRING_HPP

#include <cstring>

#include "platform/core/base_types.h"

namespace vigil::strings {

inline constexpr UInt32 kMaxPascalLength = 255;

// Bytes before the terminator, reading at most max bytes.
inline UInt32 BoundedLength(const char *str, UInt32 max) {
  if (max == 0) return 0;
  const void *end = std::memchr(str, 0, max);
  return end ? static_cast<UInt32>(static_cast<const char *>(end) - str) : max;
}

}  // namespace vigil::strings

#endif
