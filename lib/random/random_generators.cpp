// The small generators: linear congruential, shift register, hashed counter and
// Park-Miller.
#include <cmath>

#include "lib/random/random_generators.h"

namespace {

UInt32 gStandardRandomSeed = 0;
UInt32 gShift32RandomSeed = 0;
UInt32 gHashRandomSeed = 0;
UInt32 gHashRandomIndex = 0;
UInt32 gHashRandomReps = 0;
SInt32 gParkMillerRandomSeed = 0;

constexpr UInt32 kHashRounds = 20;
constexpr UInt32 xorMix1[kHashRounds] = {
    0xBAA96887, 0x1E17D32C, 0x03BCDC3C, 0x0F33D1B2, 0x76A6491D, 0xC570D85D, 0xE382B1E3,
    0x78DB4362, 0x7439A9D4, 0x9CEA8AC5, 0x89537C5C, 0x2588F55D, 0x415B5E1D, 0x216E3D95,
    0x85C662E7, 0x5E8AB368, 0x3EA5CC8C, 0xD26A0F74, 0xF3A9222B, 0x48AAD7E4};
constexpr UInt32 xorMix2[kHashRounds] = {
    0x4B0F3B58, 0xE874F0C3, 0x6955C5A6, 0x55A7CA46, 0x4D9A9D86, 0xFE28A195, 0xB1CA7865,
    0x6B235751, 0x9A997A61, 0xAA6E95C8, 0xAAA98EE1, 0x5AF9154C, 0xFC8E2263, 0x390F5E8C,
    0x58FFD802, 0xAC0A5EBA, 0xAC4874F6, 0xA9DF0913, 0x86BE4C74, 0xED2C123B};

constexpr SInt64 kParkMillerModulus = 2147483647;
constexpr SInt64 kParkMillerMultiplier = 16807;

}  // namespace

extern "C" {

void StandardRandomInit(UInt32 seed) { gStandardRandomSeed = seed; }

UInt32 StandardRandom(void) {
  UInt64 product = UInt64(gStandardRandomSeed) * 1103515245u + 12345u;
  gStandardRandomSeed = UInt32(product);
  return UInt32(product >> 16);
}

void Shift32RandomInit(UInt32 seed) { gShift32RandomSeed = seed; }

UInt32 Shift32Random(void) {
  UInt32 s = gShift32RandomSeed;
  for (int i = 0; i < 32; ++i) {
    UInt32 feedback = (s ^ s >> 1 ^ s >> 2 ^ s >> 3 ^ s >> 5 ^ s >> 7) & 1;
    UInt32 rotated = (s >> 1) | (s << 31);
    s = (rotated & ~1u) | feedback;
  }
  gShift32RandomSeed = s;
  return s;
}

void HashRandomInit(UInt32 seed, UInt32 startingCounter, UInt32 rounds) {
  gHashRandomSeed = seed;
  gHashRandomIndex = startingCounter;
  gHashRandomReps = rounds;
}

UInt32 HashRandom(void) {
  UInt32 left = gHashRandomSeed;
  UInt32 right = gHashRandomIndex++;
  // Rounds past the tables' length are not defined; they count as the last one.
  UInt32 rounds = gHashRandomReps < kHashRounds ? gHashRandomReps : kHashRounds;
  for (UInt32 i = 0; i < rounds; ++i) {
    UInt32 x = right ^ xorMix1[i];
    UInt32 lo = x & 0xFFFF;
    UInt32 hi = x >> 16;
    UInt32 y = lo * lo + ~(hi * hi);
    UInt32 t = (((y >> 16) | (y << 16)) ^ xorMix2[i]) + lo * hi;
    UInt32 newRight = left ^ t;
    left = right;
    right = newRight;
  }
  return right;
}

void ParkMillerRandomInit(SInt32 seed) { gParkMillerRandomSeed = seed; }

SInt32 ParkMillerRandomInteger(void) {
  gParkMillerRandomSeed = SInt32((SInt64(gParkMillerRandomSeed) * kParkMillerMultiplier) % kParkMillerModulus);
  return gParkMillerRandomSeed;
}

SInt32 ParkMillerRandomFloat(void) {
  double x = double(gParkMillerRandomSeed) * double(kParkMillerMultiplier);
  double modulus = double(kParkMillerModulus);
  gParkMillerRandomSeed = SInt32(x - std::floor(x / modulus) * modulus);
  return gParkMillerRandomSeed;
}

}  // extern "C"
