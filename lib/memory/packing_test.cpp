#include "lib/memory/packing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "platform/core/result_codes.h"

namespace {

using Bytes = std::vector<UInt8>;

TEST(Pack, WritesBigEndianItemsAndUnpackReadsThemBack) {
  UInt32 size = 0;
  ASSERT_EQ(PackedSize(&size, "bhw", 0x12, 0x3456, 0x789ABCDEu), noErr);
  EXPECT_EQ(size, 7u);
  Bytes out(7);
  UInt32 written = 0;
  ASSERT_EQ(Pack(out.data(), nullptr, &written, "bhw", 0x12, 0x3456, 0x789ABCDEu), noErr);
  EXPECT_EQ(written, 7u);
  EXPECT_EQ(out, (Bytes{0x12, 0x34, 0x56, 0x78, 0x9A, 0xBC, 0xDE}));
  UInt8 b = 0;
  UInt16 h = 0;
  UInt32 w = 0;
  ASSERT_EQ(Unpack(out.data(), 7, "bhw", &b, &h, &w), noErr);
  EXPECT_EQ(b, 0x12);
  EXPECT_EQ(h, 0x3456);
  EXPECT_EQ(w, 0x789ABCDEu);
}

TEST(Pack, SizedIntegersCountedBytesAndStrings) {
  Bytes out(32);
  UInt32 written = 0;
  const UInt8 raw[] = {0xAA, 0xBB};
  ASSERT_EQ(Pack(out.data(), nullptr, &written, "i n s i", 3, 0x11223344u, 2u, raw, "abc", 7, 0xFFu), noErr);
  EXPECT_EQ(written, 3u + 2 + 4);
  EXPECT_EQ(Bytes(out.begin(), out.begin() + 9), (Bytes{0x22, 0x33, 0x44, 0xAA, 0xBB, 'a', 'b', 'c', 0}));
  UInt32 size = 0;
  ASSERT_EQ(PackedSize(&size, "i n s i", 3, 0u, 2u, raw, "abc", 7, 0u), noErr);
  EXPECT_EQ(size, 3u + 2 + 4 + 7);  // a size outside 1 to 4 is still counted

  UInt32 value = 0;
  const UInt8 *bytes = nullptr;
  const char *string = nullptr;
  UInt32 length = 0;
  ASSERT_EQ(Unpack(out.data(), 9, "insi", 3, &value, 2u, &bytes, &string, &length, 0, &size), noErr);
  EXPECT_EQ(value, 0x223344u);
  EXPECT_EQ(bytes, out.data() + 3);
  EXPECT_EQ(string, reinterpret_cast<const char *>(out.data() + 5));
  EXPECT_EQ(length, 3u);
  EXPECT_EQ(size, 0u);
}

TEST(Pack, EmptyFormatsSpacesAndCountZero) {
  UInt32 size = 99;
  EXPECT_EQ(PackedSize(&size, ""), noErr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(Pack(nullptr, nullptr, &size, ""), noErr);
  EXPECT_EQ(size, 0u);
  EXPECT_EQ(Unpack(nullptr, 0, ""), noErr);

  Bytes spaced(2), packed(2);
  Pack(spaced.data(), nullptr, nullptr, " b  b ", 1, 2);
  Pack(packed.data(), nullptr, nullptr, "bb", 1, 2);
  EXPECT_EQ(spaced, packed);

  const UInt8 data[] = {9};
  const UInt8 *at = nullptr;
  UInt8 b = 0;
  ASSERT_EQ(Unpack(data, 1, "nb", 0u, &at, &b), noErr);
  EXPECT_EQ(at, data);
  EXPECT_EQ(b, 9);
}

TEST(Unpack, ShortDataAndUnsupportedLetters) {
  const UInt8 data[] = {1, 2, 3};
  UInt32 w = 0;
  EXPECT_EQ(Unpack(data, 3, "w", &w), kLibSizeErr);
  EXPECT_EQ(Unpack(data, 3, "i", 4, &w), kLibSizeErr);
  EXPECT_EQ(Unpack(data, 3, "i", -1, &w), kLibSizeErr);
  EXPECT_EQ(Unpack(data, 3, "n", 4u, nullptr), kLibSizeErr);
  EXPECT_EQ(Unpack(data, 3, "s", nullptr, nullptr), kLibSizeErr);  // no zero byte
  EXPECT_EQ(Unpack(data, 0, "b", nullptr), kLibSizeErr);
  EXPECT_EQ(Unpack(data, 3, "x"), kLibUnsupportedLetterErr);
  EXPECT_EQ(Unpack(data, 3, "bbbb", nullptr, nullptr, nullptr, nullptr), kLibSizeErr);
  UInt8 first = 0;
  EXPECT_EQ(Unpack(data, 3, "bW", &first), kLibUnsupportedLetterErr);
  EXPECT_EQ(first, 1);  // values before the failure stay stored
  UInt32 size = 7;
  EXPECT_EQ(PackedSize(&size, "bB", 1), kLibUnsupportedLetterErr);
  EXPECT_EQ(size, 7u);
  Bytes out(4);
  EXPECT_EQ(Pack(out.data(), nullptr, &size, "b9", 5), kLibUnsupportedLetterErr);
  EXPECT_EQ(out[0], 5);
  EXPECT_EQ(size, 7u);
}

TEST(Pack, RandomRecordsRoundTrip) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    UInt32 w = random(), size = 1 + random() % 4;
    UInt32 sized = random() & (size == 4 ? 0xFFFFFFFFu : (1u << (8 * size)) - 1);
    int b = random() & 0xFF, h = random() & 0xFFFF;
    Bytes raw(random() % 20);
    for (UInt8 &x : raw) x = UInt8(random());
    std::string text(random() % 10, 'q');
    UInt32 expected = 0, written = 0;
    ASSERT_EQ(PackedSize(&expected, "bhwins", b, h, w, int(size), sized, UInt32(raw.size()), raw.data(), text.c_str()),
              noErr);
    Bytes out(expected);
    ASSERT_EQ(Pack(out.data(), nullptr, &written, "bhwins", b, h, w, int(size), sized, UInt32(raw.size()), raw.data(),
                   text.c_str()),
              noErr);
    ASSERT_EQ(written, expected);
    UInt8 b2;
    UInt16 h2;
    UInt32 w2, sized2, length;
    const UInt8 *raw2;
    const char *text2;
    ASSERT_EQ(Unpack(out.data(), written, "bhwins", &b2, &h2, &w2, int(size), &sized2, UInt32(raw.size()), &raw2,
                     &text2, &length),
              noErr);
    EXPECT_EQ(b2, b);
    EXPECT_EQ(h2, h);
    EXPECT_EQ(w2, w);
    EXPECT_EQ(sized2, sized);
    EXPECT_EQ(Bytes(raw2, raw2 + raw.size()), raw);
    EXPECT_EQ(std::string(text2, length), text);
  }
}

TEST(PackN, WritesAndReadsOneInteger) {
  Bytes out(4, 0);
  EXPECT_EQ(PackN(out.data(), 2, 0x12345678), 2u);
  EXPECT_EQ(out, (Bytes{0x56, 0x78, 0, 0}));
  EXPECT_EQ(PackN(out.data(), 5, 0xFFFFFFFF), 5u);
  EXPECT_EQ(out, (Bytes{0x56, 0x78, 0, 0}));
  EXPECT_EQ(UnpackN(out.data(), 2), 0x5678u);
  EXPECT_EQ(UnpackN(out.data(), 5), 0u);
  EXPECT_EQ(UnpackN(out.data(), 0), 0u);
}

TEST(ByteOrderHelpers, SwapAndReverse) {
  Bytes data = {1, 2, 3, 4, 5};
  EndianSwapData16Bit(data.data(), 5);
  EXPECT_EQ(data, (Bytes{2, 1, 4, 3, 5}));
  Bytes copy(5, 0);
  EndianSwapData16BitCopy(data.data(), 5, copy.data());
  EXPECT_EQ(copy, (Bytes{1, 2, 3, 4, 0}));
  MemReverse(data.data(), 5);
  EXPECT_EQ(data, (Bytes{5, 3, 4, 1, 2}));
  MemReverse(data.data(), 1);
  EXPECT_EQ(data, (Bytes{5, 3, 4, 1, 2}));
  MemReverseCopy(data.data(), 5, copy.data());
  EXPECT_EQ(copy, (Bytes{2, 1, 4, 3, 5}));
}

}  // namespace
