#include "lib/hash/bits.h"

namespace {

// The mask of a field, cut at bit 0; empty for a count of 0 or an offset past 31.
UInt32 FieldMask(UInt32 offset, UInt32 count) {
  if (count == 0 || offset >= 32) return 0;
  UInt32 width = count < 32 - offset ? count : 32 - offset;
  UInt32 low = width == 32 ? 0xFFFFFFFFu : (1u << width) - 1;
  return low << (32 - offset - width);
}

template <typename Word>
Word ReverseLowBits(Word value, int width) {
  Word result = 0;
  for (int i = 0; i < width; ++i) {
    result = Word(result << 1) | (value & 1);
    value >>= 1;
  }
  return result;
}

}  // namespace

extern "C" {

UInt32 GetBits(UInt32 value, UInt32 offset, UInt32 count) {
  UInt32 mask = FieldMask(offset, count);
  if (mask == 0) return 0;
  UInt32 width = count < 32 - offset ? count : 32 - offset;
  return (value & mask) >> (32 - offset - width);
}

UInt32 SetBits(UInt32 value, UInt32 offset, UInt32 count, UInt32 bits) {
  UInt32 mask = FieldMask(offset, count);
  return (value & ~mask) | (bits & mask);
}

UInt32 CountBits(UInt32 value) {
  UInt32 count = 0;
  for (; value != 0; value &= value - 1) ++count;
  return count;
}

UInt32 CountBits2(UInt32 value) {
  value = value - ((value >> 1) & 0x55555555);
  value = (value & 0x33333333) + ((value >> 2) & 0x33333333);
  value = (value + (value >> 4)) & 0x0F0F0F0F;
  return (value * 0x01010101) >> 24;
}

UInt32 CountBits64(UInt64 value) {
  UInt32 count = 0;
  for (; value != 0; value &= value - 1) ++count;
  return count;
}

UInt32 CountLeadingZeroBits(UInt32 value) { return value == 0 ? 32 : UInt32(__builtin_clz(value)); }

UInt32 CountTrailingZeroBits(UInt32 value) { return value == 0 ? 32 : UInt32(__builtin_ctz(value)); }

UInt8 ReverseBits8(UInt32 value) { return UInt8(ReverseLowBits<UInt32>(value, 8)); }
UInt16 ReverseBits16(UInt32 value) { return UInt16(ReverseLowBits<UInt32>(value, 16)); }
UInt32 ReverseBits32(UInt32 value) { return ReverseLowBits<UInt32>(value, 32); }
UInt64 ReverseBits64(UInt64 value) { return ReverseLowBits<UInt64>(value, 64); }

}  // extern "C"
