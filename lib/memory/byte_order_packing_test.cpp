#include "lib/memory/byte_order_packing.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<UInt8>;

TEST(PackData, IntegersInBothByteOrders) {
  Bytes out(18);
  const UInt32 v = 0x11223344;
  ASSERT_EQ(PackData(out.data(), "hHtTwW", v, v, v, v, v, v), 18);
  EXPECT_EQ(out, (Bytes{0x33, 0x44, 0x44, 0x33, 0x22, 0x33, 0x44, 0x44, 0x33, 0x22, 0x11, 0x22, 0x33, 0x44, 0x44, 0x33,
                        0x22, 0x11}));
  UInt16 h = 0, H = 0;
  UInt32 t = 0, T = 0, w = 0, W = 0;
  ASSERT_EQ(UnpackData(18, out.data(), "hHtTwW", &h, &H, &t, &T, &w, &W), 18);
  EXPECT_EQ(h, 0x3344);
  EXPECT_EQ(H, 0x3344);
  EXPECT_EQ(t, 0x223344u);
  EXPECT_EQ(T, 0x223344u);
  EXPECT_EQ(w, 0x11223344u);
  EXPECT_EQ(W, 0x11223344u);
}

TEST(PackData, RunsCopiedOrReversed) {
  const UInt8 source[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
  Bytes out(8);
  ASSERT_EQ(PackData(out.data(), "$4", source, source), 8);
  EXPECT_EQ(out, (Bytes{4, 3, 2, 1, 1, 2, 3, 4}));
  const char reversing[] = "@#$%^&*(";
  for (int i = 0; i < 8; ++i) {
    Bytes run(9, 0);
    const char format[] = {reversing[i], 0};
    ASSERT_EQ(PackData(run.data(), format, source), i + 2);
    EXPECT_EQ(run[0], i + 2);
    EXPECT_EQ(run[i + 1], 1);
    Bytes back(9, 0);
    ASSERT_EQ(UnpackData(UInt32(i + 2), run.data(), format, back.data()), i + 2);
    EXPECT_TRUE(std::equal(back.begin(), back.begin() + i + 2, source));
  }
  Bytes counted(5);
  ASSERT_EQ(PackData(counted.data(), "nN", 2u, source, 3u, source), 5);
  EXPECT_EQ(counted, (Bytes{1, 2, 3, 2, 1}));
}

TEST(UnpackData, StringsAreCutToTheirCapacity) {
  const UInt8 pascal[] = {5, 'a', 'b', 'c', 'd', 'e'};
  UInt8 shortPascal[4] = {};
  ASSERT_EQ(UnpackData(6, pascal, "p", 4u, shortPascal), 6);
  EXPECT_EQ(shortPascal[0], 3);
  EXPECT_EQ(std::memcmp(shortPascal + 1, "abc", 3), 0);

  const UInt8 cString[] = {0x41, 0x42, 0x00, 0x43};
  char text[10];
  std::memset(text, 'z', sizeof text);
  UInt8 next = 0;
  ASSERT_EQ(UnpackData(4, cString, "sb", 10u, text, &next), 4);
  EXPECT_STREQ(text, "AB");
  EXPECT_EQ(next, 0x43);
  char two[2] = {'z', 'z'};
  ASSERT_EQ(UnpackData(4, cString, "s", 2u, two), 3);
  EXPECT_EQ(std::memcmp(two, "AB", 2), 0);  // no room for the terminator

  const UInt8 field[] = {0x41, 0x42, 0x43, 0x44, 0x45, 0, 0, 0};
  char fieldText[4];
  ASSERT_EQ(UnpackData(8, field, "S", 8u, 4u, fieldText), 8);
  EXPECT_STREQ(fieldText, "ABC");
  ASSERT_EQ(UnpackData(8, field, "S", 8u, 0u, nullptr), 8);
  EXPECT_EQ(UnpackData(7, field, "S", 8u, 4u, fieldText), -1);  // field past the data

  Bytes packed(16);
  ASSERT_EQ(PackData(packed.data(), "sp", "hi", pascal), 3 + 6);
  EXPECT_EQ(Bytes(packed.begin(), packed.begin() + 9), (Bytes{'h', 'i', 0, 5, 'a', 'b', 'c', 'd', 'e'}));
}

TEST(UnpackData, ErrorsAnswerMinusOne) {
  const UInt8 data[] = {1, 2, 3};
  UInt32 w = 0;
  UInt8 b = 0;
  Bytes out(8);
  EXPECT_EQ(UnpackData(3, data, "w", &w), -1);
  EXPECT_EQ(UnpackData(3, data, " b", &b), -1);
  EXPECT_EQ(UnpackData(3, data, "x"), -1);
  EXPECT_EQ(PackData(out.data(), "b x", 1), -1);
  EXPECT_EQ(PackData(out.data(), "S", 1u, 1u, "a"), -1);
  EXPECT_EQ(UnpackData(3, data, "n", 4u, out.data()), -1);
  EXPECT_EQ(UnpackData(3, data, "b", nullptr), -1);
  EXPECT_EQ(UnpackData(3, data, "s", 4u, out.data()), -1);  // no zero
  EXPECT_EQ(UnpackData(0, data, "s", 4u, out.data()), -1);
  const UInt8 longPascal[] = {4, 'a', 'b'};
  EXPECT_EQ(UnpackData(3, longPascal, "p", 8u, out.data()), -1);
  EXPECT_EQ(UnpackData(3, data, "bw", &b, &w), -1);
  EXPECT_EQ(b, 1);
}

TEST(PackData, Latin1TranslationBothWays) {
  const UInt8 mac[] = {0x8A, 'A'};
  Bytes out(2);
  ASSERT_EQ(PackData(out.data(), "l", 2u, mac), 2);
  EXPECT_EQ(out, (Bytes{0xE4, 'A'}));
  Bytes back(2);
  ASSERT_EQ(UnpackData(2, out.data(), "l", 2u, back.data()), 2);
  EXPECT_EQ(back, (Bytes{0x8A, 'A'}));
}

TEST(PackData, RandomRecordsRoundTrip) {
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    UInt32 values[7];
    for (UInt32 &v : values) v = random();
    Bytes run(9), counted(random() % 30);
    for (UInt8 &x : run) x = UInt8(random());
    for (UInt8 &x : counted) x = UInt8(random());
    Bytes out(28 + 2 * counted.size());
    SInt32 written = PackData(out.data(), "bhHtTwW(nN", values[0], values[1], values[2], values[3], values[4],
                              values[5], values[6], run.data(), UInt32(counted.size()), counted.data(),
                              UInt32(counted.size()), counted.data());
    ASSERT_EQ(written, SInt32(1 + 2 + 2 + 3 + 3 + 4 + 4 + 9 + 2 * counted.size()));
    UInt8 b;
    UInt16 h, H;
    UInt32 t, T, w, W;
    Bytes run2(9), counted2(counted.size()), reversed2(counted.size());
    ASSERT_EQ(UnpackData(UInt32(written), out.data(), "bhHtTwW(nN", &b, &h, &H, &t, &T, &w, &W, run2.data(),
                         UInt32(counted.size()), counted2.data(), UInt32(counted.size()), reversed2.data()),
              written);
    EXPECT_EQ(b, values[0] & 0xFF);
    EXPECT_EQ(h, values[1] & 0xFFFF);
    EXPECT_EQ(H, values[2] & 0xFFFF);
    EXPECT_EQ(t, values[3] & 0xFFFFFF);
    EXPECT_EQ(T, values[4] & 0xFFFFFF);
    EXPECT_EQ(w, values[5]);
    EXPECT_EQ(W, values[6]);
    EXPECT_EQ(run2, run);
    EXPECT_EQ(counted2, counted);
    EXPECT_EQ(reversed2, counted);
  }
}

}  // namespace
