#include "lib/hash/bits.h"

#include <gtest/gtest.h>

#include <random>

namespace {

TEST(Bits, FieldsFromTheTop) {
  EXPECT_EQ(GetBits(0x12345678, 0, 8), 0x12u);
  EXPECT_EQ(GetBits(0x12345678, 8, 8), 0x34u);
  EXPECT_EQ(GetBits(0x12345678, 28, 4), 0x8u);
  EXPECT_EQ(GetBits(0x12345678, 0, 32), 0x12345678u);
  EXPECT_EQ(GetBits(0x12345678, 5, 0), 0u);
  EXPECT_EQ(GetBits(0x12345678, 28, 8), 0x8u);  // cut at bit 0
  EXPECT_EQ(GetBits(0x12345678, 40, 8), 0u);
  EXPECT_EQ(SetBits(0x12345678, 8, 8, 0x00AB0000), 0x12AB5678u);
  EXPECT_EQ(SetBits(0x12345678, 8, 8, 0xAB), 0x12005678u);
  EXPECT_EQ(SetBits(0x12345678, 8, 0, 0xFFFFFFFF), 0x12345678u);
  EXPECT_EQ(SetBits(0x12345678, 0, 32, 0xCAFEF00D), 0xCAFEF00Du);
  EXPECT_EQ(SetBits(0x12345678, 28, 10, 0xFFFFFFFF), 0x1234567Fu);
}

TEST(Bits, CountsAgreeWithEachOther) {
  EXPECT_EQ(CountBits(0), 0u);
  EXPECT_EQ(CountBits2(0), 0u);
  EXPECT_EQ(CountBits(0xFFFFFFFF), 32u);
  EXPECT_EQ(CountBits2(0xFFFFFFFF), 32u);
  EXPECT_EQ(CountBits64(~UInt64{0}), 64u);
  std::mt19937_64 random(1);
  for (int i = 0; i < 1000; ++i) {
    UInt64 v = random();
    ASSERT_EQ(CountBits(UInt32(v)), CountBits2(UInt32(v)));
    ASSERT_EQ(CountBits64(v), UInt32(__builtin_popcountll(v)));
  }
  EXPECT_EQ(CountLeadingZeroBits(1), 31u);
  EXPECT_EQ(CountLeadingZeroBits(0x80000000), 0u);
  EXPECT_EQ(CountTrailingZeroBits(0x80000000), 31u);
  EXPECT_EQ(CountTrailingZeroBits(1), 0u);
  EXPECT_EQ(CountLeadingZeroBits(0), 32u);
  EXPECT_EQ(CountTrailingZeroBits(0), 32u);
}

TEST(Bits, Reversal) {
  EXPECT_EQ(ReverseBits8(1), 0x80);
  EXPECT_EQ(ReverseBits8(0x1FF01), 0x80);  // bits above the width are ignored
  EXPECT_EQ(ReverseBits16(0x1234), 0x2C48);
  EXPECT_EQ(ReverseBits32(0x12345678), 0x1E6A2C48u);
  EXPECT_EQ(ReverseBits64(0x0123456789ABCDEFull), 0xF7B3D591E6A2C480ull);
  EXPECT_EQ(ReverseBits32(ReverseBits32(0xDEADBEEF)), 0xDEADBEEFu);
}

}  // namespace
