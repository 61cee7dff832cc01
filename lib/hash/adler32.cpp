#include "lib/hash/checksums.h"

#include "lib/hash/adler32_paths.hpp"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vigil::hash {
namespace {

constexpr UInt32 kModulus = 65521;
constexpr UInt32 kLargestBlock = 5552;  // the most bytes whose sums fit 32 bits between reductions

}  // namespace

UInt32 Adler32Scalar(UInt32 adler, UInt32 blockSize, const UInt8 *bytes, std::size_t length) {
  UInt32 s1 = adler & 0xFFFF;
  UInt32 s2 = adler >> 16;
  while (length > 0) {
    std::size_t n = length < blockSize ? length : blockSize;
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

#if defined(__x86_64__)

bool HasAdler32Vector() { return __builtin_cpu_supports("avx2"); }

namespace {

__attribute__((target("avx2"))) UInt64 Sum32BitLanes(__m256i v) {
  alignas(32) UInt32 lanes[8];
  _mm256_store_si256(reinterpret_cast<__m256i *>(lanes), v);
  UInt64 sum = 0;
  for (UInt32 lane : lanes) sum += lane;
  return sum;
}

}  // namespace

// 32 bytes a step: s1 gains the byte sum; s2 gains 32 times the s1 before the
// step plus the bytes weighted 32, 31, ... 1. Reduced at most every 5536 bytes.
__attribute__((target("avx2"))) UInt32 Adler32Vector(UInt32 adler, const UInt8 *bytes, std::size_t length) {
  UInt64 s1 = adler & 0xFFFF;
  UInt64 s2 = adler >> 16;
  const __m256i weights = _mm256_setr_epi8(32, 31, 30, 29, 28, 27, 26, 25, 24, 23, 22, 21, 20, 19, 18, 17, 16, 15,
                                           14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1);
  const __m256i ones = _mm256_set1_epi16(1);
  const __m256i zero = _mm256_setzero_si256();
  while (length >= 32) {
    std::size_t steps = (length < kLargestBlock ? length : kLargestBlock) / 32;
    __m256i sums = zero, weighted = zero, earlierSums = zero;
    for (std::size_t i = 0; i < steps; ++i, bytes += 32) {
      __m256i block = _mm256_loadu_si256(reinterpret_cast<const __m256i *>(bytes));
      earlierSums = _mm256_add_epi32(earlierSums, sums);
      sums = _mm256_add_epi32(sums, _mm256_sad_epu8(block, zero));
      weighted = _mm256_add_epi32(weighted, _mm256_madd_epi16(_mm256_maddubs_epi16(block, weights), ones));
    }
    length -= steps * 32;
    s2 = (s2 + 32 * steps * s1 + 32 * Sum32BitLanes(earlierSums) + Sum32BitLanes(weighted)) % kModulus;
    s1 = (s1 + Sum32BitLanes(sums)) % kModulus;
  }
  return Adler32Scalar(UInt32(s2 << 16 | s1), kLargestBlock, bytes, length);
}

#else

bool HasAdler32Vector() { return false; }
UInt32 Adler32Vector(UInt32 adler, const UInt8 *data, std::size_t length) {
  return Adler32Scalar(adler, 5552, data, length);
}

#endif

}  // namespace vigil::hash

extern "C" {

UInt32 Adler32(UInt32 adler, UInt32 blockSize, const void *data, UInt32 length) {
  if (data == nullptr || length == 0) return adler;
  const auto *bytes = static_cast<const UInt8 *>(data);
  // Where reductions happen never changes the result, only whether the sums
  // overflow; larger blocks than 5552 would, so they count as 5552.
  static const bool vector = vigil::hash::HasAdler32Vector();
  if (vector) return vigil::hash::Adler32Vector(adler, bytes, length);
  if (blockSize == 0 || blockSize > vigil::hash::kLargestBlock) blockSize = vigil::hash::kLargestBlock;
  return vigil::hash::Adler32Scalar(adler, blockSize, bytes, length);
}

}  // extern "C"
