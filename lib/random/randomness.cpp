#include "lib/random/randomness.h"

#include <cmath>
#include <cstdint>
#include <cstring>

#include "lib/memory/memory_blocks.h"
#include "platform/memory/pointers.h"

namespace {

constexpr UInt32 kCounters = 1u << 17;  // low halves, then high halves
constexpr UInt32 kDraws = 10u * 65536u;
constexpr double kSamples = 2.0 * kDraws;

}  // namespace

extern "C" {

double RandomNumberChiSquareTest(RandomSeedGenerator generator) {
  // Each counter is a byte that carries 256 into its 32-bit word when it wraps:
  // the inner loop touches one byte per half.
  Ptr area = NewPtrClear(Size(kCounters) * (sizeof(UInt32) + 1));
  if (area == nullptr || generator == nullptr) {
    DisposePtr(area);
    return 999999.0;
  }
  auto *words = reinterpret_cast<UInt32 *>(area);
  auto *bytes = reinterpret_cast<UInt8 *>(area) + kCounters * sizeof(UInt32);
  auto count = [&](UInt32 counter) {
    if (++bytes[counter] == 0) words[counter] += 256;
  };
  for (UInt32 i = 0; i < kDraws; ++i) {
    UInt32 value = generator();
    count(value & 0xFFFF);
    count(65536 + (value >> 16));
  }
  double sumOfSquares = 0;
  for (UInt32 i = 0; i < kCounters; ++i) {
    double n = double(words[i] + bytes[i]);
    sumOfSquares += n * n;
  }
  DisposePtr(area);
  double chiSquare = sumOfSquares * kCounters / kSamples - kSamples;
  return (chiSquare - kCounters) / (2.0 * std::sqrt(double(kCounters)));
}

void RandomizeBlock(UInt32 length, void *buffer) {
  R250RandomInit(nullptr);
  auto *at = static_cast<UInt8 *>(buffer);
  UInt8 *end = at + length;
  for (; at < end && reinterpret_cast<std::uintptr_t>(at) % 32 != 0; ++at) *at = R250Random8();
  for (; end - at >= 32; at += 32) {
    for (int i = 0; i < 8; ++i) {
      UInt32 r = R250Random();
      const UInt8 bigEndian[4] = {UInt8(r >> 24), UInt8(r >> 16), UInt8(r >> 8), UInt8(r)};
      std::memcpy(at + 4 * i, bigEndian, 4);
    }
  }
  for (; at < end; ++at) *at = R250Random8();
}

void Shuffle(void *array, UInt32 elementSize, UInt32 count) {
  R250RandomInit(nullptr);
  for (UInt32 i = 0; i < count; ++i) BlockSwapIndexed(array, elementSize, i, R250RandomRange(i, count - 1));
}

}  // extern "C"
