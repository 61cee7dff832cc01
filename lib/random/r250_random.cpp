// R250: x(n) = x(n-250) XOR x(n-103) over a table of 250 words.
#include <array>

#include "lib/random/random_generators.h"
#include "lib/random/seed_generator.hpp"

namespace {

constexpr int kTableLength = 250;

// Advances a position without a division: entry i is (i + 1) mod 250.
constexpr std::array<UInt8, 256> MakeIncrementTable() {
  std::array<UInt8, 256> table{};
  for (int i = 0; i < kTableLength; ++i) table[i] = UInt8((i + 1) % kTableLength);
  return table;
}
constexpr std::array<UInt8, 256> gRandom250IncrementTable = MakeIncrementTable();

std::array<UInt32, kTableLength> gRandom250Table{};
UInt8 gRandom250Index1 = 0;
UInt8 gRandom250Index2 = 0;
UInt8 gRandom250Intialized = 0;

}  // namespace

extern "C" {

void R250RandomInit(RandomSeedGenerator generator) {
  if (gRandom250Intialized) return;
  generator = vigil::random::ResolveSeedGenerator(generator);
  gRandom250Index1 = 0;
  gRandom250Index2 = 103;
  for (int i = kTableLength - 1; i >= 0; --i) gRandom250Table[i] = generator();
  // Make 32 of the words linearly independent, so the sequence cannot collapse.
  for (int j = 0; j < 32; ++j) {
    int k = 7 * j + 3;
    gRandom250Table[k] = (gRandom250Table[k] & (0xFFFFFFFFu >> j)) | (0x80000000u >> j);
  }
  gRandom250Intialized = 1;
}

UInt32 R250Random(void) {
  UInt32 r = gRandom250Table[gRandom250Index1] ^ gRandom250Table[gRandom250Index2];
  gRandom250Table[gRandom250Index1] = r;
  gRandom250Index1 = gRandom250IncrementTable[gRandom250Index1];
  gRandom250Index2 = gRandom250IncrementTable[gRandom250Index2];
  return r;
}

UInt64 R250Random64(void) {
  UInt64 high = R250Random();
  return high << 32 | R250Random();
}

UInt16 R250Random16(void) {
  UInt32 r = R250Random();
  return UInt16((r >> 16) ^ (r & 0xFFFF));
}

UInt8 R250Random8(void) {
  UInt32 r = R250Random();
  return UInt8(r ^ r >> 8 ^ r >> 16 ^ r >> 24);
}

UInt32 R250RandomRange(UInt32 low, UInt32 high) {
  UInt32 span = high - low + 1;
  UInt32 r = R250Random();
  return span == 0 ? low + r : low + r % span;
}

}  // extern "C"
