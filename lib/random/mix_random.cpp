// Three XOR feedback rings of 32, 31 and 29 words mixed together. Each ring is
// stored twice in a row so that every tap is read without reducing its index.
#include <array>

#include "lib/random/random_generators.h"
#include "lib/random/seed_generator.hpp"

namespace {

template <int Length>
struct Ring {
  std::array<UInt32, 2 * Length> words{};
  int position = 0;

  void Set(int index, UInt32 value) {
    words[index] = value;
    words[index + Length] = value;
  }
  void Advance() { position = position + 1 == Length ? 0 : position + 1; }
  UInt32 At(int offset) const { return words[position + offset]; }
};

struct MixRandomSeeds {
  Ring<32> a;
  Ring<31> b;
  Ring<29> c;
};
MixRandomSeeds gMixRandomSeeds;

// A generator that never gives independent columns would keep a fill going for
// ever; after this many tries the last fill is kept.
constexpr int kMostFills = 64;

template <int Length>
void Fill(Ring<Length> &ring, RandomSeedGenerator generator) {
  for (int attempt = 0; attempt < kMostFills; ++attempt) {
    for (int i = 0; i < Length; ++i) ring.Set(i, generator());
    if (MixRandomCheckBitColumns(ring.words.data(), Length)) return;
  }
}

}  // namespace

extern "C" {

Boolean MixRandomCheckBitColumns(const UInt32 *words, SInt32 count) {
  if (count <= 0 || words == nullptr) return 0;
  // Column k as a bit string over the words; compare columns two at a time.
  UInt32 anyOne = 0;
  for (SInt32 i = 0; i < count; ++i) anyOne |= words[i];
  if (anyOne != 0xFFFFFFFFu) return 0;
  for (int first = 0; first < 32; ++first) {
    for (int second = first + 1; second < 32; ++second) {
      bool equal = true;
      for (SInt32 i = 0; i < count && equal; ++i) equal = ((words[i] >> first) & 1) == ((words[i] >> second) & 1);
      if (equal) return 0;
    }
  }
  return 1;
}

void MixRandomInit(RandomSeedGenerator generator) {
  generator = vigil::random::ResolveSeedGenerator(generator);
  gMixRandomSeeds.a.position = gMixRandomSeeds.b.position = gMixRandomSeeds.c.position = 0;
  Fill(gMixRandomSeeds.a, generator);
  Fill(gMixRandomSeeds.b, generator);
  Fill(gMixRandomSeeds.c, generator);
}

UInt32 MixRandom(void) {
  auto &[a, b, c] = gMixRandomSeeds;
  a.Advance();
  b.Advance();
  c.Advance();
  UInt32 v = a.At(0) ^ a.At(1) ^ a.At(2) ^ a.At(4) ^ a.At(6) ^ a.At(31);
  a.Set(a.position, v);
  UInt32 w = b.At(2) ^ b.At(30);
  b.Set(b.position, w);
  UInt32 u = c.At(1) ^ c.At(28);
  c.Set(c.position, u);
  return v ^ w ^ u;
}

}  // extern "C"
