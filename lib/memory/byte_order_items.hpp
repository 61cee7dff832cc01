// What the letters of the byte-order packing language mean, shared by both walks.
#pragma once

#include <cstring>

#include "platform/core/base_types.h"

namespace vigil::memory {

// Bytes of an integer letter and whether it is little-endian; 0 for other letters.
struct IntegerLetter {
  UInt32 size;
  bool littleEndian;
};

inline IntegerLetter IntegerItem(char letter) {
  switch (letter) {
    case 'b': return {1, false};
    case 'h': return {2, false};
    case 'H': return {2, true};
    case 't': return {3, false};
    case 'T': return {3, true};
    case 'w': return {4, false};
    case 'W': return {4, true};
    default: return {0, false};
  }
}

// Bytes of a fixed-size run letter: digits copy, the shifted digits 2 to 9 of a
// US keyboard reverse; 0 for other letters.
struct RunLetter {
  UInt32 size;
  bool reversed;
};

inline RunLetter RunItem(char letter) {
  if (letter >= '1' && letter <= '9') return {UInt32(letter - '0'), false};
  const char *reversing = std::strchr("@#$%^&*(", letter);
  if (letter != 0 && reversing != nullptr) return {UInt32(reversing - "@#$%^&*(") + 2, true};
  return {0, false};
}

inline void CopyRun(UInt8 *out, const UInt8 *in, UInt32 count, bool reversed) {
  if (!reversed) {
    if (count > 0) std::memcpy(out, in, count);
    return;
  }
  for (UInt32 i = 0; i < count; ++i) out[i] = in[count - 1 - i];
}

}  // namespace vigil::memory
