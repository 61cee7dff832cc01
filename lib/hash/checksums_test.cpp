#include "lib/hash/checksums.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <random>
#include <string>
#include <vector>

#include "lib/hash/adler32_paths.hpp"
#include "lib/hash/crc32_paths.hpp"

namespace {

std::vector<UInt8> RandomBytes(std::size_t size, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<UInt8> bytes(size);
  for (UInt8 &b : bytes) b = UInt8(random());
  return bytes;
}

TEST(CRC32, KnownVectors) {
  EXPECT_EQ(CRC32(0, "123456789", 9), 0xCBF43926u);
  EXPECT_EQ(CRC32(CRC32(0, "1234", 4), "56789", 5), 0xCBF43926u);
  EXPECT_EQ(CRC32(0, "a", 1), 0xE8B7BE43u);
  EXPECT_EQ(CRC32Dynamic(0, "123456789", 9), 0xCBF43926u);
  EXPECT_EQ(vigil::hash::kCRC32Table[1], 0x77073096u);
  EXPECT_EQ(vigil::hash::kCRC32Table[255], 0x2D02EF8Du);
  EXPECT_EQ(vigil::hash::gCRC32TableInitialized, 1);
}

TEST(CRC32, EmptyInputs) {
  EXPECT_EQ(CRC32(0x12345678, nullptr, 0), 0u);        // the starting value, as zlib answers
  EXPECT_EQ(CRC32(0x12345678, "x", 0), 0x12345678u);  // an empty piece changes nothing
  EXPECT_EQ(CRC32(0, "", 0), 0u);
}

TEST(CRC32, EqualsZlibForAnySplit) {
  std::vector<UInt8> data = RandomBytes(200000, 1);
  std::mt19937 random(2);
  for (int round = 0; round < 40; ++round) {
    std::size_t length = random() % data.size();
    std::size_t start = random() % (data.size() - length + 1);
    uLong expected = crc32(0, data.data() + start, uInt(length));
    UInt32 whole = CRC32(0, data.data() + start, UInt32(length));
    EXPECT_EQ(whole, expected) << length;
    UInt32 pieces = 0;
    for (std::size_t at = 0; at < length;) {
      std::size_t piece = std::min<std::size_t>(length - at, random() % 700);  // empty pieces too
      pieces = CRC32(pieces, data.data() + start + at, UInt32(piece));
      at += piece;
    }
    EXPECT_EQ(pieces, expected) << length;
  }
}

TEST(CRC32, EveryPathMatchesTheTable) {
  using vigil::hash::Crc32Table;
  std::vector<UInt8> data = RandomBytes(70000, 3);
  std::vector<std::size_t> lengths = {0, 1, 7, 8, 15, 16, 63, 64, 65, 127, 255, 256, 257, 511, 1000, 4096, 65536, 69999};
  for (std::size_t length : lengths) {
    for (std::size_t offset : {0, 1, 5, 13}) {
      if (offset + length > data.size()) continue;
      const UInt8 *start = data.data() + offset;
      for (UInt32 reg : {0u, 0xFFFFFFFFu, 0x1234ABCDu}) {
        UInt32 expected = Crc32Table(reg, start, length);
        EXPECT_EQ(vigil::hash::Crc32Sliced(reg, start, length), expected) << length;
        if (vigil::hash::HasCarrylessMultiply()) {
          EXPECT_EQ(vigil::hash::Crc32Folded128(reg, start, length), expected) << length << "+" << offset;
        }
        if (vigil::hash::HasWideCarrylessMultiply()) {
          EXPECT_EQ(vigil::hash::Crc32Folded512(reg, start, length), expected) << length << "+" << offset;
        }
      }
    }
  }
}

TEST(Adler32, KnownVectorsAndEmptyInput) {
  EXPECT_EQ(Adler32(1, 0, "abc", 3), 0x024D0127u);
  EXPECT_EQ(Adler32(1, 0, "123456789", 9), 0x091E01DEu);
  EXPECT_EQ(Adler32(0xABCDEF01, 0, "x", 0), 0xABCDEF01u);
  EXPECT_EQ(Adler32(0xABCDEF01, 0, nullptr, 0), 0xABCDEF01u);
}

TEST(Adler32, EqualsZlibForAnySplitAndBlockSize) {
  std::vector<UInt8> data(100000, 0xFF);  // the worst case for overflow
  std::vector<UInt8> noise = RandomBytes(100000, 4);
  std::mt19937 random(5);
  for (const auto *bytes : {&data, &noise}) {
    uLong expected = adler32(1, bytes->data(), uInt(bytes->size()));
    for (UInt32 blockSize : {0u, 1u, 16u, 17u, 1000u, 5551u, 5552u, 5553u, 100000u}) {
      EXPECT_EQ(Adler32(1, blockSize, bytes->data(), UInt32(bytes->size())), expected) << blockSize;
      UInt32 pieces = 1;
      for (std::size_t at = 0; at < bytes->size();) {
        std::size_t piece = std::min<std::size_t>(bytes->size() - at, random() % 9000);
        pieces = Adler32(pieces, blockSize, bytes->data() + at, UInt32(piece));
        at += piece;
      }
      EXPECT_EQ(pieces, expected) << blockSize;
    }
  }
}

TEST(Adler32, TheVectorPathMatchesTheScalarLoop) {
  if (!vigil::hash::HasAdler32Vector()) GTEST_SKIP() << "no vector path on this processor";
  std::vector<UInt8> noise = RandomBytes(20000, 6);
  std::vector<UInt8> ones(20000, 0xFF);
  for (const auto *bytes : {&noise, &ones}) {
    for (std::size_t length : {0, 1, 31, 32, 33, 5535, 5536, 5537, 5552, 11104, 19999}) {
      for (UInt32 adler : {1u, 0xFFF0FFF0u, 0xABCD1234u}) {
        EXPECT_EQ(vigil::hash::Adler32Vector(adler, bytes->data() + 1, length),
                  vigil::hash::Adler32Scalar(adler, 5552, bytes->data() + 1, length))
            << length;
      }
    }
  }
}

TEST(CHRPNVRAMChecksum, EndAroundCarry) {
  struct Case {
    std::vector<UInt8> bytes;
    UInt8 sum;
  };
  for (const Case &c : {Case{{0x80, 0x80}, 1}, Case{{0xFF, 0x01}, 1}, Case{{0x12, 0x34}, 0x46}, Case{{}, 0},
                        Case{{0xFF, 0xFF}, 0xFF}, Case{{0xFF, 0xFF, 0x01}, 1}})
    EXPECT_EQ(CHRPNVRAMChecksum(c.bytes.data(), UInt32(c.bytes.size())), c.sum);
}

}  // namespace
