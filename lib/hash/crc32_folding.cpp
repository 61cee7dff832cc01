// CRC-32 by carry-less multiplication: the data is folded 16 bytes at a time into
// accumulators by multiplying with powers of x modulo the polynomial, and the
// last accumulator is finished with the table. Four 16-byte lanes (or four 64-byte
// lanes with the wide instructions) run side by side to hide the multiply latency.
#include "lib/hash/crc32_paths.hpp"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace vigil::hash {
namespace {

constexpr UInt32 Reflect32(UInt32 value) {
  UInt32 result = 0;
  for (int bit = 0; bit < 32; ++bit) result |= ((value >> bit) & 1) << (31 - bit);
  return result;
}

// x^n modulo the CRC-32 polynomial, bit-reflected and shifted left by one, as the
// reflected carry-less product needs it.
constexpr UInt64 FoldConstant(int n) {
  UInt64 remainder = 1;
  for (int i = 0; i < n; ++i) {
    remainder <<= 1;
    if (remainder & (UInt64{1} << 32)) remainder ^= 0x104C11DB7;
  }
  return UInt64(Reflect32(UInt32(remainder))) << 1;
}

// The multipliers that move a 16-byte block forward by `bits`: for its low and
// its high 64 bits.
struct FoldConstants {
  UInt64 low, high;
};
constexpr FoldConstants ForDistance(int bits) { return {FoldConstant(bits + 32), FoldConstant(bits - 32)}; }

constexpr FoldConstants kBy128 = ForDistance(128);
constexpr FoldConstants kBy512 = ForDistance(512);
constexpr FoldConstants kBy2048 = ForDistance(2048);
static_assert(kBy512.low == 0x154442BD4 && kBy512.high == 0x1C6E41596);

}  // namespace

#if defined(__x86_64__)

namespace {

#define VIGIL_CLMUL __attribute__((target("pclmul,sse4.1")))
#define VIGIL_WIDE_CLMUL __attribute__((target("avx512f,avx512vl,vpclmulqdq,pclmul,sse4.1")))

VIGIL_CLMUL inline __m128i Constants(FoldConstants k) { return _mm_set_epi64x(SInt64(k.high), SInt64(k.low)); }

VIGIL_CLMUL inline __m128i Fold(__m128i x, __m128i k, __m128i next) {
  return _mm_xor_si128(_mm_xor_si128(_mm_clmulepi64_si128(x, k, 0x00), _mm_clmulepi64_si128(x, k, 0x11)), next);
}

VIGIL_CLMUL inline __m128i Load(const UInt8 *data) { return _mm_loadu_si128(reinterpret_cast<const __m128i *>(data)); }

// Folds the remaining whole blocks into x, then finishes x and the tail by table.
VIGIL_CLMUL UInt32 Finish(__m128i x, const UInt8 *data, std::size_t length) {
  __m128i k = Constants(kBy128);
  for (; length >= 16; data += 16, length -= 16) x = Fold(x, k, Load(data));
  alignas(16) UInt8 folded[16];
  _mm_store_si128(reinterpret_cast<__m128i *>(folded), x);
  return Crc32Sliced(Crc32Sliced(0, folded, 16), data, length);
}

VIGIL_WIDE_CLMUL inline __m512i Fold(__m512i x, __m512i k, __m512i next) {
  return _mm512_ternarylogic_epi64(_mm512_clmulepi64_epi128(x, k, 0x00), _mm512_clmulepi64_epi128(x, k, 0x11), next,
                                   0x96);
}

VIGIL_WIDE_CLMUL inline __m512i Constants512(FoldConstants k) {
  auto low = SInt64(k.low), high = SInt64(k.high);
  return _mm512_set_epi64(high, low, high, low, high, low, high, low);
}

VIGIL_WIDE_CLMUL inline __m512i Load512(const UInt8 *data) { return _mm512_loadu_si512(data); }

}  // namespace

bool HasCarrylessMultiply() { return __builtin_cpu_supports("pclmul") && __builtin_cpu_supports("sse4.1"); }

bool HasWideCarrylessMultiply() {
  return HasCarrylessMultiply() && __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl") &&
         __builtin_cpu_supports("vpclmulqdq");
}

VIGIL_CLMUL UInt32 Crc32Folded128(UInt32 reg, const UInt8 *data, std::size_t length) {
  if (length < 64) return Crc32Sliced(reg, data, length);
  __m128i x0 = _mm_xor_si128(Load(data), _mm_cvtsi32_si128(int(reg)));
  __m128i x1 = Load(data + 16), x2 = Load(data + 32), x3 = Load(data + 48);
  data += 64;
  length -= 64;
  __m128i k = Constants(kBy512);
  for (; length >= 64; data += 64, length -= 64) {
    x0 = Fold(x0, k, Load(data));
    x1 = Fold(x1, k, Load(data + 16));
    x2 = Fold(x2, k, Load(data + 32));
    x3 = Fold(x3, k, Load(data + 48));
  }
  k = Constants(kBy128);
  __m128i x = Fold(Fold(Fold(x0, k, x1), k, x2), k, x3);
  return Finish(x, data, length);
}

VIGIL_WIDE_CLMUL UInt32 Crc32Folded512(UInt32 reg, const UInt8 *data, std::size_t length) {
  if (length < 256) return Crc32Folded128(reg, data, length);
  __m512i start = _mm512_zextsi128_si512(_mm_cvtsi32_si128(int(reg)));
  __m512i z0 = _mm512_xor_si512(Load512(data), start);
  __m512i z1 = Load512(data + 64), z2 = Load512(data + 128), z3 = Load512(data + 192);
  data += 256;
  length -= 256;
  __m512i k = Constants512(kBy2048);
  for (; length >= 256; data += 256, length -= 256) {
    z0 = Fold(z0, k, Load512(data));
    z1 = Fold(z1, k, Load512(data + 64));
    z2 = Fold(z2, k, Load512(data + 128));
    z3 = Fold(z3, k, Load512(data + 192));
  }
  k = Constants512(kBy512);
  __m512i z = Fold(Fold(Fold(z0, k, z1), k, z2), k, z3);
  for (; length >= 64; data += 64, length -= 64) z = Fold(z, k, Load512(data));
  alignas(64) __m128i lanes[4];
  _mm512_store_si512(lanes, z);
  __m128i k128 = Constants(kBy128);
  __m128i x = Fold(Fold(Fold(lanes[0], k128, lanes[1]), k128, lanes[2]), k128, lanes[3]);
  return Finish(x, data, length);
}

#else

// Without these instructions the sliced table serves.
bool HasCarrylessMultiply() { return false; }
bool HasWideCarrylessMultiply() { return false; }
UInt32 Crc32Folded128(UInt32 reg, const UInt8 *data, std::size_t length) { return Crc32Sliced(reg, data, length); }
UInt32 Crc32Folded512(UInt32 reg, const UInt8 *data, std::size_t length) { return Crc32Sliced(reg, data, length); }

#endif

}  // namespace vigil::hash
