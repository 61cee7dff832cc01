/* Bit fields, bit counts and bit reversal on 32- and 64-bit words. Bit fields are
 * addressed from the most significant bit: offset 0 is the top bit. */
#ifndef VIGIL_LIB_HASH_BITS_H
#define VIGIL_LIB_HASH_BITS_H

#include "platform/core/base_types.h"

#ifdef __cplusplus
extern "C" {
#endif

/* The count bits at offset, right-aligned. Bits past the end of the word are
 * not part of the field: a field is cut at bit 0. */
UInt32 GetBits(UInt32 value, UInt32 offset, UInt32 count);
/* value with the field replaced by the bits in the same positions of bits
 * (bits is not shifted); cut at bit 0 like GetBits. */
UInt32 SetBits(UInt32 value, UInt32 offset, UInt32 count, UInt32 bits);

UInt32 CountBits(UInt32 value);
UInt32 CountBits2(UInt32 value);
UInt32 CountBits64(UInt64 value);
/* Zero bits above the highest 1 / below the lowest 1; 32 for a value of 0. */
UInt32 CountLeadingZeroBits(UInt32 value);
UInt32 CountTrailingZeroBits(UInt32 value);

UInt8 ReverseBits8(UInt32 value);
UInt16 ReverseBits16(UInt32 value);
UInt32 ReverseBits32(UInt32 value);
UInt64 ReverseBits64(UInt64 value);

#ifdef __cplusplus
}
#endif

#endif
