#include "lib/random/random_generators.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lib/random/fresh_process.hpp"

namespace {

using vigil::random::RunInFreshProcess;

template <typename Draw>
std::vector<UInt64> Draws(Draw draw, int count) {
  std::vector<UInt64> values;
  for (int i = 0; i < count; ++i) values.push_back(draw());
  return values;
}

std::string Hex(const std::vector<UInt64> &values) {
  std::string text;
  char buffer[24];
  for (UInt64 v : values) {
    std::snprintf(buffer, sizeof buffer, "%llX ", static_cast<unsigned long long>(v));
    text += buffer;
  }
  return text;
}

TEST(StandardRandom, KnownSequence) {
  StandardRandomInit(1);
  EXPECT_EQ(Draws(StandardRandom, 3), (std::vector<UInt64>{16838, 1507104382, 3204589441}));
  StandardRandomInit(0);
  EXPECT_EQ(StandardRandom(), 0u);
}

TEST(Shift32Random, KnownSequenceAndTheZeroSeed) {
  Shift32RandomInit(1);
  EXPECT_EQ(Draws(Shift32Random, 2), (std::vector<UInt64>{0x3BFFFFFF, 0xA5655555}));
  Shift32RandomInit(0);
  EXPECT_EQ(Shift32Random(), 0u);
}

TEST(HashRandom, KnownSequenceAndTheCounter) {
  HashRandomInit(1, 1, 4);
  EXPECT_EQ(Draws(HashRandom, 2), (std::vector<UInt64>{0x509C0C23, 0x161A6415}));
  HashRandomInit(7, 10, 0);
  EXPECT_EQ(Draws(HashRandom, 3), (std::vector<UInt64>{10, 11, 12}));
  HashRandomInit(1, 1, 20);
  UInt32 twenty = HashRandom();
  HashRandomInit(1, 1, 1000);  // past the defined rounds: as many as there are
  EXPECT_EQ(HashRandom(), twenty);
}

TEST(MixRandom, KnownSequenceFromASeededGenerator) {
  StandardRandomInit(1);
  MixRandomInit(StandardRandom);
  EXPECT_EQ(Draws(MixRandom, 3), (std::vector<UInt64>{0x7AA3B6B6, 0x9309440B, 0x0421CC15}));
}

UInt32 AlwaysZero() { return 0; }

TEST(MixRandom, ADegenerateSeedGeneratorStillEnds) {
  MixRandomInit(AlwaysZero);
  EXPECT_EQ(MixRandom(), 0u);
  MixRandomInit(nullptr);  // from the clock
  EXPECT_NE(Draws(MixRandom, 4), std::vector<UInt64>(4, 0));
}

TEST(MixRandom, BitColumnCheck) {
  std::vector<UInt32> allOnes(32, 0xFFFFFFFF);
  EXPECT_FALSE(MixRandomCheckBitColumns(allOnes.data(), 32));
  std::vector<UInt32> diagonal;
  for (int i = 0; i < 32; ++i) diagonal.push_back(1u << i);
  EXPECT_TRUE(MixRandomCheckBitColumns(diagonal.data(), 32));
  diagonal[5] = 0;  // column 5 empty
  EXPECT_FALSE(MixRandomCheckBitColumns(diagonal.data(), 32));
  EXPECT_FALSE(MixRandomCheckBitColumns(diagonal.data(), 0));
  EXPECT_FALSE(MixRandomCheckBitColumns(diagonal.data(), -1));
}

TEST(R250Random, KnownSequenceAndOnlyTheFirstInitCounts) {
  std::string output = RunInFreshProcess([] {
    EXPECT_EQ(R250Random(), 0u);  // before any init
    StandardRandomInit(1);
    R250RandomInit(StandardRandom);
    std::vector<UInt64> first = Draws(R250Random, 3);
    StandardRandomInit(99);
    R250RandomInit(StandardRandom);  // changes nothing
    return Hex(first) + Hex(Draws(R250Random, 1));
  });
  std::string expected = "2EA21C16 C1104F5D 6CEE88CA ";
  EXPECT_EQ(output.substr(0, expected.size()), expected);
  std::string continued = RunInFreshProcess([] {
    StandardRandomInit(1);
    R250RandomInit(StandardRandom);
    Draws(R250Random, 3);
    return Hex(Draws(R250Random, 1));
  });
  EXPECT_EQ(output.substr(expected.size()), continued);
}

TEST(R250Random, DerivedDraws) {
  std::string output = RunInFreshProcess([] {
    StandardRandomInit(1);
    R250RandomInit(StandardRandom);
    std::vector<UInt64> values = {R250Random64(), R250Random16(), R250Random8(), R250RandomRange(5, 5),
                                  R250RandomRange(0, 0xFFFFFFFF)};
    return Hex(values);
  });
  // From the known first values: 0x2EA21C16C1104F5D, then 0x6CEE ^ 0x88CA.
  EXPECT_EQ(output.substr(0, 22), "2EA21C16C1104F5D E424 ");
  EXPECT_NE(output.find(" 5 "), std::string::npos);
  for (int i = 0; i < 1000; ++i) {
    UInt32 r = R250RandomRange(10, 20);
    ASSERT_GE(r, 10u);
    ASSERT_LE(r, 20u);
  }
}

TEST(ParkMiller, BothVariantsAndTheTenThousandthValue) {
  ParkMillerRandomInit(1);
  EXPECT_EQ(Draws(ParkMillerRandomInteger, 3), (std::vector<UInt64>{16807, 282475249, 1622650073}));
  ParkMillerRandomInit(1);
  EXPECT_EQ(Draws(ParkMillerRandomFloat, 3), (std::vector<UInt64>{16807, 282475249, 1622650073}));
  ParkMillerRandomInit(1);
  SInt32 value = 0;
  for (int i = 0; i < 10000; ++i) value = ParkMillerRandomInteger();
  EXPECT_EQ(value, 1043618065);
  ParkMillerRandomInit(1);
  for (int i = 0; i < 10000; ++i) value = ParkMillerRandomFloat();
  EXPECT_EQ(value, 1043618065);
  ParkMillerRandomInit(-1);
  EXPECT_EQ(ParkMillerRandomInteger(), -16807);
  ParkMillerRandomInit(-1);
  EXPECT_EQ(ParkMillerRandomFloat(), 2147483647 - 16807);
  ParkMillerRandomInit(0);
  EXPECT_EQ(ParkMillerRandomInteger(), 0);
}

}  // namespace
