#include "lib/random/randomness.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <cstdint>
#include <numeric>
#include <string>
#include <vector>

#include "lib/random/fresh_process.hpp"
#include "platform/memory/zone_limit.hpp"
#include "platform/memory/zones.h"

namespace {

using vigil::random::RunInFreshProcess;

UInt32 AlwaysZero() { return 0; }

UInt32 CountingUp() {
  static UInt32 n = 0;
  return n++;
}

TEST(ChiSquare, GoodAndBadGenerators) {
  EXPECT_NEAR(RandomNumberChiSquareTest(AlwaysZero), (85898035200.0 - 131072) / (2 * std::sqrt(131072.0)), 1.0);
  StandardRandomInit(12345);
  MixRandomInit(StandardRandom);
  EXPECT_LT(std::abs(RandomNumberChiSquareTest(MixRandom)), 6.0);
  // A counter covers every low half ten times over and the high halves barely:
  // uniform below, lopsided above.
  EXPECT_GT(RandomNumberChiSquareTest(CountingUp), 1000.0);
}

TEST(ChiSquare, NoWorkAreaGives999999) {
  vigil::platform::ScopedZoneLimit limit(ApplicationZone(), 655359);
  EXPECT_EQ(RandomNumberChiSquareTest(AlwaysZero), 999999.0);
}

// A deterministic seed generator for R250 in a fresh process.
UInt32 SeededStandardRandom() { return StandardRandom(); }

TEST(RandomizeBlock, DrawsBytesAtTheEndsAndWordsBetween) {
  std::string output = RunInFreshProcess([] {
    StandardRandomInit(1);
    R250RandomInit(SeededStandardRandom);
    alignas(32) UInt8 area[160] = {};
    RandomizeBlock(0, area + 4);
    UInt8 *start = area + 4;  // 4 past a multiple of 32
    RandomizeBlock(100, start);
    std::string bytes(reinterpret_cast<char *>(area), sizeof area);
    return bytes;
  });
  std::string expected = RunInFreshProcess([] {
    StandardRandomInit(1);
    R250RandomInit(SeededStandardRandom);
    std::string bytes(160, '\0');
    for (int i = 0; i < 28; ++i) bytes[4 + i] = char(R250Random8());
    for (int i = 0; i < 16; ++i) {
      UInt32 r = R250Random();
      for (int b = 0; b < 4; ++b) bytes[32 + 4 * i + b] = char(r >> (24 - 8 * b));
    }
    for (int i = 0; i < 8; ++i) bytes[96 + i] = char(R250Random8());
    return bytes;
  });
  ASSERT_EQ(output.size(), 160u);
  EXPECT_EQ(output, expected);
}

TEST(Shuffle, GivesAPermutationRepeatablyFromTheSameSeed) {
  auto shuffled = [] {
    StandardRandomInit(42);
    R250RandomInit(SeededStandardRandom);
    std::vector<UInt16> values(500);
    std::iota(values.begin(), values.end(), UInt16(0));
    Shuffle(values.data(), sizeof(UInt16), UInt32(values.size()));
    return std::string(reinterpret_cast<char *>(values.data()), values.size() * 2);
  };
  std::string first = RunInFreshProcess(shuffled);
  EXPECT_EQ(first, RunInFreshProcess(shuffled));
  std::vector<UInt16> values(500);
  ASSERT_EQ(first.size(), 1000u);
  std::memcpy(values.data(), first.data(), 1000);
  std::vector<UInt16> sorted = values;
  std::sort(sorted.begin(), sorted.end());
  std::vector<UInt16> identity(500);
  std::iota(identity.begin(), identity.end(), UInt16(0));
  EXPECT_EQ(sorted, identity);
  EXPECT_NE(values, identity);

  UInt32 one = 7;
  Shuffle(&one, 4, 1);
  EXPECT_EQ(one, 7u);
  Shuffle(nullptr, 4, 0);
}

}  // namespace
