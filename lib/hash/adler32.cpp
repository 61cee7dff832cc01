#include "lib/hash/checksums.h"

namespace {

constexpr UInt32 kModulus = 65521;
constexpr UInt32 kLargestBlock = 5552;  // the most bytes whose sums fit 32 bits between reductions

}  // namespace

extern "C" {

UInt32 Adler32(UInt32 adler, UInt32 blockSize, const void *data, UInt32 length) {
  if (data == nullptr || length == 0) return adler;
  // Larger blocks would overflow the sums and change the result.
  if (blockSize == 0 || blockSize > kLargestBlock) blockSize = kLargestBlock;
  const UInt8 *bytes = static_cast<const UInt8 *>(data);
  UInt32 s1 = adler & 0xFFFF;
  UInt32 s2 = adler >> 16;
  while (length > 0) {
    UInt32 n = length < blockSize ? length : blockSize;
    length -= n;
    for (; n >= 16; n -= 16, bytes += 16) {
      for (int i = 0; i < 16; ++i) {
        s1 += bytes[i];
        s2 += s1;
      }
    }
    for (; n > 0; --n, ++bytes) {
      s1 += *bytes;
      s2 += s1;
    }
    s1 %= kModulus;
    s2 %= kModulus;
  }
  return s2 << 16 | s1;
}

}  // extern "C"
