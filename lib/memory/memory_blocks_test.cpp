#include "lib/memory/memory_blocks.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <numeric>
#include <vector>

namespace {

using Bytes = std::vector<UInt8>;

TEST(MemFill, RepeatsThePattern) {
  const UInt8 pattern[] = {1, 2, 3};
  Bytes out(9, 0xEE);
  MemFill(3, pattern, 7, out.data());
  EXPECT_EQ(out, (Bytes{1, 2, 3, 1, 2, 3, 1, 0xEE, 0xEE}));
  BlockFill(pattern, 3, out.data(), 2);
  EXPECT_EQ(out[2], 3);
  Bytes untouched(4, 0xEE);
  MemFill(3, pattern, 0, untouched.data());
  MemFill(0, pattern, 4, untouched.data());
  EXPECT_EQ(untouched, Bytes(4, 0xEE));
  Bytes large(10000);
  MemFill(3, pattern, UInt32(large.size()), large.data());
  for (std::size_t i = 0; i < large.size(); ++i) ASSERT_EQ(large[i], pattern[i % 3]);
}

TEST(MemTrash, WritesTheTrashPattern) {
  Bytes out(6);
  MemTrash(6, out.data());
  EXPECT_EQ(out, (Bytes{0x68, 0xF1, 0x68, 0xF1, 0x68, 0xF1}));
}

TEST(BlockSet, SetsExactlyTheRangeAtAnyAlignment) {
  alignas(32) std::array<UInt8, 160> area;
  for (UInt32 length : {0u, 1u, 3u, 4u, 7u, 8u, 15u, 16u, 17u, 100u}) {
    for (UInt32 offset : {0u, 5u, 31u}) {
      area.fill(0xAA);
      BlockSet(area.data() + offset, length, 0x5C);
      for (UInt32 i = 0; i < area.size(); ++i)
        ASSERT_EQ(area[i], i >= offset && i < offset + length ? 0x5C : 0xAA) << offset << " " << i;
      area.fill(0xAA);
      BlockClear(area.data() + offset, length);
      for (UInt32 i = 0; i < area.size(); ++i) ASSERT_EQ(area[i], i >= offset && i < offset + length ? 0 : 0xAA);
    }
  }
}

TEST(MemEqual, NeedsEqualLengthsAndBytes) {
  EXPECT_TRUE(MemEqual("abc", 3, "abc", 3));
  EXPECT_FALSE(MemEqual("abc", 3, "abcd", 4));
  EXPECT_FALSE(MemEqual("abc", 3, "abd", 3));
  EXPECT_TRUE(MemEqual(nullptr, 0, nullptr, 0));
}

TEST(BlockCompare, ComparesTheFirstBytes) {
  EXPECT_TRUE(BlockCompare(0, "a", "b"));
  EXPECT_TRUE(BlockCompare(7, "abcdefgX", "abcdefgY"));
  EXPECT_FALSE(BlockCompare(8, "abcdefgX", "abcdefgY"));
  EXPECT_FALSE(BlockCompare(5, "Xbcde", "abcde"));
}

TEST(BlockCompare, FindsADifferenceAtEveryPositionOfShortRuns) {
  for (UInt32 length = 0; length <= 40; ++length) {
    Bytes a(length + 1, 7), b(length + 1, 7);
    EXPECT_TRUE(BlockCompare(length, a.data() + 1, b.data() + 1));
    for (UInt32 at = 0; at < length; ++at) {
      b[1 + at] = 8;
      EXPECT_FALSE(BlockCompare(length, a.data() + 1, b.data() + 1)) << length << " " << at;
      b[1 + at] = 7;
    }
  }
}

TEST(BlockSwap, ExchangesRangesOfEverySizeAndAlignment) {
  for (UInt32 length : {0u, 1u, 31u, 32u, 33u, 100u, 1000u}) {
    for (UInt32 shift : {0u, 3u}) {
      Bytes a(length + shift), b(length + shift);
      std::iota(a.begin(), a.end(), UInt8(0));
      std::iota(b.begin(), b.end(), UInt8(100));
      Bytes a0 = a, b0 = b;
      BlockSwap(a.data() + shift, b.data() + shift, length);
      EXPECT_TRUE(std::equal(a.begin() + shift, a.end(), b0.begin() + shift)) << length;
      EXPECT_TRUE(std::equal(b.begin() + shift, b.end(), a0.begin() + shift)) << length;
    }
  }
  Bytes same = {1, 2, 3};
  BlockSwap(same.data(), same.data(), 3);
  EXPECT_EQ(same, (Bytes{1, 2, 3}));
}

TEST(BlockReverse, ReversesBytesAndElements) {
  Bytes bytes = {1, 2, 3, 4, 5};
  BlockReverse(bytes.data(), 5);
  EXPECT_EQ(bytes, (Bytes{5, 4, 3, 2, 1}));
  BlockReverse(bytes.data(), 1);
  BlockReverse(bytes.data(), 0);
  EXPECT_EQ(bytes, (Bytes{5, 4, 3, 2, 1}));

  char elements[] = "AaBbCcDdEe";
  BlockReverseIndexed(elements, 2, 5);
  EXPECT_STREQ(elements, "EeDdCcBbAa");
  BlockReverseIndexed(elements, 2, 0);
  BlockReverseIndexed(elements, 2, 1);
  EXPECT_STREQ(elements, "EeDdCcBbAa");
  BlockSwapIndexed(elements, 2, 0, 4);
  EXPECT_STREQ(elements, "AaDdCcBbEe");
}

SInt32 CompareWords(void *, const void *key, UInt32, const void *element, UInt32) {
  UInt32 a, b;
  std::memcpy(&a, key, 4);
  std::memcpy(&b, element, 4);
  return a < b ? -1 : a > b ? 1 : 0;
}

TEST(BinarySearch, FindsMatchesAndReportsAbsence) {
  const UInt32 values[] = {10, 20, 30, 40};
  struct Case {
    UInt32 key;
    int index;  // -1: absent
  };
  for (Case c : {Case{10, 0}, Case{20, 1}, Case{30, 2}, Case{40, 3}, Case{5, -1}, Case{25, -1}, Case{50, -1}}) {
    void *found = BinarySearch(values, 4, 4, &c.key, 4, CompareWords, nullptr);
    EXPECT_EQ(found, c.index < 0 ? nullptr : &values[c.index]) << c.key;
  }
  UInt32 key = 10;
  EXPECT_EQ(BinarySearch(values, 1, 4, &key, 4, CompareWords, nullptr), &values[0]);
  EXPECT_EQ(BinarySearch(values, 0, 4, &key, 4, CompareWords, nullptr), nullptr);
  EXPECT_EQ(BinarySearch(nullptr, 4, 4, &key, 4, CompareWords, nullptr), nullptr);
  EXPECT_EQ(BinarySearch(values, 4, 0, &key, 4, CompareWords, nullptr), nullptr);
}

TEST(Latin1Tables, MatchKnownBytesAndRoundTripEveryByte) {
  UInt8 text[] = {0x80, 0x41, 0x8A, 0xA5};
  MacToLatin1Text(text, 4);
  EXPECT_EQ(text[0], 0xC4);
  EXPECT_EQ(text[1], 0x41);
  EXPECT_EQ(text[2], 0xE4);
  EXPECT_EQ(text[3], 0x80);
  Latin1ToMacText(text, 4);
  EXPECT_EQ(text[0], 0x80);
  EXPECT_EQ(text[2], 0x8A);
  EXPECT_EQ(text[3], 0xA5);

  std::array<UInt8, 256> all;
  std::iota(all.begin(), all.end(), UInt8(0));
  MacToLatin1Text(all.data(), 256);
  std::array<bool, 256> seen{};
  for (UInt8 b : all) seen[b] = true;
  EXPECT_TRUE(std::all_of(seen.begin(), seen.end(), [](bool s) { return s; }));
  Latin1ToMacText(all.data(), 256);
  for (int i = 0; i < 256; ++i) ASSERT_EQ(all[i], i);
  for (int i = 0; i < 128; ++i) ASSERT_EQ(kMacToLatin1Table[i], i);
  EXPECT_EQ(kMacToLatin1Table[0xFF], 0x9D);
  EXPECT_EQ(kLatin1ToMacTable[0xFF], 0xD8);
}

TEST(PageLists, TellWhetherNeighbouringPagesAreContiguous) {
  const uintptr_t pages[] = {0x10123, 0x11000, 0x12000, 0x20000};
  EXPECT_TRUE(IsNextPageContiguous(pages, 0, 0x1000));
  EXPECT_TRUE(IsNextPageContiguous(pages, 1, 0x1000));
  EXPECT_FALSE(IsNextPageContiguous(pages, 2, 0x1000));
  EXPECT_FALSE(IsPreviousPageContiguous(pages, 0, 0x1000));
  EXPECT_TRUE(IsPreviousPageContiguous(pages, 1, 0x1000));
  EXPECT_TRUE(IsPreviousPageContiguous(pages, 2, 0x1000));
  EXPECT_FALSE(IsPreviousPageContiguous(pages, 3, 0x1000));
}

}  // namespace
